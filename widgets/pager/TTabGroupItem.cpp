#include "TTabGroupItem.h"

TTabGroupItem::TTabGroupItem() {
  groupAppearance_.OnChange = [this](TObject*) { Changed(); };
}

void TTabGroupItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TTabGroupItem*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  caption_ = s->caption_;
  imageIndex_ = s->imageIndex_;
  tabIndexStart_ = s->tabIndexStart_;
  tabIndexEnd_ = s->tabIndexEnd_;
  Changed();
}
