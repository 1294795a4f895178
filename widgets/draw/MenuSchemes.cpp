#include "MenuSchemes.h"

namespace {

using MD = TMenuGradientDirection;

// A body with a mirror half and its border: the menu bar item under the
// mouse or opened, and the highlighted item.
struct TLook {
  TColor Color, ColorTo, Mirror, MirrorTo, Border;
};

constexpr TMenuRootItemValues Root(TColor Color, TColor ColorTo, MD Direction, TLook Hover, TLook Selected) {
  return {.Color = Color, .ColorTo = ColorTo, .GradientDirection = Direction,
          .SelectedColor = Selected.Color, .SelectedColorTo = Selected.ColorTo,
          .SelectedColorMirror = Selected.Mirror, .SelectedColorMirrorTo = Selected.MirrorTo,
          .SelectedBorderColor = Selected.Border,
          .HoverColor = Hover.Color, .HoverColorTo = Hover.ColorTo, .HoverColorMirror = Hover.Mirror,
          .HoverColorMirrorTo = Hover.MirrorTo, .HoverBorderColor = Hover.Border, .HoverTextColor = clWindowText};
}

// Every scheme gives the radio box the check box's colours.
constexpr TMenuSelectedItemValues Selected(TLook Body, TColor Check, TColor CheckBorder) {
  return {.Color = Body.Color, .ColorTo = Body.ColorTo, .ColorMirror = Body.Mirror, .ColorMirrorTo = Body.MirrorTo,
          .BorderColor = Body.Border, .CheckColor = Check, .CheckColorTo = clNone, .CheckBorder = CheckBorder,
          .RadioColor = Check, .RadioColorTo = clNone, .RadioBorder = CheckBorder};
}

constexpr TMenuIconBarValues IconBar(TColor Color, TColor ColorTo, TColor Check, TColor CheckBorder,
                                     TColor Separator = clBtnShadow) {
  return {.Color = Color, .ColorTo = ColorTo, .CheckColor = Check, .CheckColorTo = clNone,
          .CheckBorder = CheckBorder, .RadioColor = Check, .RadioColorTo = clNone, .RadioBorder = CheckBorder,
          .SeparatorColor = Separator};
}

constexpr TMenuButtonAppearanceValues Buttons(TColor Hover, TColor HoverTo, TColor HoverBorder, TColor Down,
                                              TColor DownTo, TColor DownBorder) {
  return {.DownColor = Down, .DownColorTo = DownTo, .HoverColor = Hover, .HoverColorTo = HoverTo,
          .DownBorderColor = DownBorder, .HoverBorderColor = HoverBorder};
}

// The looks the 2003 schemes share, and those the 2007 schemes share.
constexpr TLook Hover2003{0xCCF4FF, 0x9AD6FF, clNone, clNone, 0x6F4B4B};
constexpr TMenuButtonAppearanceValues Buttons2003 = Buttons(0xCCF4FF, 0x91D0FF, clNavy, 0x4E91FE, 0x91D3FF, clNavy);
constexpr TLook Hover2007{0xEBFDFF, 0xABEBFF, 0x69D6FF, 0x96E4FF, 0x99CEDB};
constexpr TLook Selected2007{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr TMenuSelectedItemValues SelectedItem2007 = Selected(Hover2007, 0x3E80FE, clNavy);
constexpr TMenuButtonAppearanceValues Buttons2007 = Buttons(0xE0DEDD, 0xF4F2F1, 0xB5AFA8, 0xCCCAC9, 0xEAE8E7, 0xB5AFA8);
constexpr TMenuSeparatorValues Separator2007{.Color = 0xC5C5C5, .ColorTo = clNone};

constexpr TMenuScheme Blue{
    .MenuBorderColor = 0x962D00,
    .Background = {.Color = 0xF6F6F6, .ColorTo = 0xF6F6F6},
    .RootItem = Root(0xF5BE9E, 0xF7CDB2, MD::gdHorizontal, Hover2003, {0xFFEFE3, 0xE7B593, clNone, clNone, 0x962D00}),
    .AssignsRootItemDirection = true,
    .SelectedItem = Selected({0xC2EEFF, clNone, clNone, clNone, clNavy}, 0x3E80FE, clNavy),
    .IconBar = IconBar(0xFFEFE3, 0xE4AD87, 0x6FC0FF, clNavy),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = false,
    .Separator = {.Color = 0xCB8C6A, .ColorTo = clNone},
    .Buttons = Buttons2003,
};

constexpr TMenuScheme Silver{
    .MenuBorderColor = 0x5E8D75,
    .Background = {.Color = 0xF6F6F6, .ColorTo = 0xF6F6F6},
    .RootItem = Root(0xE5D7D7, 0xF7F3F3, MD::gdHorizontal, Hover2003, {0xF1E9E8, 0xCDB9BA, clNone, clNone, 0x947C7C}),
    .AssignsRootItemDirection = true,
    // 0x080000, not navy: the scheme's own near-black border.
    .SelectedItem = Selected({0xC2EEFF, clNone, clNone, clNone, 0x080000}, 0x3E80FE, 0x6F4B4B),
    .IconBar = IconBar(0xFFF9F9, 0xB99D9F, 0x6FC0FF, 0x6F4B4B),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = false,
    .Separator = {.Color = 0x8F6D6E, .ColorTo = clNone},
    .Buttons = Buttons2003,
};

constexpr TMenuScheme Olive{
    .MenuBorderColor = 0x5E8D75,
    .Background = {.Color = 0xF6F6F6, .ColorTo = 0xF6F6F6},
    .RootItem = Root(0xA8D9D9, 0xE4F0F2, MD::gdHorizontal, Hover2003, {0xD5F0EC, 0x9FCEC2, clNone, clNone, 0x5E8D75}),
    .AssignsRootItemDirection = true,
    .SelectedItem = Selected({0xC2EEFF, clNone, clNone, clNone, 0x385D3F}, 0x3E80FE, 0x385D3F),
    .IconBar = IconBar(0xEDFFFF, 0x92C7B8, 0x6FC0FF, 0x385D3F),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = false,
    .Separator = {.Color = 0x588060, .ColorTo = clNone},
    .Buttons = Buttons2003,
};

constexpr TMenuScheme OfficeXP{
    .MenuBorderColor = clGray,
    .Background = {.Color = clWindow, .ColorTo = clWindow},
    .RootItem = Root(clBtnFace, clBtnFace, MD::gdVertical, {0xEFD3C6, clNone, clNone, clNone, 0xC66931},
                     {clBtnFace, clNone, clNone, clNone, 0x7A868A}),
    .AssignsRootItemDirection = false,
    .SelectedItem = Selected({0xEFD3C6, clNone, clNone, clNone, 0xC66931}, 0xEFD3C6, 0xEFD3C6),
    .IconBar = IconBar(clBtnFace, clNone, clBtnFace, clBtnFace),
    .AssignsIconBarRadio = false,
    .AssignsIconBarSeparator = false,
    .Separator = {.Color = 0x7A868A, .ColorTo = clNone},
    .Buttons = Buttons(0xEFD3C6, clNone, 0xC66931, 0xB59284, clNone, 0xC66931),
};

constexpr TMenuScheme Luna{
    .MenuBorderColor = clSilver,
    .Background = {.Color = 0xF6F6F6, .ColorTo = 0xF6F6F6},
    .RootItem = Root(0xF2DAC2, 0xF0D9C1, MD::gdVertical, Hover2007, Selected2007),
    .AssignsRootItemDirection = true,
    .SelectedItem = SelectedItem2007,
    .IconBar = IconBar(0xEEEEE9, 0xEEEEE9, 0x6FC0FF, clNavy, 0xC5C5C5),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = true,
    .Separator = Separator2007,
    .Buttons = Buttons2007,
};

constexpr TMenuScheme Obsidian{
    .MenuBorderColor = clSilver,
    .Background = {.Color = 0xF6F6F6, .ColorTo = 0xF6F6F6},
    .RootItem = Root(0xB8B8B6, 0xA0A09E, MD::gdVertical, Hover2007, Selected2007),
    .AssignsRootItemDirection = true,
    .SelectedItem = SelectedItem2007,
    .IconBar = IconBar(0xEEEEE9, 0xEEEEE9, 0x6FC0FF, clNavy, 0xC5C5C5),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = true,
    .Separator = Separator2007,
    .Buttons = Buttons2007,
};

constexpr TMenuScheme Silver2007{
    .MenuBorderColor = 0x868686,
    .Background = {.Color = 0xFAFAFA, .ColorTo = 0xFAFAFA},
    .RootItem = Root(0xE5D7D7, 0xF7F3F3, MD::gdHorizontal, Hover2007, Selected2007),
    .AssignsRootItemDirection = true,
    .SelectedItem = SelectedItem2007,
    .IconBar = IconBar(0xEFEFEF, 0xEFEFEF, 0x6FC0FF, clNavy, 0xC5C5C5),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = true,
    .Separator = Separator2007,
    .Buttons = Buttons2007,
};

constexpr TMenuScheme Vista{
    .MenuBorderColor = 0x979797,
    .Background = {.Color = 0xEEEEEE, .ColorTo = clNone},
    .RootItem = Root(clWhite, 0xEEDBD4, MD::gdVertical, {clWhite, 0xE7D9D3, 0xE7D9D3, 0xF9F1EF, 0xA79A95},
                     {0xBBB8B6, 0xE1D0C9, 0xE1D0C9, 0xE9DAD5, 0x534D4B}),
    .AssignsRootItemDirection = true,
    .SelectedItem = Selected({0xF4F1EB, 0xF3EBDA, clNone, clNone, 0xEBD8A8}, 0xF4EFE6, 0xE6D3CD),
    .IconBar = IconBar(0xEEEEEE, clNone, 0xF4EFE6, 0xE6D3CD, 0xC5C5C5),
    .AssignsIconBarRadio = true,
    .AssignsIconBarSeparator = true,
    .Separator = {.Color = 0xE0E0E0, .ColorTo = clWhite},
    .Buttons = Buttons2007,
};

// The fields each scheme assigns, by value set.
using R = TMenuRootItemValues;
using S = TMenuSelectedItemValues;
using I = TMenuIconBarValues;
using B = TMenuButtonAppearanceValues;
constexpr TColor TMenuBackgroundValues::*BackgroundColours[] = {&TMenuBackgroundValues::Color,
                                                               &TMenuBackgroundValues::ColorTo};
constexpr TColor R::*RootItemColours[] = {
    &R::Color,         &R::ColorTo,          &R::HoverColor,          &R::HoverColorTo,
    &R::HoverColorMirror, &R::HoverColorMirrorTo, &R::HoverBorderColor, &R::HoverTextColor,
    &R::SelectedColor, &R::SelectedColorTo,  &R::SelectedColorMirror, &R::SelectedColorMirrorTo,
    &R::SelectedBorderColor};
constexpr TColor S::*SelectedItemColours[] = {&S::Color,      &S::ColorTo,      &S::ColorMirror, &S::ColorMirrorTo,
                                              &S::BorderColor, &S::CheckColor,  &S::CheckColorTo, &S::CheckBorder,
                                              &S::RadioColor, &S::RadioColorTo, &S::RadioBorder};
constexpr TColor I::*IconBarColours[] = {&I::Color, &I::ColorTo, &I::CheckColor, &I::CheckColorTo, &I::CheckBorder};
constexpr TColor I::*IconBarRadioColours[] = {&I::RadioColor, &I::RadioColorTo, &I::RadioBorder};
constexpr TColor TMenuSeparatorValues::*SeparatorColours[] = {&TMenuSeparatorValues::Color,
                                                             &TMenuSeparatorValues::ColorTo};
constexpr TColor B::*ButtonColours[] = {&B::HoverColor, &B::HoverColorTo, &B::HoverBorderColor,
                                        &B::DownColor,  &B::DownColorTo,  &B::DownBorderColor};

template <class H, class V, size_t N>
void SetColours(H& Holder, const V& Values, TColor V::* const (&Fields)[N]) {
  for (TColor V::*field : Fields) Holder.Set(field, Values.*field);
}

}  // namespace

const TMenuScheme* MenuSchemeOf(TOfficeStyle Style) {
  switch (Style) {
    case osOffice2003Blue: return &Blue;
    case osOffice2003Silver: return &Silver;
    case osOffice2003Olive: return &Olive;
    case osOfficeXP: return &OfficeXP;
    case osOffice2007Luna: return &Luna;
    case osOffice2007Obsidian: return &Obsidian;
    case osOffice2007Silver: return &Silver2007;
    case osVista: return &Vista;
    case osCustom: break;
  }
  return nullptr;
}

void ApplyMenuScheme(TCustomAdvMenuStyler& Styler, TOfficeStyle Style) {
  if (const TMenuScheme* s = MenuSchemeOf(Style)) {
    Styler.MenuBorderColor = s->MenuBorderColor;
    SetColours(Styler.Background(), s->Background, BackgroundColours);
    SetColours(Styler.RootItem(), s->RootItem, RootItemColours);
    if (s->AssignsRootItemDirection) Styler.RootItem().Set(&R::GradientDirection, s->RootItem.GradientDirection);
    SetColours(Styler.SelectedItem(), s->SelectedItem, SelectedItemColours);
    SetColours(Styler.IconBar(), s->IconBar, IconBarColours);
    if (s->AssignsIconBarRadio) SetColours(Styler.IconBar(), s->IconBar, IconBarRadioColours);
    if (s->AssignsIconBarSeparator) Styler.IconBar().Set(&I::SeparatorColor, s->IconBar.SeparatorColor);
    SetColours(Styler.Separator(), s->Separator, SeparatorColours);
    SetColours(Styler.ButtonAppearance(), s->Buttons, ButtonColours);
  }
  Styler.RedrawMenuBar();
}
