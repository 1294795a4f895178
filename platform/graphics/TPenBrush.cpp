// Assignment of pens and brushes.
#include "TBrush.h"
#include "TPen.h"

void TPen::Assign(const TPersistent* Source) {
  if (auto* p = dynamic_cast<const TPen*>(Source)) {
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    mode_ = p->mode_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TBrush::Assign(const TPersistent* Source) {
  if (auto* b = dynamic_cast<const TBrush*>(Source)) {
    color_ = b->color_;
    style_ = b->style_;
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}
