// The pager's caption bar settings: its text, whether it exists, its
// height, where its text area starts and the width the caption buttons
// keep free at its right end.
#pragma once

#include <functional>
#include <string>

#include "core/TPersistent.h"

class TAdvPageCaption : public TPersistent {
 public:
  std::string ClassName() const override { return "TAdvPageCaption"; }
  // Copies Caption and Height quietly, then Visible, Indent and MinWidth
  // through their setters.
  void Assign(const TPersistent* Source) override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& Value) { Store(caption_, Value); }
  bool Visible() const { return visible_; }
  void SetVisible(bool Value) { Store(visible_, Value); }
  int Height() const { return height_; }
  void SetHeight(int Value) { Store(height_, Value); }
  int Indent() const { return indent_; }
  void SetIndent(int Value) { Store(indent_, Value); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int Value) { Store(minWidth_, Value); }
  // Kept free for the caption buttons; set by the pager, no notice.
  int RightIndent = 0;

  // The pager's caption-change handler.
  std::function<void()> OnChange;

 private:
  template <class T>
  void Store(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange();
  }

  std::string caption_;
  bool visible_ = true;
  int height_ = 27;
  int indent_ = 100;
  int minWidth_ = 100;
};
