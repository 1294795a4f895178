// The toolbar styler: scheme values, the style selector, the registry and
// its notices when controls or the styler go away, and theme following.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "draw/IToolBarStylerClient.h"
#include "draw/SystemFontName.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "core/Exceptions.h"
#include "os/ThemeQuery.h"

namespace {

using V = TToolBarStylerValues;

// A control that records the notices it gets and runs a hook on each.
class TProbe : public TComponent, public IToolBarStylerClient {
 public:
  explicit TProbe(std::vector<int>* Log = nullptr) : TComponent(nullptr), log_(Log) {}
  void ToolBarStylerChanged(int Kind) override {
    kinds.push_back(Kind);
    if (log_) log_->push_back(Tag);
    if (OnNotice) OnNotice();
  }
  void ToolBarStylerReleased(TCustomAdvToolBarStyler*) override { ++released; }
  std::vector<int> kinds;
  int released = 0;
  std::function<void()> OnNotice;

 private:
  std::vector<int>* log_;
};

}  // namespace

TEST(ToolBarStyler, SchemesCarryTheirTellingValues) {
  struct Case { TToolBarStyle style; TColor color, colorTo, glow, captionText; int grip, width, code; };
  const Case cases[] = {
      {bsOffice2003Blue, 0xFDEADA, 0xE4AE88, 0xEEDBC8, clWhite, dsDots, 2, 0},
      {bsOffice2003Silver, 0xECE2E1, 0xB39698, 0xEDD4C0, clWhite, dsDots, 2, 1},
      {bsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, clWhite, dsDots, 2, 2},
      {bsOffice2003Classic, clWhite, 0xC9D1D5, clWhite, clWhite, dsDots, 2, NoStyleCode},
      {bsOffice2007Luna, 0xEDD8C7, 0xF6E9D9, 0xEEDBC8, 0xAA6A3E, dsNone, 1, 4},
      {bsOffice2007Obsidian, 0xC5BBB4, 0xECECE5, 0xDFDED6, clWhite, dsNone, 1, 5},
      {bsWindowsXP, clBtnFace, clBtnFace, clWhite, clWhite, dsSingleLine, 2, 6},
      {bsWhidbeyStyle, 0xF5F9FA, 0xA8C0C0, clWhite, clWhite, dsDots, 2, 7},
      {bsOffice2007Silver, 0xE7DCD5, 0xF4F4EE, 0xF3F3F1, 0x595453, dsNone, 1, 9},
      {bsOfficeXP, clBtnFace, clBtnFace, clWhite, clWhite, dsSingleLine, 2, 6},
  };
  for (const Case& k : cases) {
    TAdvToolBarOfficeStyler s(nullptr);
    s.SetStyle(bsCustom);
    s.SetStyle(k.style);
    SCOPED_TRACE(int(k.style));
    EXPECT_EQ(s.Color().Values().Color, k.color);
    EXPECT_EQ(s.Color().Values().ColorTo, k.colorTo);
    EXPECT_EQ(s.GlowButtonAppearance().Values().Normal.Color, k.glow);
    EXPECT_EQ(s.CaptionAppearance().Values().CaptionTextColor, k.captionText);
    EXPECT_EQ(s.Values().DragGripStyle, k.grip);
    EXPECT_EQ(s.Values().FloatingWindowBorderWidth, k.width);
    EXPECT_EQ(s.StyleCode(), k.code);
    EXPECT_EQ(s.DarkScheme(), k.style == bsOffice2007Obsidian);
  }
}

TEST(ToolBarStyler, LunaKeepsWhatItDoesNotAssignAndCompactLooksDiffer) {
  TAdvToolBarOfficeStyler s(nullptr);
  EXPECT_EQ(s.Style(), bsOffice2003Blue);
  EXPECT_EQ(s.Color().Values().Color, 0xFDEADA);
  s.SetStyle(bsOffice2007Luna);
  EXPECT_EQ(s.Values().FloatingWindowBorderColor, 0xE3B28D);
  EXPECT_EQ(s.CaptionAppearance().Values().CaptionBorderColor, clHighlight);  // left from Blue
  EXPECT_EQ(s.CompactGlowButtonAppearance().Values().Hot.Color, 0xF7F7EF);
  EXPECT_EQ(s.CompactGlowButtonAppearance().Values().Normal.Color, 0xEEDBC8);
  s.SetStyle(bsOffice2003Blue);
  EXPECT_EQ(s.Values().BorderColor, 0xDFD2C5);  // the 2003 schemes leave the border
}

TEST(ToolBarStyler, LunaAndObsidianReachIntoTheNestedLooks) {
  struct Row { const char* name; std::function<TColor(TAdvToolBarOfficeStyler&)> read; TColor luna, obsidian; };
  const Row rows[] = {
      {"Tab.TextColorSelected", [](auto& s) { return s.TabAppearance().Values().TextColorSelected; }, 0x8B4215, clBlack},
      {"Tab.ColorMirrorHotTo", [](auto& s) { return s.TabAppearance().Values().ColorMirrorHotTo; }, 0xA3D3E1, 0x18AEED},
      {"Tab.GradientMirrorHot", [](auto& s) { return TColor(s.TabAppearance().Values().GradientMirrorHot); }, ggVertical, ggRadial},
      {"Tab.BackGround.ColorTo", [](auto& s) { return s.TabAppearance().BackGround().Values().ColorTo; }, clNone, 0x3A3A3A},
      {"Group.ColorMirrorTo", [](auto& s) { return s.GroupAppearance().Values().ColorMirrorTo; }, 0xA5E1E9, 0x18AEED},
      {"Group.Tab.BorderColorHot", [](auto& s) { return s.GroupAppearance().TabAppearance().Values().BorderColorHot; }, 0xA0BFCC, 0x969C9E},
      {"Group.Page.Color", [](auto& s) { return s.GroupAppearance().PageAppearance().Values().Color; }, 0xD6F2FE, 0xECF8FD},
      {"Group.ToolBar.ColorHot.ColorTo", [](auto& s) { return s.GroupAppearance().ToolBarAppearance().ColorHot().Values().ColorTo; }, 0xFDFBFA, 0xFDFBFA},
      {"Group.Caption.CaptionColorHotTo", [](auto& s) { return s.GroupAppearance().CaptionAppearance().Values().CaptionColorHotTo; }, 0xFFEDD6, 0x6E6E6D},
      {"PagerCaption.ColorMirror", [](auto& s) { return s.PagerCaption().Values().ColorMirror; }, 0xECE1D8, 0x30302F},
      {"QAT.FullSizeBorderColor", [](auto& s) { return s.QATAppearance().Values().FullSizeBorderColor; }, 0xCDA17E, 0xCECCCB},
      {"Compact.Down.BorderColor", [](auto& s) { return s.CompactGlowButtonAppearance().Values().Down.BorderColor; }, 0xB7A38E, 0x45667B},
      {"RightHandleColorDownTo", [](auto& s) { return s.Values().RightHandleColorDownTo; }, 0x7CDAF7, 0x7CDAF7},
  };
  TAdvToolBarOfficeStyler luna(nullptr), obsidian(nullptr);
  luna.SetStyle(bsOffice2007Luna);
  obsidian.SetStyle(bsOffice2007Obsidian);
  for (const Row& r : rows) {
    EXPECT_EQ(r.read(luna), r.luna) << r.name;
    EXPECT_EQ(r.read(obsidian), r.obsidian) << r.name;
  }
  // Only Obsidian sets the tab band's direction.
  EXPECT_EQ(luna.TabAppearance().BackGround().Values().Direction, gdHorizontal);
  EXPECT_EQ(obsidian.TabAppearance().BackGround().Values().Direction, gdVertical);
}

TEST(ToolBarStyler, CustomKeepsTheColoursAndHandsNoCodeAndTheXPStylesAgree) {
  TAdvToolBarOfficeStyler s(nullptr);
  s.SetStyle(bsOffice2007Luna);
  s.SetStyle(bsCustom);
  EXPECT_EQ(s.Color().Values().Color, 0xEDD8C7);
  EXPECT_EQ(s.StyleCode(), NoStyleCode);
  TAdvToolBarOfficeStyler windows(nullptr), office(nullptr);
  windows.SetStyle(bsWindowsXP);
  office.SetStyle(bsOfficeXP);
  EXPECT_EQ(windows.Values().BevelKind, 2);
  EXPECT_FALSE(windows.Values().RoundedOutline);
  EXPECT_EQ(windows.GlowButtonAppearance().Values(), office.GlowButtonAppearance().Values());
  EXPECT_EQ(windows.TabAppearance().Values(), office.TabAppearance().Values());
  EXPECT_EQ(windows.ButtonAppearance().Values(), office.ButtonAppearance().Values());
  EXPECT_EQ(office.StyleCode(), 6);
}

TEST(ToolBarStyler, SettingTheStyleAlreadySetDoesNothing) {
  TAdvToolBarOfficeStyler s(nullptr);
  s.SetStyle(bsOffice2007Luna);
  TProbe probe;
  s.AddControl(&probe);
  s.Color().Set(&TGradientBackgroundValues::Color, clRed);
  probe.kinds.clear();
  s.SetStyle(bsOffice2007Luna);
  EXPECT_TRUE(probe.kinds.empty());
  EXPECT_EQ(s.Color().Values().Color, clRed);
  s.SetStyle(bsOffice2007Obsidian);
  s.SetStyle(bsOffice2007Luna);
  EXPECT_EQ(s.Color().Values().Color, 0xEDD8C7);
  EXPECT_EQ(probe.kinds.back(), tcColors);
}

TEST(ToolBarStyler, ApplyStyleCodeIgnoresCodesOutsideTheStyles) {
  TAdvToolBarOfficeStyler s(nullptr);
  s.ApplyStyleCode(4);
  EXPECT_EQ(s.Style(), bsOffice2007Luna);
  for (int code : {-1, ToolBarStyleCount, 200}) {
    s.ApplyStyleCode(code);
    EXPECT_EQ(s.Style(), bsOffice2007Luna) << code;
  }
}

TEST(ToolBarStyler, ChangesReachControlsWithTheirKind) {
  TCustomAdvToolBarStyler s(nullptr);
  TProbe probe;
  s.AddControl(&probe);
  s.SetValue(&V::DragGripStyle, dsNone);
  s.SetValue(&V::DragGripStyle, dsNone);  // unchanged: no notice
  s.SetValue(&V::BackGroundDisplay, bdStretch);
  s.ContainerAppearance().Set(&TContainerAppearanceValues::Line3D, false);
  s.GroupAppearance().PageAppearance().Set(&TVistaBackgroundValues::Color, clRed);
  s.PagerCaption().Set(&TVistaTextBackgroundValues::TextColor, clRed);
  s.GlowButtonAppearance().Set(&TStylerGlowValues::Hot, TStylerGlowSet{.Color = clRed});
  s.TabAppearance().BackGround().Set(&TGradientBackgroundValues::Steps, 64);  // reported even unchanged
  s.QATAppearance().Set(&TQATAppearanceValues::Color, clRed);
  s.SetAdvMenuStyler(nullptr);
  EXPECT_EQ(probe.kinds, (std::vector<int>{tcDragGrip, tcBackground, tcContainer, tcPager, tcPagerCaption,
                                           tcGlowButtons, tcPager, tcQAT, tcMenuStyler}));
  EXPECT_EQ(s.CurrentMenuStyler()->Name(), "InternalMenuStyler");
}

TEST(ToolBarStyler, NoticeSkipsControlsFreedOrUnregisteredDuringTheWalk) {
  TCustomAdvToolBarStyler s(nullptr);
  std::vector<int> order;
  auto a = std::make_unique<TProbe>(&order);
  auto b = std::make_unique<TProbe>(&order);
  auto c = std::make_unique<TProbe>(&order);
  a->Tag = 1, b->Tag = 2, c->Tag = 3;
  s.AddControl(a.get());
  s.AddControl(b.get());
  s.AddControl(c.get());
  // The first frees the second; the third unregisters itself.
  a->OnNotice = [&] { b.reset(); };
  c->OnNotice = [&] { s.RemoveControl(c.get()); };
  s.NotifyControls(tcColors);
  EXPECT_EQ(order, (std::vector<int>{1, 3}));
  order.clear();
  s.NotifyControls(tcColors);
  EXPECT_EQ(order, (std::vector<int>{1}));
  EXPECT_EQ(s.ControlCount(), 1);
}

TEST(ToolBarStyler, NoticeStillReachesTheControlsAfterOneThatUnregistersItself) {
  TCustomAdvToolBarStyler s(nullptr);
  std::vector<int> order;
  TProbe a(&order), b(&order), c(&order);
  a.Tag = 1, b.Tag = 2, c.Tag = 3;
  for (TProbe* p : {&a, &b, &c}) s.AddControl(p);
  a.OnNotice = [&] { s.RemoveControl(&a); };
  s.NotifyControls(tcColors);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(ToolBarStyler, NoticeStopsWhenAControlFreesTheStyler) {
  auto s = std::make_unique<TCustomAdvToolBarStyler>(nullptr);
  TProbe a, b;
  s->AddControl(&a);
  s->AddControl(&b);
  a.OnNotice = [&] { s.reset(); };
  auto* raw = s.get();
  raw->NotifyControls(tcColors);
  EXPECT_TRUE(b.kinds.empty());
  EXPECT_EQ(a.released, 1);
  EXPECT_EQ(b.released, 1);
}

TEST(ToolBarStyler, FreeingEitherSideFirstLeavesNoDanglingReference) {
  {
    TCustomAdvToolBarStyler s(nullptr);
    auto control = std::make_unique<TProbe>();
    s.AddControl(control.get());
    control.reset();
    EXPECT_EQ(s.ControlCount(), 0);
    s.NotifyControls(tcColors);
  }
  TProbe control;
  {
    TCustomAdvToolBarStyler s(nullptr);
    s.AddControl(&control);
  }
  EXPECT_EQ(control.released, 1);
}

TEST(ToolBarStyler, ThemeFollowingPicksTheSchemeOfTheDesktopTheme) {
  struct Case { const char* colorName; bool themed; TToolBarStyle expected; };
  const Case cases[] = {
      {"", false, bsOffice2003Classic},
      {"NormalColor", true, bsOffice2003Blue},
      {"HomeStead", true, bsOffice2003Olive},
      {"Metallic", true, bsOffice2003Silver},
      {"metallic", true, bsOffice2003Classic},
  };
  for (const Case& k : cases) {
    if (k.themed) SetThemeOverride(TThemeName{"Luna.msstyles", k.colorName, "NormalSize"});
    TAdvToolBarOfficeStyler s(nullptr);
    s.SetStyle(bsOffice2007Luna);
    s.AutoThemeAdapt = true;
    s.BeginLoading();
    s.EndLoading();
    EXPECT_EQ(s.Style(), k.expected) << k.colorName;
    SetThemeOverride(std::nullopt);
  }
  TAdvToolBarOfficeStyler off(nullptr);
  off.BeginLoading();
  off.EndLoading();
  EXPECT_EQ(off.Style(), bsOffice2003Blue);
}

TEST(ToolBarStyler, CopyingTakesTheSharedLooksAndLeavesTheRest) {
  TAdvToolBarOfficeStyler from(nullptr), to(nullptr);
  from.SetStyle(bsOffice2007Obsidian);
  TCustomAdvMenuStyler menus(nullptr);
  menus.MenuBorderColor = clRed;
  from.SetAdvMenuStyler(&menus);
  to.Assign(&from);
  EXPECT_EQ(to.Color().Values(), from.Color().Values());
  EXPECT_EQ(to.CaptionAppearance().Values(), from.CaptionAppearance().Values());
  EXPECT_EQ(to.Values().FloatingWindowBorderWidth, 1);
  EXPECT_EQ(to.CurrentMenuStyler()->MenuBorderColor, clRed);
  EXPECT_EQ(to.AdvMenuStyler(), nullptr);
  EXPECT_EQ(to.Style(), bsOffice2003Blue);
  EXPECT_EQ(to.GlowButtonAppearance().Values().Normal.Color, 0xEEDBC8);  // not copied
  TFont font;
  EXPECT_THROW(to.Assign(&font), EConvertError);
}

TEST(ToolBarStyler, SettingTheCaptionLookTellsOnlyOfItsHotEnds) {
  TCustomAdvToolBarStyler s(nullptr);
  TProbe probe;
  s.AddControl(&probe);
  TCaptionAppearance look;
  look.Set(&TCaptionAppearanceValues::CaptionColor, clRed);
  s.SetCaptionAppearance(look);
  EXPECT_EQ(s.CaptionAppearance().Values().CaptionColor, clRed);
  EXPECT_TRUE(probe.kinds.empty());
  look.Set(&TCaptionAppearanceValues::CaptionTextColorHot, clBlue);
  s.SetCaptionAppearance(look);
  EXPECT_EQ(probe.kinds, std::vector<int>{tcColors});
}

TEST(ToolBarStyler, AMenuStylerFreedFirstIsDropped) {
  TCustomAdvToolBarStyler s(nullptr);
  TProbe probe;
  s.AddControl(&probe);
  {
    TCustomAdvMenuStyler menus(nullptr);
    s.SetAdvMenuStyler(&menus);
    EXPECT_EQ(s.CurrentMenuStyler(), &menus);
  }
  EXPECT_EQ(s.AdvMenuStyler(), nullptr);
  EXPECT_EQ(s.CurrentMenuStyler()->Name(), "InternalMenuStyler");
  EXPECT_EQ(probe.kinds, (std::vector<int>{tcMenuStyler, tcMenuStyler}));
}

// A tab's hot border is a plain field; a look's font rule, switched on,
// renames its font at once; neither tells the controls.
TEST(ToolBarStyler, QuietFieldsOfTheLooksTellNobody) {
  TCustomAdvToolBarStyler s(nullptr);
  TProbe probe;
  s.AddControl(&probe);
  s.TabAppearance().Set(&TCustomTabAppearanceValues::BorderColorHot, clRed);
  s.GroupAppearance().TabAppearance().Set(&TCustomTabAppearanceValues::BorderColorHot, clRed);
  EXPECT_EQ(s.TabAppearance().Values().BorderColorHot, clRed);

  s.PagerCaption().Set(&TVistaTextBackgroundValues::SystemFont, false);
  s.PagerCaption().Font().SetName("Arial");
  s.GroupAppearance().Set(&TGroupAppearanceValues::SystemFont, false);
  s.GroupAppearance().Font().SetName("Arial");
  s.PagerCaption().Set(&TVistaTextBackgroundValues::SystemFont, true);
  s.GroupAppearance().Set(&TGroupAppearanceValues::SystemFont, true);
  EXPECT_EQ(s.PagerCaption().Font().Name(), SystemFontName());
  EXPECT_EQ(s.GroupAppearance().Font().Name(), SystemFontName());
  EXPECT_TRUE(probe.kinds.empty()) << probe.kinds.size() << " notices";

  s.TabAppearance().Set(&TCustomTabAppearanceValues::BorderColor, clRed);
  EXPECT_EQ(probe.kinds, std::vector<int>{tcPager}) << "other tab colours tell";
}

// Pictures and fonts are set by copy; each tells its kind, the grip
// picture nothing, and the styler's font rule renames both its fonts.
TEST(ToolBarStyler, PicturesAndFontsAreCopiedAndTellTheirKind) {
  TCustomAdvToolBarStyler s(nullptr);
  TProbe probe;
  s.AddControl(&probe);
  TBitmap picture(4, 3);
  TFont font;
  font.SetName("Arial");
  const struct {
    const char* Name;
    std::function<void()> Set;
    std::vector<int> Kinds;
  } cases[] = {
      {"background", [&] { s.SetBackGround(picture); }, {tcBackground}},
      {"right handle", [&] { s.SetRightHandleImage(picture); }, {tcColors}},
      {"drag grip", [&] { s.SetDragGripImage(picture); }, {}},
      {"font", [&] { s.SetFont(font); }, {tcBackground}},
      {"caption font", [&] { s.SetCaptionFont(font); }, {tcColors}},
      {"font rule", [&] { s.SetSystemFont(true); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    probe.kinds.clear();
    c.Set();
    EXPECT_EQ(probe.kinds, c.Kinds);
  }
  EXPECT_EQ(s.BackGround().Width(), 4);
  EXPECT_EQ(s.DragGripImage().Height(), 3);
  picture.SetSize(9, 9);
  EXPECT_EQ(s.BackGround().Width(), 4) << "a copy, not a reference";
  EXPECT_EQ(s.Font().Name(), SystemFontName()) << "renamed by the rule";
  EXPECT_EQ(s.CaptionFont().Name(), SystemFontName());
  s.SetSystemFont(false);
  s.SetFont(font);
  EXPECT_EQ(s.Font().Name(), "Arial") << "the rule off leaves the font";
}
