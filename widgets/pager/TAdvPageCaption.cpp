#include "TAdvPageCaption.h"

void TAdvPageCaption::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TAdvPageCaption*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  caption_ = s->caption_;
  height_ = s->height_;
  SetVisible(s->visible_);
  SetIndent(s->indent_);
  SetMinWidth(s->minWidth_);
}
