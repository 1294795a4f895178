// A scroll range for a row of tabs or toolbars: Min, Max and Position.
#pragma once

class TATBTabScroller {
 public:
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Max is taken only when at least Min, Min only when at most Max.
  void SetMin(int Value) {
    if (Value <= max_) min_ = Value;
  }
  void SetMax(int Value) {
    if (Value >= min_) max_ = Value;
  }
  void SetPosition(int Value) { position_ = Value; }
  bool CanGoBack() const { return min_ < position_; }
  bool CanGoForward() const { return position_ < max_; }

 private:
  int min_ = 0;
  int max_ = 0;
  int position_ = 0;
};
