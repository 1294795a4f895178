// The borderless Office form: its window style, resize zones, maximised
// size, outline, and the older-system client inset and rounded shape.
#include <gtest/gtest.h>

#include "desktop/HeadlessDesktop.h"
#include "draw/TAdvToolBarOfficeStyler.h"
#include "os/SystemInfo.h"
#include "pager/TAdvToolBarForm.h"
#include "pager/TAdvToolBarPager.h"
#include "ui/Messages.h"

namespace {

struct VistaOverride {
  explicit VistaOverride(bool Value) { SetVistaOrLaterOverride(Value); }
  ~VistaOverride() { SetVistaOrLaterOverride(std::nullopt); }
};

struct ToolBarForm : ::testing::Test {
  HeadlessDesktop desk;
  TAdvToolBarForm* form = nullptr;

  void Make(int W = 582, int H = 583) {
    form = new TAdvToolBarForm(&desk.App());
    form->SetBounds(100, 100, W, H);
  }
  int HitAt(TPoint Client) {
    return static_cast<int>(form->Perform(WM_NCHITTEST, 0, PointToLParam(form->ClientToScreen(Client))));
  }
  TAdvToolBarPager* AddPager() {
    auto* pager = new TAdvToolBarPager(form);
    pager->SetParent(form);
    pager->SetBounds(0, 0, form->Width(), 133);
    return pager;
  }
};

TEST_F(ToolBarForm, TheZoneRulesApplyInOrderALaterMatchWinning) {
  Make();
  const struct {
    TPoint At;
    int Expected;
  } cases[] = {
      {{100, 2}, HTTOP},         {{10, 2}, HTTOPLEFT},       {{2, 100}, HTLEFT},
      {{575, 300}, HTRIGHT},     {{575, 570}, HTBOTTOMRIGHT}, {{300, 575}, HTBOTTOM},
      {{575, 10}, HTTOPRIGHT},   {{10, 575}, HTBOTTOMLEFT},   {{300, 300}, HTCLIENT},
      {{3, 100}, HTCLIENT},      {{570, 300}, HTCLIENT},      {{19, 19}, HTTOPLEFT},
      {{20, 19}, HTCLIENT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.At.X * 1000 + c.At.Y);
    EXPECT_EQ(HitAt(c.At), c.Expected);
  }
}

TEST_F(ToolBarForm, AMaximisedOrMinimisedFormKeepsTheBaseAnswer) {
  Make();
  form->Show();
  for (TWindowState state : {wsMaximized, wsMinimized}) {
    form->SetWindowState(state);
    EXPECT_EQ(HitAt({1, 1}), HTCLIENT) << state;
  }
  form->SetWindowState(wsNormal);
  EXPECT_EQ(HitAt({1, 1}), HTTOPLEFT);
}

TEST_F(ToolBarForm, TheWindowHasNoDesktopCaptionButASystemMenuAndAShadow) {
  Make();
  TCreateParams p;
  form->CreateParams(p);
  EXPECT_EQ(p.Style & WS_CAPTION, 0u);
  EXPECT_EQ(p.Style & (WS_POPUP | WS_SYSMENU | WS_THICKFRAME), WS_POPUP | WS_SYSMENU | WS_THICKFRAME);
  EXPECT_TRUE(p.WindowClassStyle & CS_DROPSHADOW);
  EXPECT_EQ(form->BorderStyle(), bsSizeable);
  form->Show();
  EXPECT_EQ(form->BorderStyle(), bsSingle) << "the property turns single once the window exists";
}

TEST_F(ToolBarForm, TheOutlineTakesThePagersCaptionTextColourWithWhiteAsBlack) {
  Make(300, 200);
  EXPECT_EQ(form->OutlineColor(), clGray) << "no pager";
  TAdvToolBarPager* pager = AddPager();
  TAdvToolBarOfficeStyler styler(nullptr);
  pager->SetToolBarStyler(&styler);
  const struct {
    TColor Text, Outline;
  } cases[] = {{clWhite, clBlack}, {0x8B4215, 0x8B4215}};
  for (const auto& c : cases) {
    styler.CaptionAppearance().Set(&TCaptionAppearanceValues::CaptionTextColor, c.Text);
    EXPECT_EQ(form->OutlineColor(), c.Outline);
  }
  // Drawn as a rounded rectangle to (W - 7, H - 7): its straight edges.
  pager->SetVisible(false);
  form->Show();
  desk.Paint();
  EXPECT_EQ(desk.Pixel(form, 150, 0), 0x8B4215);
  EXPECT_EQ(desk.Pixel(form, 0, 100), 0x8B4215);
  EXPECT_EQ(desk.Pixel(form, 292, 100), 0x8B4215);
  EXPECT_NE(desk.Pixel(form, 293, 100), 0x8B4215);
  EXPECT_NE(desk.Pixel(form, 0, 0), 0x8B4215) << "the corner is rounded";
}

TEST_F(ToolBarForm, MaximisedItFillsTheWorkAreaExactlyOrThreePixelsPastItOnOlderSystems) {
  Make(300, 200);
  const TMonitor m = desk.App().Windows().MonitorFor(form->BoundsRect());
  const TRect work = m.WorkareaRect;
  EXPECT_EQ(form->MaximizedBounds(), work);
  VistaOverride older(false);
  EXPECT_EQ(form->MaximizedBounds(), (TRect{work.Left - 3, work.Top - 3, work.Right + 3, work.Bottom + 3}));
}

TEST_F(ToolBarForm, OnOlderSystemsTheClientShrinksAndTheShapeAndCanMoveFollowEachSize) {
  VistaOverride older(false);
  Make(300, 200);
  TAdvToolBarPager* pager = AddPager();
  pager->SetAlign(alTop);
  form->Show();
  EXPECT_EQ(pager->BoundsRect(), (TRect{1, 1, 298, 134}));
  EXPECT_TRUE(pager->CanMove);
  ASSERT_TRUE(form->WindowRgn());
  EXPECT_TRUE(form->WindowRgn()->Contains({150, 3}));
  EXPECT_FALSE(form->WindowRgn()->Contains({150, 2}));
  EXPECT_FALSE(form->WindowRgn()->Contains({4, 4})) << "rounded corner";
  form->SetWindowState(wsMaximized);
  EXPECT_FALSE(pager->CanMove);
  form->SetWindowState(wsNormal);
  EXPECT_TRUE(pager->CanMove);
}

TEST_F(ToolBarForm, OnNewerSystemsTheFormKeepsItsShapeClientAndCanMove) {
  Make(300, 200);
  TAdvToolBarPager* pager = AddPager();
  pager->SetAlign(alTop);
  form->Show();
  form->SetWindowState(wsMaximized);
  form->SetWindowState(wsNormal);
  EXPECT_FALSE(form->WindowRgn());
  EXPECT_EQ(pager->Left(), 0);
  EXPECT_FALSE(pager->CanMove) << "the frame never writes it here";
}

}  // namespace
