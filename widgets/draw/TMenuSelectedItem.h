// The menu item under the mouse: its body with a mirror half, border,
// fonts, and the boxes behind its check and radio marks. Its values are
// stored as they come.
#pragma once

#include "MenuStylerTypes.h"
#include "TValueHolder.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

struct TMenuSelectedItemValues {
  TColor Color = 0xEFD3C6;
  TColor ColorTo = clNone;
  TColor ColorMirror = clNone;
  TColor ColorMirrorTo = clNone;
  TMenuGradientDirection GradientDirection = TMenuGradientDirection::gdVertical;
  TColor BorderColor = 0xC66931;
  bool UseSystemFont = true;
  TColor CheckColor = 0xEFD3C6;
  TColor CheckColorTo = clNone;
  TColor CheckBorder = clNavy;
  TMenuGradientDirection CheckGradientDirection = TMenuGradientDirection::gdVertical;
  TColor RadioColor = 0xEFD3C6;
  TColor RadioColorTo = clNone;
  TColor RadioBorder = clNavy;
  TMenuGradientDirection RadioGradientDirection = TMenuGradientDirection::gdVertical;
  friend bool operator==(const TMenuSelectedItemValues&, const TMenuSelectedItemValues&) = default;
};

class TMenuSelectedItem : public TValueHolder<TMenuSelectedItemValues> {
 public:
  TMenuSelectedItem();
  std::string ClassName() const override { return "TMenuSelectedItem"; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  TFont& NotesFont() { return notesFont_; }
  const TFont& NotesFont() const { return notesFont_; }

 protected:
  void AssignNested(const TValueHolder& Source) override;

 private:
  TFont font_, notesFont_;
};
