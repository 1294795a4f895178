#include "TMenuSelectedItem.h"

#include "SystemFontName.h"

TMenuSelectedItem::TMenuSelectedItem() {
  for (TFont* f : {&font_, &notesFont_}) {
    f->SetName(SystemFontName());
    f->SetSize(8);
  }
}

void TMenuSelectedItem::AssignNested(const TValueHolder& Source) {
  const auto& s = static_cast<const TMenuSelectedItem&>(Source);
  font_.Assign(&s.font_);
  notesFont_.Assign(&s.notesFont_);
}
