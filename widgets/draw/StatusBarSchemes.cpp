#include "StatusBarSchemes.h"

#include "TCustomAdvOfficeStatusBarStyler.h"

namespace {

constexpr TColor K = kKeepColor;

// The hot and down colours that the 2003 and Whidbey schemes share.
constexpr TPanelLookScheme With2003Hot(TPanelLookScheme L, TColor BorderDown) {
  L.ColorHot = 0xD4FBFF;
  L.ColorHotTo = L.ColorMirrorHot = L.ColorMirrorHotTo = 0x63C4F7;
  L.BorderColorHot = clGray;
  L.ColorDown = 0x8CE1FA;
  L.ColorDownTo = L.ColorMirrorDown = L.ColorMirrorDownTo = 0x1D9AEF;
  L.BorderColorDown = BorderDown;
  return L;
}

// The hot and down colours of the 2007 schemes.
constexpr TPanelLookScheme With2007Hot(TPanelLookScheme L) {
  L.ColorHot = 0xFBFFFF;
  L.ColorHotTo = 0xC0F0FF;
  L.ColorMirrorHot = 0x6BD8FF;
  L.ColorMirrorHotTo = 0xA0E6FC;
  L.BorderColorHot = 0x99CEDB;
  L.ColorDown = 0x77B4F7;
  L.ColorDownTo = 0x459AF9;
  L.ColorMirrorDown = 0x1982F8;
  L.ColorMirrorDownTo = 0x03AEFF;
  L.BorderColorDown = 0x45667B;
  return L;
}

// The body and text colours of a look; hot and down come from above.
constexpr TPanelLookScheme Body(TColor C, TColor CTo, TColor M, TColor MTo, TColor Border, TColor Text, TColor Hot,
                                TColor Down) {
  return {C, CTo, M, MTo, Border, Text, Hot, Down, K, K, K, K, K, K, K, K, K, K};
}

constexpr TStatusBarScheme Blue{
    0xE4AE88,
    With2003Hot(Body(0xFADDC6, 0xE2A982, 0xE2A982, 0xE2A982, 0xE3B28D, clBlack, clBlack, clBlack), 0x9C430F),
    With2003Hot(Body(0xD38355, 0x9C430F, 0x9C430F, 0x9C430F, clNone, clWhite, clWhite, clWhite), 0x9C430F)};
constexpr TStatusBarScheme Silver{
    0xB39698, With2003Hot(Body(0xF7F3F3, 0xE6D8D8, 0xE6D8D8, 0xE6D8D8, clNone, clBlack, K, K), 0xB79B9D),
    With2003Hot(Body(0xE6D8D8, 0xB79B9D, 0xB79B9D, 0xB79B9D, clNone, clWhite, clWhite, clWhite), 0xB79B9D)};
constexpr TStatusBarScheme Olive{
    0x8CC0B1, With2003Hot(Body(0xCFF0EA, 0x90C3B5, 0x90C3B5, 0x90C3B5, clNone, clBlack, clBlack, clBlack), 0x4D846E),
    With2003Hot(Body(0x81BFAE, 0x4D846E, 0x4D846E, 0x4D846E, clNone, clWhite, K, K), 0x4D846E)};

constexpr TPanelLookScheme ClassicLook(TPanelLookScheme L, TColor MirrorHot) {
  L.ColorHot = L.ColorHotTo = 0xD2BDB6;
  L.ColorMirrorHot = L.ColorMirrorHotTo = MirrorHot;
  L.BorderColorHot = clGray;
  L.ColorDown = L.ColorDownTo = 0xE2B598;
  L.ColorMirrorDown = L.ColorMirrorDownTo = clNone;
  L.BorderColorDown = clBlack;
  return L;
}
constexpr TStatusBarScheme Classic{
    0xC9D1D5, ClassicLook(Body(clWhite, 0xC9D1D5, clNone, clNone, clNone, clBlack, clBlack, clBlack), 0xD2BDB6),
    ClassicLook(Body(clGray, clGray, clNone, clNone, clNone, clWhite, clWhite, clWhite), clNone)};

constexpr TStatusBarScheme Luna{
    0xB07D56, With2007Hot(Body(0xF9E6D7, 0xF8DCC7, 0xF5D0B3, 0xF7E0CD, clNone, 0x612009, clBlack, clBlack)),
    With2007Hot(Body(0xF8DCC5, 0xF5B687, 0xEAB690, 0xC29574, clNone, 0x612009, 0x612009, 0x612009))};
constexpr TStatusBarScheme Obsidian{
    0x414141, With2007Hot(Body(0x414141, 0x30302F, 0x30302F, 0x4C4C4C, clNone, clWhite, clWhite, clWhite)),
    With2007Hot(Body(0xA19F9E, 0x635F5E, 0x635F5E, 0x534D4B, clNone, clWhite, clWhite, clWhite))};
constexpr TStatusBarScheme Silver2007{
    0x766A61, With2007Hot(Body(0xEBE8E7, 0xC7BBB5, 0xB7B0AA, 0xCEC9C7, clNone, 0x2A2623, clBlack, clBlack)),
    With2007Hot(Body(0xEBE8E7, 0xC7BBB6, 0xBAB4AE, 0xAFABA5, clNone, 0x2A2623, 0x612009, 0x612009))};

constexpr TPanelLookScheme XPLook(TPanelLookScheme L) {
  L.ColorHot = L.ColorHotTo = 0xEFD3C6;
  L.ColorMirrorHot = L.ColorMirrorHotTo = clNone;
  L.BorderColorHot = clGray;
  L.ColorDown = L.ColorDownTo = 0xB59284;
  L.ColorMirrorDown = L.ColorMirrorDownTo = clNone;
  L.BorderColorDown = clBlack;
  return L;
}
constexpr TStatusBarScheme XP{
    clSilver, XPLook(Body(clBtnFace, clBtnFace, clBtnFace, clBtnFace, clNone, clBlack, clBlack, clBlack)),
    XPLook(Body(clWhite, clBtnFace, clBtnFace, clBtnFace, clNone, clBlack, clBlack, clBlack))};
constexpr TStatusBarScheme Whidbey{
    0xA8C0C0, With2003Hot(Body(0xF5F9FA, 0xA8C0C0, clNone, clNone, clNone, clBlack, clBlack, clBlack), clBlack),
    With2003Hot(Body(0xEBEEEF, 0x7E9898, clNone, clNone, clNone, clBlack, K, K), clBlack)};

void SetLook(statusbar::TVistaBackground& Look, const TPanelLookScheme& S) {
  using V = statusbar::TVistaBackgroundValues;
  const std::pair<TColor V::*, TColor> fields[] = {
      {&V::Color, S.Color},
      {&V::ColorTo, S.ColorTo},
      {&V::ColorMirror, S.ColorMirror},
      {&V::ColorMirrorTo, S.ColorMirrorTo},
      {&V::BorderColor, S.BorderColor},
      {&V::TextColor, S.TextColor},
      {&V::TextColorHot, S.TextColorHot},
      {&V::TextColorDown, S.TextColorDown},
      {&V::ColorHot, S.ColorHot},
      {&V::ColorHotTo, S.ColorHotTo},
      {&V::ColorMirrorHot, S.ColorMirrorHot},
      {&V::ColorMirrorHotTo, S.ColorMirrorHotTo},
      {&V::BorderColorHot, S.BorderColorHot},
      {&V::ColorDown, S.ColorDown},
      {&V::ColorDownTo, S.ColorDownTo},
      {&V::ColorMirrorDown, S.ColorMirrorDown},
      {&V::ColorMirrorDownTo, S.ColorMirrorDownTo},
      {&V::BorderColorDown, S.BorderColorDown},
  };
  for (const auto& [field, value] : fields)
    if (value != kKeepColor) Look.Set(field, value);
}

}  // namespace

const TStatusBarScheme* StatusBarSchemeOf(TOfficeStatusBarStyle Style) {
  switch (Style) {
    case psOffice2003Blue: return &Blue;
    case psOffice2003Silver: return &Silver;
    case psOffice2003Olive: return &Olive;
    case psOffice2003Classic: return &Classic;
    case psOffice2007Luna: return &Luna;
    case psOffice2007Obsidian: return &Obsidian;
    case psWindowsXP: return &XP;
    case psWhidbey: return &Whidbey;
    case psCustom: return nullptr;
    case psOffice2007Silver: return &Silver2007;
  }
  return nullptr;
}

void ApplyStatusBarScheme(TCustomAdvOfficeStatusBarStyler& Styler, TOfficeStatusBarStyle Style) {
  if (const TStatusBarScheme* s = StatusBarSchemeOf(Style)) {
    Styler.SetBorderColor(s->BorderColor);
    SetLook(Styler.PanelAppearanceLight(), s->Light);
    SetLook(Styler.PanelAppearanceDark(), s->Dark);
  }
  Styler.NotifyControls();
}
