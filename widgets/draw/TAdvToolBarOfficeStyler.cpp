#include "TAdvToolBarOfficeStyler.h"

#include "SystemTheme.h"
#include "ToolBarSchemes.h"

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
