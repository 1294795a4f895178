#include "TATBTabSettings.h"

void TATBTabSettings::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TATBTabSettings*>(Source);
  if (!s) {
    TPersistent::Assign(Source);
    return;
  }
  SetLeftMargin(s->leftMargin_);
  SetRightMargin(s->rightMargin_);
  SetHeight(s->height_);
  SetStartMargin(s->startMargin_);
  SetEndMargin(s->endMargin_);
}
