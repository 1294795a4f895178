#include "TAdvMenuOfficeStyler.h"

#include "SystemTheme.h"
#include "MenuSchemes.h"

TAdvMenuOfficeStyler::TAdvMenuOfficeStyler(TComponent* AOwner) : TCustomAdvMenuStyler(AOwner) {
  SetStyle(osOffice2003Blue);
}

void TAdvMenuOfficeStyler::SetStyle(TOfficeStyle Value) {
  style_ = Value;
  ApplyMenuScheme(*this, Value);
}

void TAdvMenuOfficeStyler::ApplyStyleCode(int Code) {
  switch (Code & 0x7F) {
    case 0: SetStyle(osOffice2003Blue); break;
    case 1: SetStyle(osOffice2003Silver); break;
    case 2: SetStyle(osOffice2003Olive); break;
    case 3:
    case 6:
    case 7: SetStyle(osOfficeXP); break;
    case 4: SetStyle(osOffice2007Luna); break;
    case 5: SetStyle(osOffice2007Obsidian); break;
    case 9: SetStyle(osOffice2007Silver); break;
    default: break;
  }
}

void TAdvMenuOfficeStyler::ApplyThemeStyle() {
  if (!AutoThemeAdapt) return;
  switch (DetectSystemTheme()) {
    case 1: SetStyle(osOffice2003Blue); break;
    case 2: SetStyle(osOffice2003Olive); break;
    case 3: SetStyle(osOffice2003Silver); break;
    default: SetStyle(osOfficeXP); break;
  }
}

void TAdvMenuOfficeStyler::Loaded() {
  TCustomAdvMenuStyler::Loaded();
  ApplyThemeStyle();
}
