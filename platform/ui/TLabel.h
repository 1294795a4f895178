// A line (or block) of text on its parent, optionally sized to its text.
#pragma once

#include "TGraphicControl.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* AOwner);
  std::string ClassName() const override { return "TLabel"; }
  void WndProc(TMessage& Message) override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool Value);

 protected:
  void Paint() override;
  void Loaded() override;
  // Resizes to the text when AutoSize is on; a right-aligned label keeps
  // its right edge.
  void AdjustBounds();

 private:
  uint32_t TextFlags() const;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool transparent_ = false;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
};
