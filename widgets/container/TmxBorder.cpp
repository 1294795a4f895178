#include "TmxBorder.h"

#include <utility>

TmxBorder::TmxBorder(std::function<void()> OnChange) : onChange_(std::move(OnChange)) {}

void TmxBorder::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TmxBorder*>(Source)) {
    top_ = b->top_;
    bottom_ = b->bottom_;
    left_ = b->left_;
    right_ = b->right_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TmxBorder::Set(uint16_t& Field, uint16_t Value) {
  if (Field == Value) return;
  Field = Value;
  Changed();
}

void TmxBorder::Changed() {
  if (onChange_) onChange_();
}
