// The menu styler: scheme values and what a scheme leaves, re-applying the
// current style, the menu's notices, style codes, theme following, and
// copying through the toolbar styler.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "draw/IMenuStylerClient.h"
#include "draw/SystemFontName.h"
#include "draw/TAdvMenuOfficeStyler.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "os/ThemeQuery.h"

namespace {

using MD = TMenuGradientDirection;
using R = TMenuRootItemValues;

// A menu that counts the styler's notices.
class TMenuProbe : public TComponent, public IMenuStylerClient {
 public:
  explicit TMenuProbe(bool Main) : TComponent(nullptr), main_(Main) {}
  void MenuStylerChanged() override { ++changes; }
  bool IsMainMenu() const override { return main_; }
  void DrawMenuBar() override { ++redraws; }
  int changes = 0, redraws = 0;

 private:
  bool main_;
};

}  // namespace

TEST(MenuStyler, DeclaredDefaultsAndTheConstructionScheme) {
  TCustomAdvMenuStyler base(nullptr);
  EXPECT_EQ(base.MenuBorderColor, 0x7C7C94);
  EXPECT_TRUE(base.UseSystemFont);
  EXPECT_EQ(base.IconBar().Values().Size, 24);
  EXPECT_EQ(base.Separator().Values().Width, 1);
  EXPECT_EQ(base.Separator().Values().Margin, 2);
  EXPECT_EQ(base.Font().Name(), SystemFontName());
  TAdvMenuOfficeStyler office(nullptr);
  EXPECT_EQ(office.Style(), osOffice2003Blue);
  EXPECT_EQ(office.MenuBorderColor, 0x962D00);
  EXPECT_EQ(office.RootItem().Values().GradientDirection, MD::gdHorizontal);
}

TEST(MenuStyler, SchemesCarryTheirTellingValues) {
  struct Case {
    TOfficeStyle style;
    TColor border, backgroundTo, root, rootHoverMirror, rootSelectedBorder, selectedBorder, iconBarTo, separator,
        separatorTo, buttonDown;
    MD rootDirection;
  };
  const Case cases[] = {
      {osOffice2003Blue, 0x962D00, 0xF6F6F6, 0xF5BE9E, clNone, 0x962D00, clNavy, 0xE4AD87, 0xCB8C6A, clNone, 0x4E91FE, MD::gdHorizontal},
      {osOffice2003Silver, 0x5E8D75, 0xF6F6F6, 0xE5D7D7, clNone, 0x947C7C, 0x080000, 0xB99D9F, 0x8F6D6E, clNone, 0x4E91FE, MD::gdHorizontal},
      {osOffice2003Olive, 0x5E8D75, 0xF6F6F6, 0xA8D9D9, clNone, 0x5E8D75, 0x385D3F, 0x92C7B8, 0x588060, clNone, 0x4E91FE, MD::gdHorizontal},
      {osOfficeXP, clGray, clWindow, clBtnFace, clNone, 0x7A868A, 0xC66931, clNone, 0x7A868A, clNone, 0xB59284, MD::gdHorizontal},
      {osOffice2007Luna, clSilver, 0xF6F6F6, 0xF2DAC2, 0x69D6FF, 0x45667B, 0x99CEDB, 0xEEEEE9, 0xC5C5C5, clNone, 0xCCCAC9, MD::gdVertical},
      {osOffice2007Obsidian, clSilver, 0xF6F6F6, 0xB8B8B6, 0x69D6FF, 0x45667B, 0x99CEDB, 0xEEEEE9, 0xC5C5C5, clNone, 0xCCCAC9, MD::gdVertical},
      {osOffice2007Silver, 0x868686, 0xFAFAFA, 0xE5D7D7, 0x69D6FF, 0x45667B, 0x99CEDB, 0xEFEFEF, 0xC5C5C5, clNone, 0xCCCAC9, MD::gdHorizontal},
      {osVista, 0x979797, clNone, clWhite, 0xE7D9D3, 0x534D4B, 0xEBD8A8, clNone, 0xE0E0E0, clWhite, 0xCCCAC9, MD::gdVertical},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(int(k.style));
    TAdvMenuOfficeStyler s(nullptr);  // Blue: Office XP's direction is Blue's
    s.SetStyle(k.style);
    EXPECT_EQ(s.MenuBorderColor, k.border);
    EXPECT_EQ(s.Background().Values().ColorTo, k.backgroundTo);
    EXPECT_EQ(s.RootItem().Values().Color, k.root);
    EXPECT_EQ(s.RootItem().Values().HoverColorMirror, k.rootHoverMirror);
    EXPECT_EQ(s.RootItem().Values().SelectedBorderColor, k.rootSelectedBorder);
    EXPECT_EQ(s.RootItem().Values().HoverTextColor, clWindowText);
    EXPECT_EQ(s.RootItem().Values().GradientDirection, k.rootDirection);
    EXPECT_EQ(s.SelectedItem().Values().BorderColor, k.selectedBorder);
    EXPECT_EQ(s.SelectedItem().Values().RadioColor, s.SelectedItem().Values().CheckColor);
    EXPECT_EQ(s.IconBar().Values().ColorTo, k.iconBarTo);
    EXPECT_EQ(s.Separator().Values().Color, k.separator);
    EXPECT_EQ(s.Separator().Values().ColorTo, k.separatorTo);
    EXPECT_EQ(s.ButtonAppearance().Values().DownColor, k.buttonDown);
  }
}

// Office XP leaves the menu bar's direction and the icon column's radio
// box, the 2003 schemes the icon column's separator; no scheme touches
// fonts, glyphs, the side bar or the separator's shape; osCustom nothing.
TEST(MenuStyler, WhatASchemeDoesNotAssignKeepsItsValue) {
  TAdvMenuOfficeStyler s(nullptr);
  s.SetStyle(osVista);
  s.RootItem().Set(&R::GradientDirection, MD::gdHorizontal);
  s.IconBar().Set(&TMenuIconBarValues::RadioBorder, clRed);
  s.IconBar().Set(&TMenuIconBarValues::SeparatorColor, clRed);
  s.Separator().Set(&TMenuSeparatorValues::Width, 3);
  s.SideBar().Set(&TMenuSideBarValues::Visible, true);
  s.SelectedItem().Font().SetName("Arial");
  s.Glyphs().Check().SetSize(7, 7);

  s.SetStyle(osOfficeXP);
  EXPECT_EQ(s.RootItem().Values().GradientDirection, MD::gdHorizontal);
  EXPECT_EQ(s.IconBar().Values().RadioBorder, clRed);
  EXPECT_EQ(s.IconBar().Values().CheckBorder, clBtnFace);
  s.SetStyle(osOffice2003Olive);
  EXPECT_EQ(s.IconBar().Values().RadioBorder, 0x385D3F);
  EXPECT_EQ(s.IconBar().Values().SeparatorColor, clRed);
  EXPECT_EQ(s.Separator().Values().Width, 3);
  EXPECT_TRUE(s.SideBar().Values().Visible);
  EXPECT_EQ(s.SelectedItem().Font().Name(), "Arial");
  EXPECT_EQ(s.Glyphs().Check().Width(), 7);

  const TMenuRootItemValues root = s.RootItem().Values();
  const TMenuIconBarValues icons = s.IconBar().Values();
  s.SetStyle(osCustom);
  EXPECT_EQ(s.Style(), osCustom);
  EXPECT_EQ(s.RootItem().Values(), root);
  EXPECT_EQ(s.IconBar().Values(), icons);
  EXPECT_EQ(s.MenuBorderColor, 0x5E8D75);
}

TEST(MenuStyler, SettingTheCurrentStyleRestoresItsColours) {
  TAdvMenuOfficeStyler s(nullptr);
  s.SetStyle(osOffice2007Luna);
  s.MenuBorderColor = clRed;
  s.SelectedItem().Set(&TMenuSelectedItemValues::Color, clRed);
  s.RootItem().Set(&R::HoverColor, clRed);
  TMenuProbe menu(true);
  s.SetMenu(&menu);
  s.SetStyle(osOffice2007Luna);
  EXPECT_EQ(s.MenuBorderColor, clSilver);
  EXPECT_EQ(s.SelectedItem().Values().Color, 0xEBFDFF);
  EXPECT_EQ(s.RootItem().Values().HoverColor, 0xEBFDFF);
  EXPECT_EQ(menu.changes, 1) << "the hover colour came back";
  EXPECT_EQ(menu.redraws, 1);
}

// Only the menu bar's hot and selected colours tell the menu, and only
// when they change; a main menu's bar is redrawn after each scheme.
TEST(MenuStyler, TheMenuHearsOfItsBarColoursAndRedrawsAfterASchemeWhenMain) {
  struct Case { bool main; int redraws; };
  for (const Case k : {Case{true, 1}, Case{false, 0}}) {
    SCOPED_TRACE(k.main);
    TAdvMenuOfficeStyler s(nullptr);
    TMenuProbe menu(k.main);
    s.SetMenu(&menu);
    s.RootItem().Set(&R::Color, clRed);
    s.RootItem().Set(&R::GradientDirection, MD::gdVertical);
    s.SelectedItem().Set(&TMenuSelectedItemValues::Color, clRed);
    s.IconBar().Set(&TMenuIconBarValues::Color, clRed);
    EXPECT_EQ(menu.changes, 0);
    s.RootItem().Set(&R::SelectedTextColor, clRed);
    s.RootItem().Set(&R::HoverBorderColor, clRed);
    s.RootItem().Set(&R::HoverBorderColor, clRed);
    EXPECT_EQ(menu.changes, 2);
    EXPECT_EQ(menu.redraws, 0);
    menu.changes = 0;
    // Blue to Vista: all ten hot and selected colours the scheme assigns differ.
    s.SetStyle(osVista);
    EXPECT_EQ(menu.changes, 10);
    EXPECT_EQ(menu.redraws, k.redraws);
  }
  TAdvMenuOfficeStyler s(nullptr);
  {
    TMenuProbe gone(true);
    s.SetMenu(&gone);
  }
  EXPECT_EQ(s.Menu(), nullptr);
  s.SetStyle(osOffice2007Luna);
}

TEST(MenuStyler, StyleCodesSelectTheirSchemeAndOthersAreIgnored) {
  struct Case { int code; std::optional<TOfficeStyle> style; };
  const Case cases[] = {
      {0, osOffice2003Blue},      {1, osOffice2003Silver},     {2, osOffice2003Olive},
      {3, osOfficeXP},            {4, osOffice2007Luna},       {5, osOffice2007Obsidian},
      {6, osOfficeXP},            {7, osOfficeXP},             {8, std::nullopt},
      {9, osOffice2007Silver},    {10, std::nullopt},          {-1, std::nullopt},
      {0x80 | 4, osOffice2007Luna}, {0x80 | 8, std::nullopt},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.code);
    TAdvMenuOfficeStyler s(nullptr);
    s.SetStyle(osVista);
    s.MenuBorderColor = clRed;
    static_cast<IStyleReceiver&>(s).ApplyStyleCode(k.code);
    EXPECT_EQ(s.Style(), k.style.value_or(osVista));
    if (!k.style) EXPECT_EQ(s.MenuBorderColor, clRed) << "an ignored code re-applies nothing";
  }
}

TEST(MenuStyler, ThemeFollowingPicksTheSchemeOfTheDesktopTheme) {
  struct Case { const char* colorName; bool themed; TOfficeStyle expected; };
  const Case cases[] = {
      {"", false, osOfficeXP},
      {"NormalColor", true, osOffice2003Blue},
      {"HomeStead", true, osOffice2003Olive},
      {"Metallic", true, osOffice2003Silver},
      {"metallic", true, osOfficeXP},
  };
  for (const Case& k : cases) {
    if (k.themed) SetThemeOverride(TThemeName{"Luna.msstyles", k.colorName, "NormalSize"});
    TAdvMenuOfficeStyler s(nullptr);
    s.SetStyle(osOffice2007Luna);
    s.AutoThemeAdapt = true;
    s.BeginLoading();
    s.EndLoading();
    EXPECT_EQ(s.Style(), k.expected) << k.colorName;
    SetThemeOverride(std::nullopt);
  }
  TAdvMenuOfficeStyler off(nullptr);
  off.SetStyle(osOffice2007Luna);
  off.BeginLoading();
  off.EndLoading();
  EXPECT_EQ(off.Style(), osOffice2007Luna);
}

// A toolbar styler copied from one with a menu styler takes every menu
// colour set, font and glyph into its private menu styler.
TEST(MenuStyler, CopyingReachesTheToolBarStylersPrivateMenuStyler) {
  TAdvToolBarOfficeStyler from(nullptr), to(nullptr);
  TAdvMenuOfficeStyler menus(nullptr);
  menus.SetStyle(osOffice2007Obsidian);
  menus.AntiAlias = aaNone;
  menus.NotesFont().SetName("Arial");
  menus.RootItem().Font().SetName("Arial");
  menus.ButtonAppearance().CaptionFont().SetSize(11);
  menus.SideBar().Set(&TMenuSideBarValues::Caption, "Morvane");
  menus.Background().Image().SetSize(3, 2);
  menus.Glyphs().SubMenu().SetSize(4, 7);
  TMenuProbe menu(true);
  menus.SetMenu(&menu);
  from.SetAdvMenuStyler(&menus);
  to.Assign(&from);

  const TCustomAdvMenuStyler& copy = *to.CurrentMenuStyler();
  EXPECT_EQ(copy.Name(), "InternalMenuStyler");
  EXPECT_EQ(copy.MenuBorderColor, clSilver);
  EXPECT_EQ(copy.AntiAlias, aaNone);
  EXPECT_EQ(copy.NotesFont().Name(), "Arial");
  EXPECT_EQ(copy.Background().Values(), menus.Background().Values());
  EXPECT_EQ(copy.RootItem().Values(), menus.RootItem().Values());
  EXPECT_EQ(copy.RootItem().Font().Name(), "Arial");
  EXPECT_EQ(copy.SelectedItem().Values(), menus.SelectedItem().Values());
  EXPECT_EQ(copy.IconBar().Values(), menus.IconBar().Values());
  EXPECT_EQ(copy.Separator().Values(), menus.Separator().Values());
  EXPECT_EQ(copy.ButtonAppearance().Values(), menus.ButtonAppearance().Values());
  EXPECT_EQ(copy.ButtonAppearance().CaptionFont().Size(), 11);
  EXPECT_EQ(copy.SideBar().Values().Caption, "Morvane");
  EXPECT_EQ(copy.Background().Image().Width(), 3);
  EXPECT_EQ(copy.Glyphs().SubMenu().Height(), 7);
  EXPECT_EQ(copy.Menu(), nullptr) << "the menu stays with its own styler";
  EXPECT_EQ(menu.changes, 0) << "copying is silent";
}
