#include "ToolBarSchemes.h"

namespace {

using G = TStylerGlowSet;
using T = TCustomTabAppearanceValues;

// The hot, down and checked glow looks that every scheme but the XP ones
// shares.
constexpr G OfficeHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB, ggVertical, ggVertical};
constexpr G OfficeDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B, ggVertical, ggVertical};
constexpr G OfficeChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B, ggVertical, ggVertical};

constexpr TStylerGlowValues Glow(G Normal) { return {Normal, OfficeHot, OfficeDown, OfficeChecked, {}}; }

constexpr TVistaBackgroundValues Vista(TColor Border, TColor C, TColor CTo, TColor M, TColor MTo,
                                       TGDIPGradient Kind = ggVertical) {
  return {Border, C, CTo, M, MTo, Kind, Kind, 64};
}

// The fields of the pager's tabs and of a group's tabs that schemes assign.
constexpr TColor T::*TabColors[] = {
    &T::BorderColor,         &T::BorderColorDisabled,   &T::BorderColorHot,        &T::BorderColorSelected,
    &T::BorderColorSelectedHot, &T::TextColor,          &T::TextColorHot,          &T::TextColorSelected,
    &T::TextColorDisabled,   &T::ColorSelected,         &T::ColorSelectedTo,       &T::ColorMirrorSelected,
    &T::ColorMirrorSelectedTo, &T::ColorDisabled,       &T::ColorDisabledTo,       &T::ColorMirrorDisabled,
    &T::ColorMirrorDisabledTo, &T::ColorHot,            &T::ColorHotTo,            &T::ColorMirrorHot,
    &T::ColorMirrorHotTo};
constexpr TGDIPGradient T::*TabGradients[] = {&T::Gradient,          &T::GradientDisabled,
                                             &T::GradientHot,       &T::GradientMirrorDisabled,
                                             &T::GradientMirrorHot, &T::GradientMirrorSelected,
                                             &T::GradientSelected};
constexpr TColor T::*GroupTabColors[] = {
    &T::ColorHot,          &T::ColorHotTo,          &T::ColorMirrorHot,      &T::ColorMirrorHotTo,
    &T::ColorSelected,     &T::ColorSelectedTo,     &T::ColorMirrorSelected, &T::ColorMirrorSelectedTo,
    &T::TextColorSelected, &T::BorderColorSelected, &T::BorderColorSelectedHot, &T::BorderColorHot,
    &T::BorderColor,       &T::TextColor,           &T::TextColorHot};
constexpr TGDIPGradient T::*GroupTabGradients[] = {&T::Gradient, &T::GradientMirror};

// Tabs with the disabled looks every scheme gives them.
constexpr T Tabs(T Values) {
  Values.BorderColor = clNone;
  Values.BorderColorDisabled = clNone;
  Values.TextColorDisabled = clGray;
  Values.ColorDisabled = clWhite;
  Values.ColorDisabledTo = clSilver;
  Values.ColorMirrorDisabled = clWhite;
  Values.ColorMirrorDisabledTo = clSilver;
  Values.Gradient = Values.GradientDisabled = Values.GradientMirrorDisabled = ggVertical;
  Values.GradientMirrorSelected = Values.GradientSelected = ggVertical;
  return Values;
}

constexpr TToolBarScheme Luna{
    .Color = {0xEDD8C7, 0xF6E9D9, gdVertical, 64},
    .ColorHot = {0xFFF1E6, 0xFAEADE, gdVertical, 64},
    .DockColor = {0xEDD8C7, 0xFAF1E9, gdHorizontal, 128},
    .AssignsColorSteps = false,
    .BorderColor = 0xDFD2C5,
    .AssignsBorderColor = true,
    .BorderColorHot = 0xE0C7AD,
    .RightHandleColor = 0xDFD2C5,
    .RightHandleColorTo = 0xE0C7AD,
    .RightHandleColorHot = 0xD3F8FF,
    .RightHandleColorHotTo = 0x76C1FF,
    .RightHandleColorDown = 0x087FE8,
    .RightHandleColorDownTo = 0x7CDAF7,
    .AssignsRightHandleDown = true,
    .FloatingWindowBorderColor = 0xE3B28D,
    .FloatingWindowBorderWidth = 1,
    .DragGripStyle = dsNone,
    .Caption = {0xF2DAC2, 0xF0D9C1, 0xAA6A3E, clNone, 0xFFE0C8, 0xFFEDD6, 0xAA6A3E, clNone},
    .AssignsCaptionBorder = false,
    .Buttons = {},
    .AssignsButtons = false,
    .AssignsButtonBorders = false,
    .AssignsButtonCheckedBorder = false,
    .Glow = Glow({0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical}),
    .AssignsGlowCheckedBorder = true,
    .CompactLooks = TStylerGlowValues{{},
                                      {0xF7F7EF, 0xF7E7D6, 0xF7EAC3, 0xF7E7D6, 0xE7D6B5, ggVertical, ggVertical},
                                      {0xDEC6AD, 0xCEAD8C, 0xFFD6B5, 0xC69473, 0xB7A38E, ggVertical, ggVertical},
                                      {0xDEC6AD, 0xCEAD8C, 0xFFD6B5, 0xC69473, 0xB7A38E, ggVertical, ggVertical},
                                      {}},
    .HasCompactLooks = true,
    .Group = {0xC2C2C2, 0xF1DECC, 0xD8E2E1, 0xD8E2E1, 0xA5E1E9, ggVertical, ggVertical, 0x8B4215, true},
    .GroupCaption = {0xF2DAC2, 0xF0D9C1, 0xAA6A3E, clNone, 0xFFE0C8, 0xFFEDD6, 0xAA6A3E, clNone},
    .GroupPage = Vista(0xC2C2C2, 0xD6F2FE, 0xF9F9F9, 0xF9F9F9, 0xF9F9F9),
    .GroupTabs = {.BorderColor = 0xA0BFCC, .BorderColorHot = 0xA0BFCC, .BorderColorSelected = 0xA0BFCC,
                  .BorderColorSelectedHot = 0xA0BFCC, .ColorSelected = 0x9EDFFB, .ColorSelectedTo = 0xBAE8FC,
                  .ColorHot = 0xDDE5E4, .ColorHotTo = 0xFFDEC5, .ColorMirrorHot = 0xD5DFDD,
                  .ColorMirrorHotTo = 0xA3D3E1, .ColorMirrorSelected = 0xBAE8FC,
                  .ColorMirrorSelectedTo = 0xD4F1FD, .Gradient = ggRadial, .GradientMirror = ggRadial,
                  .TextColor = 0x8B4215, .TextColorHot = 0x8B4215, .TextColorSelected = 0x8B4215},
    .GroupToolBarBorders = {0xCCD1D3, 0xC7C7C7},
    .GroupToolBarColor = 0xECF8FD,
    .GroupToolBarColorTo = 0xF9F9F9,
    .GroupToolBarHot = 0xEEF4F5,
    .GroupToolBarHotTo = 0xFDFBFA,
    .Tabs = Tabs({.BorderColorHot = 0xEABC99, .BorderColorSelected = 0xE3B28D, .BorderColorSelectedHot = 0x60CCF9,
                  .ColorSelected = 0xFEF6F0, .ColorSelectedTo = 0xFAF1E9, .ColorHot = 0xDDE5E4,
                  .ColorHotTo = 0xFFDEC5, .ColorMirrorHot = 0xD5DFDD, .ColorMirrorHotTo = 0xA3D3E1,
                  .ColorMirrorSelected = 0xFAF1E9, .ColorMirrorSelectedTo = 0xF6EAE0, .GradientHot = ggRadial,
                  .GradientMirrorHot = ggVertical, .TextColor = 0x8B4215, .TextColorHot = 0x8B4215,
                  .TextColorSelected = 0x8B4215}),
    .TabBackGround = 0xFFDBBF,
    .TabBackGroundTo = clNone,
    .AssignsTabBackGroundDirection = false,
    .Page = Vista(0xE3B28D, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7),
    .PagerCaption = Vista(0xF0CAAE, 0xECE7E2, 0xEDE5DE, 0xECE1D8, 0xEFEBDF),
    .QAT = {0xB2A69F, 0xF8EADC, 0xF8EADC, 0xCDA17E, 0xEDCDB2, 0xEAC5AA, 64},
    .Rounded = true,
    .BevelKind = 0,
    .BevelVisible = false,
    .StyleCode = 4,
    .Dark = false,
};

constexpr TToolBarScheme Obsidian{
    .Color = {0xC5BBB4, 0xECECE5, gdVertical, 64},
    .ColorHot = {0xF2F0EE, 0xF8F8F6, gdVertical, 64},
    .DockColor = {0xCFC6C1, 0xC5BBB4, gdHorizontal, 128},
    .AssignsColorSteps = false,
    .BorderColor = 0xB4B0AE,
    .AssignsBorderColor = true,
    .BorderColorHot = 0xB4B0AE,
    .RightHandleColor = 0xCAC7C6,
    .RightHandleColorTo = 0xB4B0AE,
    .RightHandleColorHot = 0xD3F8FF,
    .RightHandleColorHotTo = 0x76C1FF,
    .RightHandleColorDown = 0x087FE8,
    .RightHandleColorDownTo = 0x7CDAF7,
    .AssignsRightHandleDown = true,
    .FloatingWindowBorderColor = 0xB4B0AE,
    .FloatingWindowBorderWidth = 1,
    .DragGripStyle = dsNone,
    .Caption = {0xB8B8B6, 0xA0A09E, clWhite, clNone, 0xAAAAA9, 0x6E6E6D, clWhite, clNone},
    .AssignsCaptionBorder = false,
    .Buttons = {},
    .AssignsButtons = false,
    .AssignsButtonBorders = false,
    .AssignsButtonCheckedBorder = false,
    .Glow = Glow({0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2, ggVertical, ggVertical}),
    .AssignsGlowCheckedBorder = true,
    .CompactLooks = {},
    .HasCompactLooks = false,
    .Group = {0x877B73, 0x43575F, 0x373E40, 0x43575F, 0x18AEED, ggRadial, ggRadial, clWhite, true},
    .GroupCaption = {0xB8B8B6, 0xA0A09E, clWhite, clNone, 0xAAAAA9, 0x6E6E6D, clWhite, clNone},
    .GroupPage = Vista(0xC2C2C2, 0xECF8FD, 0xF9F9F9, 0xF9F9F9, 0xF9F9F9),
    .GroupTabs = {.BorderColor = 0xA0BFCC, .BorderColorHot = 0x969C9E, .BorderColorSelected = 0xA0BFCC,
                  .BorderColorSelectedHot = 0xA0BFCC, .ColorSelected = 0x9EDFFB, .ColorSelectedTo = 0xBAE8FC,
                  .ColorHot = 0x5B7078, .ColorHotTo = 0x959697, .ColorMirrorHot = 0x43575F,
                  .ColorMirrorHotTo = 0x18AEED, .ColorMirrorSelected = 0xBAE8FC,
                  .ColorMirrorSelectedTo = 0xD4F1FD, .Gradient = ggRadial, .GradientMirror = ggRadial,
                  .TextColor = clWhite, .TextColorHot = clWhite, .TextColorSelected = 0x8B4215},
    .GroupToolBarBorders = {0xCCD1D3, 0xC7C7C7},
    .GroupToolBarColor = 0xECF8FD,
    .GroupToolBarColorTo = 0xF9F9F9,
    .GroupToolBarHot = 0xEEF4F5,
    .GroupToolBarHotTo = 0xFDFBFA,
    .Tabs = Tabs({.BorderColorHot = 0x969C9E, .BorderColorSelected = 0xE3B28D, .BorderColorSelectedHot = 0x60CCF9,
                  .ColorSelected = 0xEFEEED, .ColorSelectedTo = 0xEFEEED, .ColorHot = 0x5B7078,
                  .ColorHotTo = 0x959697, .ColorMirrorHot = 0x43575F, .ColorMirrorHotTo = 0x18AEED,
                  .ColorMirrorSelected = 0xD2D2CE, .ColorMirrorSelectedTo = 0xD2D2CE, .GradientHot = ggRadial,
                  .GradientMirrorHot = ggRadial, .TextColor = clWhite, .TextColorHot = clWhite,
                  .TextColorSelected = clBlack}),
    .TabBackGround = 0x535353,
    .TabBackGroundTo = 0x3A3A3A,
    .AssignsTabBackGroundDirection = true,
    .Page = Vista(0xB4B0AE, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5),
    .PagerCaption = Vista(clBlack, 0x524743, 0x4A403C, 0x30302F, 0x3E3E3E),
    .QAT = {0xB2A69F, 0xC5BBB4, 0xECECE5, 0xCECCCB, 0x8F8D8A, 0x8F8D8A, 64},
    .Rounded = true,
    .BevelKind = 0,
    .BevelVisible = false,
    .StyleCode = 5,
    .Dark = true,
};

// The telling values of a 2003, XP or Whidbey scheme.
struct TClassicLook {
  TColor Color, ColorTo, Dock, DockTo, BorderHot, Caption, CaptionText;
  G GlowNormal;
  TColor Group, GroupText, TabBg, TabBgTo, TabSelected, TabText, Page, PageTo, Pager, PagerBorder;
  int StyleCode;
};

constexpr TButtonAppearanceValues Buttons(TColor Color, TColor ColorTo) {
  return {.Color = Color, .ColorTo = ColorTo, .ColorChecked = 0x8CD5FF, .ColorCheckedTo = 0x58AFFF,
          .ColorDown = 0x4E91FE, .ColorDownTo = 0x91D3FF, .ColorHot = 0xCCF4FF, .ColorHotTo = 0x91D0FF,
          .BorderDownColor = clNavy, .BorderHotColor = clNavy, .BorderCheckedColor = clNavy};
}

// The 2003, XP and Whidbey schemes: the Luna set of properties with their
// own telling colours, dotted grips, 2-pixel floating borders, caption
// borders, button colours and 64 background steps; the styler's border
// and the glow's checked border stay. Their group looks are Luna's.
constexpr TToolBarScheme Classic(const TClassicLook& L) {
  TToolBarScheme s = Luna;
  s.Color = {L.Color, L.ColorTo, gdVertical, 64};
  s.ColorHot = {L.Color, L.Color, gdVertical, 64};
  s.DockColor = {L.Dock, L.DockTo, gdHorizontal, 128};
  s.AssignsColorSteps = true;
  s.AssignsBorderColor = false;
  s.BorderColorHot = L.BorderHot;
  s.RightHandleColor = L.ColorTo;
  s.RightHandleColorTo = L.ColorTo;
  s.FloatingWindowBorderColor = L.ColorTo;
  s.FloatingWindowBorderWidth = 2;
  s.DragGripStyle = dsDots;
  s.Caption = {L.Caption, clNone, L.CaptionText, L.Caption, L.Caption, clNone, L.CaptionText, clNone};
  s.AssignsCaptionBorder = true;
  s.Buttons = Buttons(L.Color, L.ColorTo);
  s.AssignsButtons = true;
  s.AssignsButtonBorders = true;
  s.AssignsButtonCheckedBorder = true;
  s.Glow = Glow(L.GlowNormal);
  s.AssignsGlowCheckedBorder = false;
  s.HasCompactLooks = false;
  s.Group.Color = L.Group;
  s.Group.TextColor = L.GroupText;
  s.TabBackGround = L.TabBg;
  s.TabBackGroundTo = L.TabBgTo;
  s.Tabs.ColorSelected = L.TabSelected;
  s.Tabs.TextColor = s.Tabs.TextColorHot = s.Tabs.TextColorSelected = L.TabText;
  s.Page = Vista(L.PagerBorder, L.Page, L.PageTo, L.PageTo, L.Page);
  s.PagerCaption = Vista(L.PagerBorder, L.Pager, L.Pager, L.Pager, L.Pager);
  s.QAT = {L.PagerBorder, L.Color, L.ColorTo, L.PagerBorder, L.Dock, L.DockTo, 64};
  s.StyleCode = L.StyleCode;
  return s;
}

constexpr TToolBarScheme Blue = Classic({0xFDEADA, 0xE4AE88, 0xF5BFA0, 0xFADAC4, 0xE0C7AD, clHighlight, clWhite,
                                         {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B, ggVertical, ggVertical},
                                         0xFDEADA, clBlack, 0xE4AE88, 0xFADAC4, 0xFEF6F0, clBlack, 0xFDEADA,
                                         0xFADAC4, 0xE4AE88, 0xF0CAAE, 0});

constexpr TToolBarScheme WithoutDownHandles(TToolBarScheme s) {
  s.AssignsRightHandleDown = false;
  return s;
}

constexpr TToolBarScheme Silver2003 = WithoutDownHandles(
    Classic({0xECE2E1, 0xB39698, 0xE6D8D8, 0xF7F3F3, 0xF7F3F3, clHighlight, clWhite,
             {0xEDD4C0, 0xE6D8D8, 0xEDD4C0, 0xC8B2B3, 0x927476, ggVertical, ggVertical}, 0xC8B2B3, clWhite,
             0xE6D8D8, 0xE6D8D8, 0x927476, clBlack, 0xF7F3F3, 0xE6D8D8, 0xE6D8D8, 0xE6D8D8, 1}));

constexpr TToolBarScheme Olive = WithoutDownHandles(
    Classic({0xCFF0EA, 0x8CC0B1, 0xAADADA, 0xE4F1F2, 0x8CC0B1, clHighlight, clWhite,
             {0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1, ggVertical, ggVertical}, 0xCFF0EA, clBlack,
             0x8CC0B1, 0xCFF0EA, 0x8CC0B1, clBlack, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 2}));

constexpr TToolBarScheme WithoutCheckedButtonBorder(TToolBarScheme s) {
  s.AssignsButtonCheckedBorder = false;
  return s;
}

constexpr TToolBarScheme Classic2003 = WithoutCheckedButtonBorder(
    Classic({clWhite, 0xC9D1D5, 0xD2BDB6, 0xD2BDB6, 0xD8D5D4, clGray, clWhite,
             {clWhite, 0xC9D1D5, clWhite, 0xC9D1D5, clBlack, ggVertical, ggVertical}, 0xB59285, clWhite,
             0xC9D1D5, clWhite, 0xC9D1D5, clBlack, clWhite, 0xC9D1D5, clGray, 0xF0CAAE, NoStyleCode}));

constexpr TToolBarScheme Whidbey = WithoutCheckedButtonBorder(
    Classic({0xF5F9FA, 0xA8C0C0, 0xD7E5E5, 0xE7F2F3, 0xE0C7AD, 0x99A8AC, clWhite,
             {clWhite, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC, ggVertical, ggVertical}, clWhite, clBlack,
             0x859D9D, 0xADC4C4, 0xADC4C4, clWhite, clWhite, 0xD9E9EC, 0x859D9D, 0xF0CAAE, 7}));

// Windows XP and Office XP: system colours (clBtnFace backgrounds,
// clHighlight borders, clNone gradient ends) and three tints; square,
// bevelled outlines and single-line grips.
constexpr TColor XPHot = 0xEFD3C6, XPDown = 0xB59284, XPChecked = 0xB9D8DC;
constexpr TToolBarScheme XP = [] {
  TToolBarScheme s = Classic({clBtnFace, clBtnFace, clBtnFace, clBtnFace, clHighlight, clHighlight, clWhite,
                              {clWhite, XPChecked, XPChecked, XPChecked, XPChecked, ggVertical, ggVertical},
                              XPHot, clBlack, clBtnFace, clBtnFace, clWhite, clBlack, clBtnFace, clBtnFace,
                              clBtnFace, clBlack, 6});
  s.ColorHot = {XPHot, clNone, gdVertical, 64};
  s.Buttons = TButtonAppearanceValues{.Color = clBtnFace, .ColorChecked = XPChecked, .ColorDown = XPDown,
                                      .ColorHot = XPHot};
  s.AssignsButtonBorders = false;
  s.AssignsButtonCheckedBorder = false;
  s.Glow.Hot = {XPHot, clNone, XPHot, clNone, clHighlight, ggVertical, ggVertical};
  s.Glow.Down = {XPDown, clNone, XPDown, clNone, clHighlight, ggVertical, ggVertical};
  s.Glow.Checked = {XPChecked, clNone, XPChecked, clNone, clHighlight, ggVertical, ggVertical};
  s.AssignsGlowCheckedBorder = true;
  s.DragGripStyle = dsSingleLine;
  s.Rounded = false;
  s.BevelKind = 2;
  s.BevelVisible = true;
  return s;
}();

// Office 2007 silver: Luna's set of properties with grey colours, and
// the caption border assigned.
constexpr TToolBarScheme Silver2007 = [] {
  TToolBarScheme s = Luna;
  s.Color = {0xE7DCD5, 0xF4F4EE, gdVertical, 64};
  s.ColorHot = {0xF4F4EE, 0xF7F3F3, gdVertical, 64};
  s.DockColor = {0xE5D7D7, 0xF7F3F3, gdHorizontal, 128};
  s.BorderColor = 0xCAC7C6;
  s.BorderColorHot = 0x91908F;
  s.RightHandleColor = 0xCAC7C6;
  s.RightHandleColorTo = 0x91908F;
  s.FloatingWindowBorderColor = 0x91908F;
  s.Caption = {0xEFE3DF, 0xE7DCD5, 0x595453, 0xCAC7C6, 0xFFE0C8, 0xFFEDD6, 0x595453, clNone};
  s.AssignsCaptionBorder = true;
  s.Glow.Normal = {0xF3F3F1, 0xF2F2F0, 0xF8F7F6, 0xEEEAE7, 0xCAC7C6, ggVertical, ggVertical};
  s.Group.Color = 0xD1CDCA;
  s.Group.TextColor = 0x5C534C;
  s.GroupTabs.TextColor = s.GroupTabs.TextColorHot = 0x5C534C;
  s.TabBackGround = 0xDDD4D0;
  s.TabBackGroundTo = clNone;
  s.Tabs.ColorSelected = 0xF6F6F6;
  s.Tabs.TextColor = s.Tabs.TextColorHot = s.Tabs.TextColorSelected = 0x5C534C;
  s.Page = Vista(0xCAC7C6, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF6F1EE);
  s.PagerCaption = Vista(0x989898, 0xEBE8E7, 0xEBE8E7, 0xE7E3E2, 0xEBE8E7);
  s.QAT = {0xCAC7C6, 0xF6F1EE, 0xE7DCD5, 0xCAC7C6, 0xE7DCD5, 0xDDD4D0, 64};
  s.StyleCode = 9;
  return s;
}();

template <class H>
void SetVista(H& Holder, const TVistaBackgroundValues& B) {
  using HV = typename H::Values_t;
  Holder.Set(&HV::BorderColor, B.BorderColor);
  Holder.Set(&HV::Color, B.Color);
  Holder.Set(&HV::ColorTo, B.ColorTo);
  Holder.Set(&HV::ColorMirror, B.ColorMirror);
  Holder.Set(&HV::ColorMirrorTo, B.ColorMirrorTo);
  Holder.Set(&HV::Gradient, B.Gradient);
  Holder.Set(&HV::GradientMirror, B.GradientMirror);
}

void SetCaption(TCaptionAppearance& Caption, const TCaptionAppearanceValues& V, bool Border) {
  using C = TCaptionAppearanceValues;
  Caption.Set(&C::CaptionColor, V.CaptionColor);
  Caption.Set(&C::CaptionColorTo, V.CaptionColorTo);
  if (Border) Caption.Set(&C::CaptionBorderColor, V.CaptionBorderColor);
  Caption.Set(&C::CaptionColorHot, V.CaptionColorHot);
  Caption.Set(&C::CaptionColorHotTo, V.CaptionColorHotTo);
  Caption.Set(&C::CaptionTextColor, V.CaptionTextColor);
  Caption.Set(&C::CaptionTextColorHot, V.CaptionTextColorHot);
}

template <size_t NC, size_t NG>
void SetTabs(TCustomTabAppearance& Tabs, const T& V, TColor T::*const (&Colors)[NC],
             TGDIPGradient T::*const (&Gradients)[NG]) {
  for (auto field : Colors) Tabs.Set(field, V.*field);
  for (auto field : Gradients) Tabs.Set(field, V.*field);
}

void SetGradient(TGradientBackground& Holder, TColor Color, TColor ColorTo) {
  Holder.Set(&TGradientBackgroundValues::Color, Color);
  Holder.Set(&TGradientBackgroundValues::ColorTo, ColorTo);
}

void SetButtons(TButtonAppearance& Buttons, const TToolBarScheme& S) {
  using B = TButtonAppearanceValues;
  static constexpr TColor B::*colors[] = {&B::Color,
                                         &B::ColorTo,
                                         &B::ColorChecked,
                                         &B::ColorCheckedTo,
                                         &B::ColorDown,
                                         &B::ColorDownTo,
                                         &B::ColorHot,
                                         &B::ColorHotTo,
                                         &B::CaptionTextColor,
                                         &B::CaptionTextColorHot,
                                         &B::CaptionTextColorDown,
                                         &B::CaptionTextColorChecked,
                                         &B::BorderColor};
  static constexpr TGradientDirection B::*directions[] = {&B::GradientDirection, &B::GradientDirectionHot,
                                                         &B::GradientDirectionDown,
                                                         &B::GradientDirectionChecked};
  const B& v = S.Buttons;
  for (auto field : colors) Buttons.Set(field, v.*field);
  for (auto field : directions) Buttons.Set(field, v.*field);
  if (S.AssignsButtonBorders) {
    Buttons.Set(&B::BorderDownColor, v.BorderDownColor);
    Buttons.Set(&B::BorderHotColor, v.BorderHotColor);
  }
  if (S.AssignsButtonCheckedBorder) Buttons.Set(&B::BorderCheckedColor, v.BorderCheckedColor);
}

}  // namespace

const TToolBarScheme* SchemeOf(TToolBarStyle Style) {
  switch (Style) {
    case bsOffice2003Blue: return &Blue;
    case bsOffice2003Silver: return &Silver2003;
    case bsOffice2003Olive: return &Olive;
    case bsOffice2003Classic: return &Classic2003;
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
  const TToolBarScheme* s = SchemeOf(Style);
  if (s) {
    using V = TToolBarStylerValues;
    using GB = TGradientBackgroundValues;
    SetGradient(Styler.Color(), s->Color.Color, s->Color.ColorTo);
    Styler.Color().Set(&GB::Direction, s->Color.Direction);
    if (s->AssignsColorSteps) Styler.Color().Set(&GB::Steps, s->Color.Steps);
    SetGradient(Styler.ColorHot(), s->ColorHot.Color, s->ColorHot.ColorTo);
    Styler.ColorHot().Set(&GB::Direction, s->ColorHot.Direction);
    SetGradient(Styler.DockColor(), s->DockColor.Color, s->DockColor.ColorTo);
    Styler.DockColor().Set(&GB::Direction, s->DockColor.Direction);
    Styler.DockColor().Set(&GB::Steps, s->DockColor.Steps);

    if (s->AssignsBorderColor) Styler.SetValue(&V::BorderColor, s->BorderColor);
    Styler.SetValue(&V::BorderColorHot, s->BorderColorHot);
    Styler.SetValue(&V::RightHandleColor, s->RightHandleColor);
    Styler.SetValue(&V::RightHandleColorTo, s->RightHandleColorTo);
    Styler.SetValue(&V::RightHandleColorHot, s->RightHandleColorHot);
    Styler.SetValue(&V::RightHandleColorHotTo, s->RightHandleColorHotTo);
    if (s->AssignsRightHandleDown) {
      Styler.SetValue(&V::RightHandleColorDown, s->RightHandleColorDown);
      Styler.SetValue(&V::RightHandleColorDownTo, s->RightHandleColorDownTo);
    }
    Styler.SetValue(&V::FloatingWindowBorderColor, s->FloatingWindowBorderColor);
    Styler.SetValue(&V::FloatingWindowBorderWidth, s->FloatingWindowBorderWidth);
    Styler.SetValue(&V::DragGripStyle, s->DragGripStyle);
    Styler.SetValue(&V::RoundedOutline, s->Rounded);
    Styler.SetValue(&V::BevelKind, s->BevelKind);
    Styler.SetValue(&V::BevelVisible, s->BevelVisible);

    SetCaption(Styler.CaptionAppearance(), s->Caption, s->AssignsCaptionBorder);
    if (s->AssignsButtons) SetButtons(Styler.ButtonAppearance(), *s);

    // The glow looks are written without notices; the disabled look, and
    // the checked border where the scheme leaves it, stay. The compact set
    // is a copy, with the scheme's own hot, down and checked looks.
    TStylerGlowValues glow = s->Glow;
    const TStylerGlowValues& current = Styler.GlowButtonAppearance().Values();
    glow.Disabled = current.Disabled;
    if (!s->AssignsGlowCheckedBorder) glow.Checked.BorderColor = current.Checked.BorderColor;
    Styler.GlowButtonAppearance().SetSilently(glow);
    if (s->HasCompactLooks) {
      glow.Hot = s->CompactLooks.Hot;
      glow.Down = s->CompactLooks.Down;
      glow.Checked = s->CompactLooks.Checked;
    }
    Styler.CompactGlowButtonAppearance().SetSilently(glow);

    using GA = TGroupAppearanceValues;
    TGroupAppearance& group = Styler.GroupAppearance();
    group.Set(&GA::TextColor, s->Group.TextColor);
    group.Set(&GA::Color, s->Group.Color);
    group.Set(&GA::ColorTo, s->Group.ColorTo);
    group.Set(&GA::ColorMirror, s->Group.ColorMirror);
    group.Set(&GA::ColorMirrorTo, s->Group.ColorMirrorTo);
    group.Set(&GA::Gradient, s->Group.Gradient);
    group.Set(&GA::GradientMirror, s->Group.GradientMirror);
    group.Set(&GA::BorderColor, s->Group.BorderColor);
    SetTabs(group.TabAppearance(), s->GroupTabs, GroupTabColors, GroupTabGradients);
    SetVista(group.PageAppearance(), s->GroupPage);
    SetGradient(group.ToolBarAppearance().Color(), s->GroupToolBarColor, s->GroupToolBarColorTo);
    group.ToolBarAppearance().Set(&TToolBarAppearanceValues::BorderColor, s->GroupToolBarBorders.BorderColor);
    SetGradient(group.ToolBarAppearance().ColorHot(), s->GroupToolBarHot, s->GroupToolBarHotTo);
    group.ToolBarAppearance().Set(&TToolBarAppearanceValues::BorderColorHot,
                                  s->GroupToolBarBorders.BorderColorHot);
    SetCaption(group.CaptionAppearance(), s->GroupCaption, false);

    TTabAppearance& tabs = Styler.TabAppearance();
    SetGradient(tabs.BackGround(), s->TabBackGround, s->TabBackGroundTo);
    if (s->AssignsTabBackGroundDirection) tabs.BackGround().Set(&GB::Direction, gdVertical);
    SetTabs(tabs, s->Tabs, TabColors, TabGradients);

    SetVista(Styler.PageAppearance(), s->Page);
    SetVista(Styler.PagerCaption(), s->PagerCaption);

    using Q = TQATAppearanceValues;
    TQATAppearance& qat = Styler.QATAppearance();
    qat.Set(&Q::Color, s->QAT.Color);
    qat.Set(&Q::ColorTo, s->QAT.ColorTo);
    qat.Set(&Q::BorderColor, s->QAT.BorderColor);
    qat.Set(&Q::FullSizeColor, s->QAT.FullSizeColor);
    qat.Set(&Q::FullSizeColorTo, s->QAT.FullSizeColorTo);
    qat.Set(&Q::FullSizeBorderColor, s->QAT.FullSizeBorderColor);
    Styler.SetSchemeCodes(s->StyleCode, s->Dark);
  }
  Styler.NotifyControls(tcColors);
}
