// The Office status bar: where its panels lie, the clock on an injected
// clock, repainting only the panel whose text changed, button panels, the
// styler's looks, the gauge, path shortening and the edges that let the
// form's sizing through.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "os/TFakeShell.h"
#include "draw/TAdvOfficeStatusBarOfficeStyler.h"
#include "statusbar/PanelText.h"
#include "statusbar/StatusPanelGeometry.h"
#include "statusbar/TAdvOfficeStatusBar.h"
#include "ui/Messages.h"
#include "ui/TCustomForm.h"

namespace {

bool Near(TColor A, TColor B, int Tolerance = 8) {
  for (int shift : {0, 8, 16})
    if (std::abs(int((A >> shift) & 0xFF) - int((B >> shift) & 0xFF)) > Tolerance) return false;
  return true;
}

TEST(StatusPanelGeometry, PanelsKeepOffTheOuterEdgesAndTheLastRunsToTheEnd) {
  struct Case {
    const char* Name;
    std::vector<int> Widths;
    int Stretch, W;
    std::vector<std::pair<int, int>> Spans;
  };
  const Case cases[] = {
      {"main window", {150, 200, 50}, -1, 574, {{1, 150}, {150, 350}, {350, 574}}},
      {"stretch the middle", {150, 200, 50}, 1, 574, {{1, 150}, {150, 524}, {524, 574}}},
      {"a stretch index past the panels", {100, 473}, 5, 574, {{1, 100}, {100, 574}}},
      {"too narrow to stretch", {150, 200}, 0, 100, {{1, 0}, {1, 200}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::vector<TRect> rects = PanelRects(c.Widths, c.Stretch, c.W, 19);
    ASSERT_EQ(rects.size(), c.Spans.size());
    for (size_t i = 0; i < rects.size(); ++i) {
      EXPECT_EQ(std::make_pair(rects[i].Left, rects[i].Right), c.Spans[i]) << i;
      EXPECT_EQ(rects[i].Top, 0);
      EXPECT_EQ(rects[i].Bottom, 18);
    }
  }
}

TEST(StatusPanelGeometry, AGaugeWithAnEmptyOrReversedRangeIsEmptyAndThePositionIsKeptInside) {
  EXPECT_EQ(GaugePercent(0, 100, 95), 95);
  EXPECT_EQ(GaugePercent(10, 10, 10), 0);
  EXPECT_EQ(GaugePercent(100, 0, 50), 0);
  EXPECT_EQ(GaugePercent(0, 100, 400), 100);
  EXPECT_EQ(GaugePercent(0, 100, -4), 0);
  EXPECT_EQ(GaugePercent(-2147483647, 2147483647, 0), 50);
  EXPECT_EQ(GaugeFill(-5, 50), 0);
  EXPECT_EQ(GaugeFill(200, 150), 200);
}

TEST(PanelText, PathsLoseFoldersFromTheFrontThenTheDrive) {
  const std::string path = "C:\\Program Files\\Tolvaris\\morvane.exe";
  const struct {
    size_t Room;
    std::string Expected;
  } cases[] = {
      {100, path},
      {34, "C:\\...\\Tolvaris\\morvane.exe"},
      {22, "C:\\...\\morvane.exe"},
      {17, "...\\morvane.exe"},
      {5, "morvane.exe"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShortenPath(path, [&](const std::string& s) { return s.size() <= c.Room; }), c.Expected) << c.Room;
  EXPECT_EQ(ShortenPath("plain", [](const std::string&) { return false; }), "plain");
}

// The main window's bar: three dark panels in the Luna colours.
struct StatusBar : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  TAdvOfficeStatusBar* bar = nullptr;
  TAdvOfficeStatusBarOfficeStyler* styler = nullptr;

  void SetUp() override {
    form = new TForm(&desk.App());
    form->SetBorderStyle(bsSingle);
    form->SetBounds(100, 100, 574, 200);
    styler = new TAdvOfficeStatusBarOfficeStyler(form);
    styler->SetStyle(psOffice2007Luna);
    bar = new TAdvOfficeStatusBar(form);
    bar->SetParent(form);
    bar->SetStyler(styler);
    const struct {
      TAdvOfficeStatusPanelStyle Style;
      int Width;
      TAlignment Alignment;
    } panels[] = {{psHTML, 150, taLeftJustify}, {psText, 200, taCenter}, {psTime, 50, taCenter}};
    for (const auto& p : panels) {
      TAdvOfficeStatusPanel& panel = bar->AddPanel();
      panel.SetStyle(p.Style);
      panel.SetWidth(p.Width);
      panel.SetAlignment(p.Alignment);
      panel.SetAppearanceStyle(psDark);
    }
    bar->Panels(2).SetTimeFormat("h:mm:sampm");
    form->Show();
    desk.Paint();
  }
};

TEST_F(StatusBar, TheClockShowsTheInjectedTimeAndRepaintsOnlyItsPanel) {
  const struct {
    int Hour, Minute, Second;
    const char* Expected;
  } cases[] = {{15, 29, 2, "3:29:2PM"}, {0, 0, 0, "12:00:0AM"}, {12, 5, 9, "12:05:9PM"}, {9, 7, 30, "9:07:30AM"}};
  for (const auto& c : cases) {
    TSystemTime t;
    t.Hour = c.Hour;
    t.Minute = c.Minute;
    t.Second = c.Second;
    desk.WallClock().Set(t);
    desk.Advance(TAdvOfficeStatusBar::TickInterval);
    EXPECT_EQ(bar->Panels(2).Text(), c.Expected);
  }
  desk.Paint();
  // The same second again: nothing to repaint; the next one: the clock's
  // panel alone.
  bar->Tick();
  EXPECT_TRUE(bar->UpdateRegion().IsEmpty());
  TSystemTime t;
  t.Hour = 9;
  t.Minute = 7;
  t.Second = 31;
  desk.WallClock().Set(t);
  bar->Tick();
  EXPECT_EQ(bar->UpdateRegion().BoundingRect(), bar->PanelRect(2));
}

TEST_F(StatusBar, PanelsPaintTheStylersDarkLookAndTheTopLine) {
  const statusbar::TVistaBackgroundValues& dark = styler->PanelAppearanceDark().Values();
  EXPECT_EQ(desk.Pixel(bar, 300, 0), styler->BorderColor()) << "the top line";
  EXPECT_TRUE(Near(desk.Pixel(bar, 300, 1), dark.Color)) << "the upper half starts at Color";
  EXPECT_TRUE(Near(desk.Pixel(bar, 300, 9), dark.ColorMirror)) << "the lower half at ColorMirror";
  EXPECT_NE(desk.Pixel(bar, 150, 5), dark.Color) << "the separator";
  styler->SetBorderColor(clNone);
  desk.Paint();
  EXPECT_TRUE(Near(desk.Pixel(bar, 300, 0), dark.Color)) << "without a border the panels keep their full height";
}

TEST_F(StatusBar, AButtonPanelShowsItsDownLookWhilePressed) {
  bar->Panels(1).SetButton(true);
  int clicked = -2;
  bar->OnPanelClick = [&](TObject*, int Index) { clicked = Index; };
  desk.MoveTo(bar, {250, 8});
  EXPECT_EQ(bar->HotPanel(), 1);
  desk.Press();
  EXPECT_EQ(clicked, 1);
  desk.Paint();
  EXPECT_EQ(bar->DownPanel(), 1);
  const statusbar::TVistaBackgroundValues& dark = styler->PanelAppearanceDark().Values();
  EXPECT_EQ(desk.Pixel(bar, 250, 1), dark.BorderColorDown) << "framed in the down border";
  EXPECT_TRUE(Near(desk.Pixel(bar, 250, 2), dark.ColorDown, 12)) << "filled from the down colour";
  desk.Release();
  desk.Paint();
  EXPECT_EQ(bar->DownPanel(), -1);
  EXPECT_NE(desk.Pixel(bar, 250, 1), dark.BorderColorDown);
  desk.MoveTo(form, {10, 10});
  EXPECT_EQ(bar->HotPanel(), -1) << "leaving the bar releases it";
}

TEST_F(StatusBar, AFreedStylerLeavesTheInternalOne) {
  delete styler;
  EXPECT_EQ(bar->CurrentStyler()->Name(), "InternalStyler");
  desk.Paint();
}

TEST_F(StatusBar, ItsRightAndBottomEdgesLetTheFormAnswer) {
  auto hit = [&](TPoint P) {
    return bar->Perform(WM_NCHITTEST, 0, PointToLParam(bar->ClientToScreen(P)));
  };
  EXPECT_EQ(hit({571, 5}), HTTRANSPARENT);
  EXPECT_EQ(hit({300, 16}), HTTRANSPARENT);
  EXPECT_EQ(hit({300, 8}), HTCLIENT);
  EXPECT_FALSE(bar->GripShows()) << "a single border has no grip";
  form->SetBorderStyle(bsSizeable);
  EXPECT_TRUE(bar->GripShows());
  EXPECT_EQ(hit({570, 10}), HTBOTTOMRIGHT);
}

}  // namespace

namespace {

TEST_F(StatusBar, WebAndMailAnchorsOpenThroughTheShellOthersReachTheEvent) {
  TFakeShell shell;
  bar->Shell = &shell;
  std::vector<std::string> clicked, entered;
  bar->OnAnchorClick = [&](TObject*, const std::string& A) { clicked.push_back(A); };
  bar->OnAnchorEnter = [&](TObject*, const std::string& A) { entered.push_back(A); };
  const struct {
    const char* Anchor;
    bool Opens;
  } cases[] = {{"https://www.tolvaris.example/", true},
               {"mailto:help@tolvaris.example", true},
               {"details", false},
               {"file:///etc/passwd", false},
               {"https://a b/", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Anchor);
    shell.Calls.clear();
    clicked.clear();
    bar->Panels(0).SetText(std::string("<A href=\"") + c.Anchor + "\">here here here</A>");
    desk.Paint();
    desk.MoveTo(bar, {20, 9});
    desk.Press();
    desk.Release();
    EXPECT_EQ(shell.Calls.size(), c.Opens ? 1u : 0u);
    if (c.Opens) EXPECT_EQ(shell.Calls[0].File, c.Anchor);
    EXPECT_EQ(clicked, c.Opens ? std::vector<std::string>{} : std::vector<std::string>{c.Anchor});
    desk.MoveTo(form, {10, 10});
  }
  EXPECT_EQ(entered.size(), 5u) << "each anchor entered once";
}

TEST_F(StatusBar, BlinkingMarkupRepaintsEveryFifthTickAndLockPanelsFollowTheirToggle) {
  bar->Panels(0).SetText("<BLINK>on</BLINK>");
  bar->Panels(1).SetStyle(psNumLock);
  desk.Paint();
  std::vector<int> repaintedAt;
  for (int tick = 0; tick < 11; ++tick) {
    bar->Tick();
    if (bar->UpdateRegion().Intersects(bar->PanelRect(0))) repaintedAt.push_back(bar->TickCount());
    desk.Paint();
  }
  EXPECT_EQ(repaintedAt, (std::vector<int>{5, 10})) << "a period of eleven ticks";
  EXPECT_EQ(bar->Panels(1).Text(), "");
  desk.Key(VK_NUMLOCK);
  bar->Tick();
  EXPECT_EQ(bar->Panels(1).Text(), "NUM");
  desk.Key(VK_NUMLOCK);
  bar->Tick();
  EXPECT_EQ(bar->Panels(1).Text(), "");
}

TEST_F(StatusBar, TheGaugeTakesTheColoursOfItsLevel) {
  TAdvOfficeStatusPanel& gauge = bar->Panels(1);
  gauge.SetStyle(psProgress);
  TProgressValues v = gauge.Progress().Values();
  v.ShowGradient = false;
  v.Indication = piNone;
  const struct {
    int Position;
    TColor Colour;
  } cases[] = {{50, v.Level0Color}, {80, v.Level1Color}, {95, v.Level2Color}, {100, v.Level3Color}};
  for (const auto& c : cases) {
    v.Position = c.Position;
    gauge.Progress().Set(v);
    desk.Paint();
    EXPECT_EQ(desk.Pixel(bar, bar->PanelRect(1).Left + 6, 9), c.Colour) << c.Position;
  }
  v.Min = 100;
  v.Max = 0;  // reversed: an empty gauge, no division by zero
  gauge.Progress().Set(v);
  desk.Paint();
  EXPECT_NE(desk.Pixel(bar, bar->PanelRect(1).Left + 6, 9), v.Level0Color);
}

TEST_F(StatusBar, AnAutoSizedPanelFollowsItsText) {
  TAdvOfficeStatusPanel& p = bar->Panels(1);
  p.SetAutoSize(true);
  p.SetText("a");
  EXPECT_EQ(p.Width(), p.MinWidth()) << "never under its least width";
  p.SetText("a much longer text than twenty pixels");
  EXPECT_GT(p.Width(), 100);
  bar->Panels(0).SetAutoSize(true);
  bar->Panels(0).SetText("<B>Version</B> 2");
  EXPECT_GT(bar->Panels(0).Width(), 20);
}

}  // namespace
