// The status bar styler: scheme values, the style selector, repainting the
// bars that use it, and the bars or the styler going away first.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "draw/IStatusBarStylerClient.h"
#include "draw/TAdvOfficeStatusBarOfficeStyler.h"
#include "os/ThemeQuery.h"

namespace {

using V = statusbar::TVistaBackgroundValues;

// A bar that counts its repaints and runs a hook on each.
class TBar : public TComponent, public IStatusBarStylerClient {
 public:
  TBar() : TComponent(nullptr) {}
  void StatusBarStylerChanged() override {
    ++repaints;
    if (OnRepaint) OnRepaint();
  }
  void StatusBarStylerReleased(TCustomAdvOfficeStatusBarStyler*) override { ++released; }
  int repaints = 0;
  int released = 0;
  std::function<void()> OnRepaint;
};

TEST(StatusBarStyler, SchemesCarryTheirTellingValues) {
  struct Case {
    TOfficeStatusBarStyle Style;
    TColor Border, DarkColor, DarkColorTo, DarkMirror, DarkMirrorTo, DarkText, LightColor, LightBorder;
  };
  const Case cases[] = {
      {psOffice2003Blue, 0xE4AE88, 0xD38355, 0x9C430F, 0x9C430F, 0x9C430F, clWhite, 0xFADDC6, 0xE3B28D},
      {psOffice2003Classic, 0xC9D1D5, clGray, clGray, clNone, clNone, clWhite, clWhite, clNone},
      {psOffice2007Luna, 0xB07D56, 0xF8DCC5, 0xF5B687, 0xEAB690, 0xC29574, 0x612009, 0xF9E6D7, clNone},
      {psOffice2007Obsidian, 0x414141, 0xA19F9E, 0x635F5E, 0x635F5E, 0x534D4B, clWhite, 0x414141, clNone},
      {psWindowsXP, clSilver, clWhite, clBtnFace, clBtnFace, clBtnFace, clBlack, clBtnFace, clNone},
      {psWhidbey, 0xA8C0C0, 0xEBEEEF, 0x7E9898, clNone, clNone, clBlack, 0xF5F9FA, clNone},
      {psOffice2007Silver, 0x766A61, 0xEBE8E7, 0xC7BBB6, 0xBAB4AE, 0xAFABA5, 0x2A2623, 0xEBE8E7, clNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Style);
    TAdvOfficeStatusBarOfficeStyler s(nullptr);
    s.SetStyle(c.Style);
    const V& dark = s.PanelAppearanceDark().Values();
    const V& light = s.PanelAppearanceLight().Values();
    EXPECT_EQ(s.BorderColor(), c.Border);
    EXPECT_EQ((std::vector<TColor>{dark.Color, dark.ColorTo, dark.ColorMirror, dark.ColorMirrorTo, dark.TextColor}),
              (std::vector<TColor>{c.DarkColor, c.DarkColorTo, c.DarkMirror, c.DarkMirrorTo, c.DarkText}));
    EXPECT_EQ(light.Color, c.LightColor);
    EXPECT_EQ(light.BorderColor, c.LightBorder);
  }
}

TEST(StatusBarStyler, UnassignedValuesAndCustomKeepWhatTheyHad) {
  TAdvOfficeStatusBarOfficeStyler s(nullptr);
  s.SetStyle(psOffice2007Luna);
  s.PanelAppearanceLight().Set(&V::TextColorHot, clRed);
  s.PanelAppearanceDark().Set(&V::Steps, 12);
  s.SetStyle(psOffice2003Silver);  // no light hot text colour
  EXPECT_EQ(s.PanelAppearanceLight().Values().TextColorHot, clRed);
  EXPECT_EQ(s.PanelAppearanceDark().Values().Steps, 12) << "no scheme sets the steps";
  s.SetStyle(psCustom);
  EXPECT_EQ(s.BorderColor(), 0xB39698);
}

TEST(StatusBarStyler, BarsRepaintOnEveryChangeAndOnceMoreAfterAScheme) {
  TAdvOfficeStatusBarOfficeStyler s(nullptr);
  TBar bar;
  s.AddControl(&bar);
  s.SetStyle(psOffice2003Blue);
  EXPECT_EQ(bar.repaints, 0) << "the style already set does nothing";
  s.SetBorderColor(s.BorderColor());
  EXPECT_EQ(bar.repaints, 0);
  s.SetBorderColor(clRed);
  s.PanelAppearanceDark().Set(&V::Color, clRed);
  EXPECT_EQ(bar.repaints, 2);
  bar.repaints = 0;
  s.SetStyle(psCustom);
  EXPECT_EQ(bar.repaints, 1) << "custom only tells";
  s.ApplyStyleCode(42);
  s.ApplyStyleCode(-1);
  EXPECT_EQ(s.Style(), psCustom) << "codes outside the styles are ignored";
  s.ApplyStyleCode(4);
  EXPECT_EQ(s.Style(), psOffice2007Luna);
}

TEST(StatusBarStyler, EitherSideMayGoFirst) {
  auto s = std::make_unique<TAdvOfficeStatusBarOfficeStyler>(nullptr);
  auto a = std::make_unique<TBar>();
  TBar b;
  s->AddControl(a.get());
  s->AddControl(&b);
  // A repaint that frees another bar: it is skipped, not reached.
  b.OnRepaint = [&] { a.reset(); };
  s->SetBorderColor(clRed);
  s->SetBorderColor(clBlue);
  EXPECT_EQ(s->ControlCount(), 1);
  s.reset();
  EXPECT_EQ(b.released, 1);
}

TEST(StatusBarStyler, ThemeFollowingPicksTheSchemeOfTheDesktopTheme) {
  const struct {
    const char* Color;
    bool Themed;
    TOfficeStatusBarStyle Expected;
  } cases[] = {{"", false, psWindowsXP},
               {"NormalColor", true, psOffice2003Blue},
               {"HomeStead", true, psOffice2003Olive},
               {"Metallic", true, psOffice2003Silver}};
  for (const auto& c : cases) {
    if (c.Themed) SetThemeOverride(TThemeName{"Luna.msstyles", c.Color, "NormalSize"});
    TAdvOfficeStatusBarOfficeStyler s(nullptr);
    s.SetStyle(psOffice2007Luna);
    s.AutoThemeAdapt = true;
    s.BeginLoading();
    s.EndLoading();
    EXPECT_EQ(s.Style(), c.Expected) << c.Color;
    SetThemeOverride(std::nullopt);
  }
}

TEST(StatusBarStyler, CopyingTakesTheLooksTheBorderAndTheThemeFlag) {
  TAdvOfficeStatusBarOfficeStyler from(nullptr);
  from.SetStyle(psOffice2007Obsidian);
  from.AutoThemeAdapt = true;
  TCustomAdvOfficeStatusBarStyler to(nullptr);
  TBar bar;
  to.AddControl(&bar);
  to.Assign(&from);
  EXPECT_EQ(to.BorderColor(), 0x414141);
  EXPECT_EQ(to.PanelAppearanceDark().Values(), from.PanelAppearanceDark().Values());
  EXPECT_TRUE(to.AutoThemeAdapt);
  EXPECT_GE(bar.repaints, 1);
}

}  // namespace
