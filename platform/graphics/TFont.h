// A font description: face name, pixel height, style and colour. A
// negative Height is the character height (em) in pixels, as the layouts
// store it; Size is in points at 96 pixels per inch.
#pragma once

#include <memory>
#include <string>

#include "TColor.h"
#include "core/TPersistent.h"
#include "core/TSet.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

struct TFontHandle;  // the rasteriser's font, built on first use

class TFont : public TPersistent {
 public:
  TFont();
  ~TFont() override;
  std::string ClassName() const override { return "TFont"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& Value);
  int Height() const { return height_; }
  void SetHeight(int Value);
  int Size() const;
  void SetSize(int Points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);

  void Assign(const TPersistent* Source) override;
  bool SameAs(const TFont& Other) const;

  // The rasteriser's font for this description (platform use only).
  const TFontHandle& Handle() const;

  TNotifyEvent OnChange;

  static constexpr int PixelsPerInch = 96;

 private:
  void Changed();
  std::string name_ = "Tahoma";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  mutable std::unique_ptr<TFontHandle> handle_;
};
