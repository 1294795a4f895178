#include "TAdvToolBarOfficeStyler.h"

#include "ToolBarSchemes.h"
#include "os/ThemeQuery.h"

namespace {

// 1 for the blue, 2 the olive, 3 the silver colour scheme of the desktop's
// theme; 0 without a theme or for another scheme.
int DetectSystemTheme() {
  if (!IsThemeActive()) return 0;
  std::string file, color, size;
  if (GetCurrentThemeName(file, color, size) != S_OK) return 0;
  if (color == "NormalColor") return 1;
  if (color == "HomeStead") return 2;
  if (color == "Metallic") return 3;
  return 0;
}

}  // namespace

TAdvToolBarOfficeStyler::TAdvToolBarOfficeStyler(TComponent* AOwner) : TCustomAdvToolBarStyler(AOwner) {
  // Style already reads Blue: going through XP assigns every Blue value.
  SetStyle(bsWindowsXP);
  SetStyle(bsOffice2003Blue);
}

void TAdvToolBarOfficeStyler::SetStyle(TToolBarStyle Value) {
  if (Value == style_) return;
  style_ = Value;
  ApplyScheme(*this, Value);
}

void TAdvToolBarOfficeStyler::ApplyStyleCode(int Code) {
  if (Code < 0 || Code >= ToolBarStyleCount) return;
  SetStyle(static_cast<TToolBarStyle>(Code));
}

void TAdvToolBarOfficeStyler::ApplyThemeStyle() {
  if (!AutoThemeAdapt) return;
  switch (DetectSystemTheme()) {
    case 1: SetStyle(bsOffice2003Blue); break;
    case 2: SetStyle(bsOffice2003Olive); break;
    case 3: SetStyle(bsOffice2003Silver); break;
    default: SetStyle(bsOffice2003Classic); break;
  }
}

void TAdvToolBarOfficeStyler::Loaded() {
  TCustomAdvToolBarStyler::Loaded();
  if (!ComponentState().Contains(csDesigning)) ApplyThemeStyle();
}
