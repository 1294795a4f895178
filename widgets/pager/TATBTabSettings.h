// The pager's tab geometry: margins inside a tab, the space before the
// first tab and after the last, the tab row's height and the gap between
// tabs. Every change tells the pager.
#pragma once

#include <functional>

#include "core/TPersistent.h"

class TATBTabSettings : public TPersistent {
 public:
  std::string ClassName() const override { return "TATBTabSettings"; }
  // Copies the margins and the height through the setters, not Spacing.
  void Assign(const TPersistent* Source) override;

  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int Value) { Store(leftMargin_, Value); }
  int RightMargin() const { return rightMargin_; }
  void SetRightMargin(int Value) { Store(rightMargin_, Value); }
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int Value) { Store(startMargin_, Value); }
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int Value) { Store(endMargin_, Value); }
  int Height() const { return height_; }
  void SetHeight(int Value) { Store(height_, Value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int Value) { Store(spacing_, Value); }

  std::function<void()> OnChange;

 private:
  void Store(int& Field, int Value) {
    Field = Value;
    if (OnChange) OnChange();
  }

  int leftMargin_ = 4;
  int rightMargin_ = 4;
  int startMargin_ = 60;
  int endMargin_ = 0;
  int height_ = 26;
  int spacing_ = 4;
};
