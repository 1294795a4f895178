#include "TAdvOfficeStatusBarOfficeStyler.h"

#include "SystemTheme.h"

TAdvOfficeStatusBarOfficeStyler::TAdvOfficeStatusBarOfficeStyler(TComponent* AOwner)
    : TCustomAdvOfficeStatusBarStyler(AOwner) {
  // Style already reads Blue: going through XP assigns every Blue value.
  SetStyle(psWindowsXP);
  SetStyle(psOffice2003Blue);
}

void TAdvOfficeStatusBarOfficeStyler::SetStyle(TOfficeStatusBarStyle Value) {
  if (Value == style_) return;
  style_ = Value;
  ApplyStatusBarScheme(*this, Value);
}

void TAdvOfficeStatusBarOfficeStyler::ApplyStyleCode(int Code) {
  if (Code < 0 || Code >= StatusBarStyleCount) return;
  SetStyle(static_cast<TOfficeStatusBarStyle>(Code));
}

void TAdvOfficeStatusBarOfficeStyler::ApplyThemeStyle() {
  if (!AutoThemeAdapt) return;
  switch (DetectSystemTheme()) {
    case 1: SetStyle(psOffice2003Blue); break;
    case 2: SetStyle(psOffice2003Olive); break;
    case 3: SetStyle(psOffice2003Silver); break;
    default: SetStyle(psWindowsXP); break;
  }
}

void TAdvOfficeStatusBarOfficeStyler::Loaded() {
  TCustomAdvOfficeStatusBarStyler::Loaded();
  if (!ComponentState().Contains(csDesigning)) ApplyThemeStyle();
}
