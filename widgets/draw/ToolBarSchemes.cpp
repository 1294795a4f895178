#include "ToolBarSchemes.h"

#include <cassert>

namespace {

using G = TStylerGlowSet;

// The hot, down and checked glow looks that every scheme but the XP ones
// shares.
constexpr G OfficeHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB, ggVertical, ggVertical};
constexpr G OfficeDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B, ggVertical, ggVertical};
constexpr G OfficeChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B, ggVertical, ggVertical};

constexpr TStylerGlowValues Glow(G Normal) { return {Normal, OfficeHot, OfficeDown, OfficeChecked, {}}; }

constexpr TVistaBackgroundValues Vista(TColor Border, TColor C, TColor CTo, TColor M, TColor MTo) {
  return {Border, C, CTo, M, MTo, ggVertical, ggVertical, 64};
}

constexpr TToolBarScheme Luna{
    {0xEDD8C7, 0xF6E9D9, gdVertical, 64},
    {0xFFF1E6, 0xFAEADE, gdVertical, 64},
    {0xEDD8C7, 0xFAF1E9, gdHorizontal, 128},
    0xDFD2C5, 0xE0C7AD,
    0xDFD2C5, 0xE0C7AD, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7,
    0xE3B28D, 1, dsNone,
    {0xF2DAC2, 0xF0D9C1, 0xAA6A3E, clNone, 0xFFE0C8, 0xFFEDD6, 0xAA6A3E, clNone}, false,
    Glow({0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical}),
    TStylerGlowValues{{},
                      {0xF7F7EF, 0xF7E7D6, 0xF7EAC3, 0xF7E7D6, 0xE7D6B5, ggVertical, ggVertical},
                      {0xDEC6AD, 0xCEAD8C, 0xFFD6B5, 0xC69473, 0xB7A38E, ggVertical, ggVertical},
                      {0xDEC6AD, 0xCEAD8C, 0xFFD6B5, 0xC69473, 0xB7A38E, ggVertical, ggVertical},
                      {}},
    0xF1DECC, 0x8B4215,
    0xFFDBBF, clNone, 0xFEF6F0, 0x8B4215,
    Vista(0xE3B28D, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7),
    Vista(0xF0CAAE, 0xECE7E2, 0xEDE5DE, 0xECE1D8, 0xEFEBDF),
    {0xB2A69F, 0xF8EADC, 0xF8EADC, 0xCDA17E, 0xEDCDB2, 0xEAC5AA, 64},
    true, 0, false, 4, false};

constexpr TToolBarScheme Obsidian{
    {0xC5BBB4, 0xECECE5, gdVertical, 64},
    {0xF2F0EE, 0xF8F8F6, gdVertical, 64},
    {0xCFC6C1, 0xC5BBB4, gdHorizontal, 128},
    0xB4B0AE, 0xB4B0AE,
    0xCAC7C6, 0xB4B0AE, 0xD3F8FF, 0x76C1FF, 0x087FE8, 0x7CDAF7,
    0xB4B0AE, 1, dsNone,
    {0xB8B8B6, 0xA0A09E, clWhite, clNone, 0xAAAAA9, 0x6E6E6D, clWhite, clNone}, false,
    Glow({0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2, ggVertical, ggVertical}),
    std::nullopt,
    0x43575F, clWhite,
    0x535353, 0x3A3A3A, 0xEFEEED, clWhite,
    Vista(0xB4B0AE, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5),
    Vista(clBlack, 0x524743, 0x4A403C, 0x30302F, 0x3E3E3E),
    {0xB2A69F, 0xC5BBB4, 0xECECE5, 0xCECCCB, 0x8F8D8A, 0x8F8D8A, 64},
    true, 0, false, 5, true};

// The 2003 and Whidbey schemes: grips of dots, 2-pixel floating borders,
// caption borders assigned, the styler's border left alone.
constexpr TToolBarScheme Classic2003(TColor C, TColor CTo, TColor Dock, TColor DockTo, TColor BorderHot,
                                     TColor Caption, G GlowNormal, TColor Group, TColor GroupText,
                                     TColor TabBg, TColor TabBgTo, TColor TabSel, TColor TabText,
                                     TColor PageC, TColor PageCTo, TColor Pager, TColor PagerBorder,
                                     int Code) {
  return {{C, CTo, gdVertical, 64},
          {0xD2BDB6, 0xD2BDB6, gdVertical, 64},
          {Dock, DockTo, gdHorizontal, 128},
          std::nullopt, BorderHot,
          0x9E9E9E, clBlack, 0xD2BDB6, clBlack, 0x76C1FF, 0x2DA0FF,
          0x6D6D6D, 2, dsDots,
          {Caption, clNone, clWhite, Caption, clNone, clNone, clWhite, clNone}, true,
          Glow(GlowNormal), std::nullopt,
          Group, GroupText,
          TabBg, TabBgTo, TabSel, TabText,
          Vista(PagerBorder, PageC, PageCTo, PageCTo, PageC),
          Vista(PagerBorder, Pager, Pager, Pager, Pager),
          {clGray, C, CTo, clGray, C, CTo, 64},
          true, 0, false, Code, false};
}

constexpr TToolBarScheme Blue = Classic2003(
    0xFDEADA, 0xE4AE88, 0xF5BFA0, 0xFADAC4, 0xE0C7AD, clHighlight,
    {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical}, 0xFDEADA, clBlack,
    0xE4AE88, 0xFADAC4, 0xFEF6F0, clBlack, 0xFDEADA, 0xFADAC4, 0xE4AE88, 0xF0CAAE, 0);
const TToolBarScheme Silver2003 = [] {
  TToolBarScheme s = Classic2003(
      0xECE2E1, 0xB39698, 0xE6D8D8, 0xF7F3F3, 0xF7F3F3, clHighlight,
      {0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476, ggVertical, ggVertical}, 0xC8B2B3, clWhite,
      0xE6D8D8, 0xE6D8D8, 0x927476, clBlack, 0xF7F3F3, 0xE6D8D8, 0xE6D8D8, 0xE6D8D8, 1);
  s.RightHandleColorDown = s.RightHandleColorDownTo = std::nullopt;
  return s;
}();
const TToolBarScheme Olive = [] {
  TToolBarScheme s = Classic2003(
      0xCFF0EA, 0x8CC0B1, 0xAADADA, 0xE4F1F2, 0x8CC0B1, clHighlight,
      {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1, ggVertical, ggVertical}, 0xCFF0EA, clBlack,
      0x8CC0B1, 0xCFF0EA, 0x8CC0B1, clBlack, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 2);
  s.RightHandleColorDown = s.RightHandleColorDownTo = std::nullopt;
  return s;
}();
constexpr TToolBarScheme Classic = Classic2003(
    clWhite, 0xC9D1D5, 0xD2BDB6, 0xD2BDB6, 0xD8D5D4, clGray,
    {clWhite, 0xC9D1D5, clWhite, 0xC9D1D5, clBlack, ggVertical, ggVertical}, 0xB59285, clWhite,
    0xC9D1D5, clWhite, 0xC9D1D5, clBlack, clWhite, 0xC9D1D5, clGray, 0xF0CAAE, NoStyleCode);
constexpr TToolBarScheme Whidbey = Classic2003(
    0xF5F9FA, 0xA8C0C0, 0xD7E5E5, 0xE7F2F3, 0xE0C7AD, 0x99A8AC,
    {clWhite, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC, ggVertical, ggVertical}, clWhite, clBlack,
    0x859D9D, 0xADC4C4, 0xADC4C4, clWhite, clWhite, 0xD9E9EC, 0x859D9D, 0xF0CAAE, 7);

// Windows XP and Office XP: system colours, three tints, square bevelled
// outlines.
constexpr TToolBarScheme XP = [] {
  constexpr TColor hot = 0xEFD3C6, down = 0xB59284, checked = 0xB9D8DC;
  TToolBarScheme s = Classic2003(
      clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight, clHighlight,
      {clWhite, checked, checked, checked, checked, ggVertical, ggVertical}, hot, clBlack,
      clBtnFace, clBtnFace, clWhite, clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, 6);
  s.Glow.Hot = {hot, clNone, hot, clNone, clHighlight, ggVertical, ggVertical};
  s.Glow.Down = {down, clNone, down, clNone, clHighlight, ggVertical, ggVertical};
  s.Glow.Checked = {checked, clNone, checked, clNone, clHighlight, ggVertical, ggVertical};
  s.DragGripStyle = dsSingleLine;
  s.Rounded = false;
  s.BevelKind = 2;
  s.BevelVisible = true;
  return s;
}();

constexpr TToolBarScheme Silver2007 = [] {
  TToolBarScheme s = Luna;
  s.Color = {0xE7DCD5, 0xF4F4EE, gdVertical, 64};
  s.DockColor = {0xE5D7D7, 0xF7F3F3, gdHorizontal, 128};
  s.BorderColor = 0xCAC7C6;
  s.BorderColorHot = 0x91908F;
  s.Caption = {0xEFE3DF, 0xE7DCD5, 0x595453, 0xCAC7C6, 0xFFE0C8, 0xFFEDD6, 0x595453, clNone};
  s.AssignsCaptionBorder = true;
  s.Glow.Normal = {0xF3F3F1, 0xF2F2F0, 0xF8F7F6, 0xEEEAE7, 0xCAC7C6, ggVertical, ggVertical};
  s.GroupColor = 0xD1CDCA;
  s.GroupTextColor = 0x5C534C;
  s.TabBackGround = 0xDDD4D0;
  s.TabBackGroundTo = clNone;
  s.TabColorSelected = 0xF6F6F6;
  s.TabTextColor = 0x5C534C;
  s.Page = Vista(0xCAC7C6, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF6F1EE);
  s.PagerCaption = Vista(0x989898, 0xEBE8E7, 0xEBE8E7, 0xE7E3E2, 0xEBE8E7);
  s.StyleCode = 9;
  return s;
}();

template <class H, class F>
void Put(H& Holder, F H::Values_t::*Field, F Value) {
  Holder.Set(Field, Value);
}

}  // namespace

const TToolBarScheme* SchemeOf(TToolBarStyle Style) {
  switch (Style) {
    case bsOffice2003Blue: return &Blue;
    case bsOffice2003Silver: return &Silver2003;
    case bsOffice2003Olive: return &Olive;
    case bsOffice2003Classic: return &Classic;
    case bsOffice2007Luna: return &Luna;
    case bsOffice2007Obsidian: return &Obsidian;
    case bsWindowsXP:
    case bsOfficeXP: return &XP;
    case bsWhidbeyStyle: return &Whidbey;
    case bsOffice2007Silver: return &Silver2007;
    case bsCustom: return nullptr;
  }
  return nullptr;
}

void ApplyScheme(TCustomAdvToolBarStyler& Styler, TToolBarStyle Style) {
  Styler.SetSchemeCodes(NoStyleCode, false);
  Styler.ApplySystemFonts();
  if (const TToolBarScheme* s = SchemeOf(Style)) {
    using V = TToolBarStylerValues;
    auto gradient = [](TGradientBackground& H, const TGradientBackgroundValues& G, bool Steps) {
      H.Set(&TGradientBackgroundValues::Color, G.Color);
      H.Set(&TGradientBackgroundValues::ColorTo, G.ColorTo);
      H.Set(&TGradientBackgroundValues::Direction, G.Direction);
      if (Steps) H.Set(&TGradientBackgroundValues::Steps, G.Steps);
    };
    gradient(Styler.Color(), s->Color, s->AssignsCaptionBorder && !s->BorderColor);
    gradient(Styler.ColorHot(), s->ColorHot, false);
    gradient(Styler.DockColor(), s->DockColor, true);
    if (s->BorderColor) Styler.SetValue(&V::BorderColor, *s->BorderColor);
    Styler.SetValue(&V::BorderColorHot, s->BorderColorHot);
    Styler.SetValue(&V::RightHandleColor, s->RightHandleColor);
    Styler.SetValue(&V::RightHandleColorTo, s->RightHandleColorTo);
    Styler.SetValue(&V::RightHandleColorHot, s->RightHandleColorHot);
    Styler.SetValue(&V::RightHandleColorHotTo, s->RightHandleColorHotTo);
    if (s->RightHandleColorDown) Styler.SetValue(&V::RightHandleColorDown, *s->RightHandleColorDown);
    if (s->RightHandleColorDownTo) Styler.SetValue(&V::RightHandleColorDownTo, *s->RightHandleColorDownTo);
    Styler.SetValue(&V::FloatingWindowBorderColor, s->FloatingWindowBorderColor);
    Styler.SetValue(&V::FloatingWindowBorderWidth, s->FloatingWindowBorderWidth);
    Styler.SetValue(&V::DragGripStyle, s->DragGripStyle);
    Styler.SetValue(&V::RoundedOutline, s->Rounded);
    Styler.SetValue(&V::BevelKind, s->BevelKind);
    Styler.SetValue(&V::BevelVisible, s->BevelVisible);

    using C = TCaptionAppearanceValues;
    TCaptionAppearance& caption = Styler.CaptionAppearance();
    Put(caption, &C::CaptionColor, s->Caption.CaptionColor);
    Put(caption, &C::CaptionColorTo, s->Caption.CaptionColorTo);
    Put(caption, &C::CaptionTextColor, s->Caption.CaptionTextColor);
    if (s->AssignsCaptionBorder) Put(caption, &C::CaptionBorderColor, s->Caption.CaptionBorderColor);
    Put(caption, &C::CaptionColorHot, s->Caption.CaptionColorHot);
    Put(caption, &C::CaptionColorHotTo, s->Caption.CaptionColorHotTo);
    Put(caption, &C::CaptionTextColorHot, s->Caption.CaptionTextColorHot);

    // The glow looks are written without notices; the disabled look stays.
    TStylerGlowValues glow = s->Glow;
    glow.Disabled = Styler.GlowButtonAppearance().Values().Disabled;
    Styler.GlowButtonAppearance().SetSilently(glow);
    if (s->CompactLooks) {
      glow.Hot = s->CompactLooks->Hot;
      glow.Down = s->CompactLooks->Down;
      glow.Checked = s->CompactLooks->Checked;
    }
    Styler.CompactGlowButtonAppearance().SetSilently(glow);

    using GA = TGroupAppearanceValues;
    Put(Styler.GroupAppearance(), &GA::Color, s->GroupColor);
    Put(Styler.GroupAppearance(), &GA::TextColor, s->GroupTextColor);

    using T = TCustomTabAppearanceValues;
    TTabAppearance& tabs = Styler.TabAppearance();
    tabs.BackGround().Set(&TGradientBackgroundValues::Color, s->TabBackGround);
    tabs.BackGround().Set(&TGradientBackgroundValues::ColorTo, s->TabBackGroundTo);
    if (s->Dark) tabs.BackGround().Set(&TGradientBackgroundValues::Direction, gdVertical);
    Put<TCustomTabAppearance>(tabs, &T::ColorSelected, s->TabColorSelected);
    Put<TCustomTabAppearance>(tabs, &T::TextColor, s->TabTextColor);
    Put<TCustomTabAppearance>(tabs, &T::TextColorHot, s->TabTextColor);
    Put<TCustomTabAppearance>(tabs, &T::BorderColor, clNone);
    Put<TCustomTabAppearance>(tabs, &T::BorderColorDisabled, clNone);
    Put<TCustomTabAppearance>(tabs, &T::TextColorDisabled, clGray);
    Put<TCustomTabAppearance>(tabs, &T::ColorDisabled, clWhite);
    Put<TCustomTabAppearance>(tabs, &T::ColorDisabledTo, clSilver);
    Put<TCustomTabAppearance>(tabs, &T::ColorMirrorDisabled, clWhite);
    Put<TCustomTabAppearance>(tabs, &T::ColorMirrorDisabledTo, clSilver);

    auto vista = [](auto& H, const TVistaBackgroundValues& B) {
      using HV = typename std::remove_reference_t<decltype(H)>::Values_t;
      H.Set(&HV::BorderColor, B.BorderColor);
      H.Set(&HV::Color, B.Color);
      H.Set(&HV::ColorTo, B.ColorTo);
      H.Set(&HV::ColorMirror, B.ColorMirror);
      H.Set(&HV::ColorMirrorTo, B.ColorMirrorTo);
      H.Set(&HV::Gradient, B.Gradient);
      H.Set(&HV::GradientMirror, B.GradientMirror);
    };
    vista(Styler.PageAppearance(), s->Page);
    vista(Styler.PagerCaption(), s->PagerCaption);

    using Q = TQATAppearanceValues;
    TQATAppearance& qat = Styler.QATAppearance();
    Put(qat, &Q::Color, s->QAT.Color);
    Put(qat, &Q::ColorTo, s->QAT.ColorTo);
    Put(qat, &Q::BorderColor, s->QAT.BorderColor);
    Put(qat, &Q::FullSizeColor, s->QAT.FullSizeColor);
    Put(qat, &Q::FullSizeColorTo, s->QAT.FullSizeColorTo);
    Put(qat, &Q::FullSizeBorderColor, s->QAT.FullSizeBorderColor);
    Styler.SetSchemeCodes(s->StyleCode, s->Dark);
  }
  Styler.NotifyControls(tcColors);
}
