#include "TMenuRootItem.h"

#include <algorithm>

#include "SystemFontName.h"

namespace {

using R = TMenuRootItemValues;

constexpr TColor R::*MenuColours[] = {
    &R::SelectedColor,      &R::SelectedColorTo,  &R::SelectedColorMirror, &R::SelectedColorMirrorTo,
    &R::SelectedBorderColor, &R::SelectedTextColor, &R::HoverColor,         &R::HoverColorTo,
    &R::HoverColorMirror,   &R::HoverColorMirrorTo, &R::HoverBorderColor,   &R::HoverTextColor};

}  // namespace

TMenuRootItem::TMenuRootItem() {
  font_.SetName(SystemFontName());
  font_.SetSize(8);
}

bool TMenuRootItem::TellsMenu(TColor R::*Field) {
  return std::find(std::begin(MenuColours), std::end(MenuColours), Field) != std::end(MenuColours);
}

void TMenuRootItem::AssignNested(const TValueHolder& Source) {
  font_.Assign(&static_cast<const TMenuRootItem&>(Source).font_);
}
