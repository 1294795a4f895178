// Input outside a window's client area: the hit test names the place, the
// window gets the non-client messages with that code, and the form turns
// them into system commands (move, resize, maximise, close, the system
// menu), also from the keyboard.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "ui/Messages.h"
#include "ui/SystemMenu.h"
#include "ui/TCustomForm.h"

namespace {

// A form that draws its own frame: a 20-pixel caption with a system-menu
// box at the left and minimise, maximise and close boxes at the right,
// 4-pixel edges and an 8-pixel bottom-right corner.
class Framed : public TForm {
 public:
  using TForm::TForm;
  std::vector<std::pair<uint32_t, intptr_t>> got;  // non-client messages and system commands

  static int HitAt(TPoint P, int W, int H) {
    if (P.X >= W - 8 && P.Y >= H - 8) return HTBOTTOMRIGHT;
    if (P.X < 4) return HTLEFT;
    if (P.X >= W - 4) return HTRIGHT;
    if (P.Y >= H - 4) return HTBOTTOM;
    if (P.Y < 20) {
      if (P.X < 16) return HTSYSMENU;
      if (P.X >= W - 20) return HTCLOSE;
      if (P.X >= W - 40) return HTMAXBUTTON;
      if (P.X >= W - 60) return HTMINBUTTON;
      return HTCAPTION;
    }
    return HTCLIENT;
  }

  void WndProc(TMessage& M) override {
    if (M.Msg == WM_NCHITTEST) {
      M.Result = HitAt(ScreenToClient(LParamToPoint(M.LParam)), Width(), Height());
      return;
    }
    if ((M.Msg >= WM_NCMOUSEMOVE && M.Msg <= WM_NCMBUTTONDBLCLK) || M.Msg == WM_SYSCOMMAND)
      got.emplace_back(M.Msg, M.WParam);
    if (M.Msg == WM_MOUSEMOVE || M.Msg == WM_LBUTTONDOWN) got.emplace_back(M.Msg, 0);
    TForm::WndProc(M);
  }
};

// A child over the caption that lets the caption's input through.
class SeeThrough : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  void WndProc(TMessage& M) override {
    if (M.Msg == WM_NCHITTEST) {
      M.Result = HTTRANSPARENT;
      return;
    }
    TCustomControl::WndProc(M);
  }
};

struct NonClient : ::testing::Test {
  HeadlessDesktop desk;
  Framed* form = nullptr;
  std::vector<std::function<void()>> steps;
  size_t step = 0;

  void SetUp() override {
    form = new Framed(&desk.App());
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    desk.Paint();
    desk.Host().OnIdle = [this] {
      ASSERT_LT(step, steps.size()) << "a menu waited for more input than scripted";
      steps[step++]();
    };
  }
  void Press(TPoint Client, bool Double = false) {
    desk.MoveTo(form, Client);
    form->got.clear();
    desk.Host().PressMouse(mbLeft, Double);
    desk.Release();
  }
};

using Got = std::vector<std::pair<uint32_t, intptr_t>>;

TEST_F(NonClient, APressOutsideTheClientAreaBecomesTheSystemCommandOfItsPlace) {
  const struct {
    TPoint At;
    int Hit;
    int Command;   // WM_SYSCOMMAND sent on the press, 0 for none
    int Resizes;   // resize edge asked of the desktop, 0 for a move or none
  } cases[] = {
      {{150, 10}, HTCAPTION, SC_MOVE + HTCAPTION, 0},
      {{1, 100}, HTLEFT, SC_SIZE + 1, HTLEFT},
      {{298, 100}, HTRIGHT, SC_SIZE + 2, HTRIGHT},
      {{150, 198}, HTBOTTOM, SC_SIZE + 6, HTBOTTOM},
      {{296, 196}, HTBOTTOMRIGHT, SC_SIZE + 8, HTBOTTOMRIGHT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Hit);
    int moves = desk.Host().SystemMoves, resizes = desk.Host().SystemResizes;
    Press(c.At);
    EXPECT_EQ(form->got, (Got{{WM_NCLBUTTONDOWN, c.Hit}, {WM_SYSCOMMAND, c.Command}, {WM_NCLBUTTONUP, c.Hit}}));
    EXPECT_EQ(desk.Host().SystemMoves - moves, c.Resizes ? 0 : 1);
    EXPECT_EQ(desk.Host().SystemResizes - resizes, c.Resizes ? 1 : 0);
    if (c.Resizes) EXPECT_EQ(desk.Host().LastResizeHitTest, c.Resizes);
  }
  // The client area gets client messages; a move over the caption does not.
  Press({150, 100});
  EXPECT_EQ(form->got.front(), (std::pair<uint32_t, intptr_t>{WM_LBUTTONDOWN, 0}));
  form->got.clear();
  desk.MoveTo(form, {150, 12});
  EXPECT_EQ(form->got, (Got{{WM_NCMOUSEMOVE, HTCAPTION}}));
}

// Without a window manager the desktop cannot move a window: the window
// follows the pointer while the button is held, and stops on its release.
TEST_F(NonClient, WhereTheDesktopCannotMoveOrResizeThePlatformDoesWhileTheButtonIsHeld) {
  desk.Host().DesktopMoves = false;
  const struct {
    TPoint At;  // in the client area
    TPoint By;
    TRect Expected;
  } cases[] = {
      {{150, 10}, {40, 30}, {140, 130, 440, 330}},     // caption: moved
      {{298, 100}, {50, -20}, {100, 100, 450, 300}},   // right edge: wider only
      {{296, 196}, {-20, -10}, {100, 100, 380, 290}},  // corner: both ways
      {{1, 100}, {400, 0}, {368, 100, 400, 300}},      // left edge past the right: 32 wide
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.At.X);
    form->SetBounds(100, 100, 300, 200);
    const TPoint start = HeadlessDesktop::ScreenPoint(form, c.At);
    desk.Host().MoveMouse(start);
    desk.Press();
    desk.Host().MoveMouse(start + TPoint{c.By.X / 2, c.By.Y / 2});
    desk.Host().MoveMouse(start + c.By);
    EXPECT_EQ(form->BoundsRect(), c.Expected);
    desk.Release();
    desk.Host().MoveMouse(start + c.By + TPoint{7, 7});
    EXPECT_EQ(form->BoundsRect(), c.Expected) << "still following after the release";
  }
}

// Move and Size from the system menu, where the desktop cannot: the window
// follows the pointer and the arrows; Escape puts it back, Enter keeps it.
TEST_F(NonClient, MoveAndSizeFromTheSystemMenuFollowThePointerAndTheArrows) {
  desk.Host().DesktopMoves = false;
  auto chooseFromMenu = [&](char32_t AccessKey) {
    steps.push_back([this, AccessKey] { desk.Type(AccessKey); });
    desk.MoveTo(form, {150, 10});
    desk.Press(mbRight);
    desk.Release(mbRight);
    ASSERT_TRUE(desk.App().Windows().FrameDragging());
  };
  chooseFromMenu(U'm');
  desk.Host().MoveMouse(desk.Host().CursorPos() + TPoint{10, 5});
  EXPECT_EQ(form->BoundsRect(), (TRect{110, 105, 410, 305}));
  desk.Key(VK_RIGHT);
  desk.Key(VK_DOWN);
  EXPECT_EQ(form->BoundsRect(), (TRect{118, 113, 418, 313}));
  desk.Key(VK_ESCAPE);
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 100, 400, 300}));
  EXPECT_FALSE(desk.App().Windows().FrameDragging());

  chooseFromMenu(U's');  // from the bottom-right corner
  desk.Key(VK_RIGHT);
  desk.Key(VK_RETURN);
  EXPECT_FALSE(desk.App().Windows().FrameDragging());
  desk.Host().MoveMouse(desk.Host().CursorPos() + TPoint{30, 30});
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 100, 408, 300}));
}

TEST_F(NonClient, ASeeThroughChildLetsTheCaptionThrough) {
  auto* child = new SeeThrough(form);
  child->SetParent(form);
  child->SetBounds(40, 0, 100, 20);
  Press({60, 10});
  EXPECT_EQ(desk.Host().SystemMoves, 1);
}

TEST_F(NonClient, TheCaptionBoxesActOnTheirRelease) {
  // Their places follow the width, which maximising changes.
  auto box = [&](int FromRight) { return TPoint{form->Width() - FromRight, 10}; };
  Press(box(50));  // minimise
  EXPECT_EQ(form->WindowState(), wsMinimized);
  form->SetWindowState(wsNormal);
  Press(box(30));  // maximise, then restore
  EXPECT_EQ(form->WindowState(), wsMaximized);
  Press(box(30));
  EXPECT_EQ(form->WindowState(), wsNormal);
  Press(box(10));  // close
  EXPECT_FALSE(form->Visible());
}

TEST_F(NonClient, ADoubleClickOnTheCaptionMaximisesAndRestoresWhereTheFormMayBeMaximised) {
  Press({150, 10}, true);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  Press({150, 10}, true);
  EXPECT_EQ(form->WindowState(), wsNormal);
  form->SetBorderIcons({biSystemMenu, biMinimize});
  Press({150, 10}, true);
  EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST(SystemMenu, EachCommandIsEnabledByTheFormsStateBorderAndIcons) {
  HeadlessDesktop desk;
  auto* form = new TForm(&desk.App());
  const int commands[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE};
  const struct {
    TWindowState State;
    TFormBorderStyle Border;
    TBorderIcons Icons;
    std::vector<bool> Enabled;  // in the order of commands
  } cases[] = {
      {wsNormal, bsSizeable, {biSystemMenu, biMinimize, biMaximize}, {false, true, true, true, true, true}},
      {wsMaximized, bsSizeable, {biSystemMenu, biMinimize, biMaximize}, {true, false, false, true, false, true}},
      {wsMinimized, bsSizeable, {biSystemMenu, biMinimize, biMaximize}, {true, false, false, false, true, true}},
      {wsNormal, bsSingle, {biSystemMenu, biMinimize, biMaximize}, {false, true, false, true, true, true}},
      {wsNormal, bsSizeable, {biSystemMenu}, {false, true, true, false, false, true}},
      {wsNormal, bsDialog, {biSystemMenu, biMinimize, biMaximize}, {false, true, false, false, false, true}},
  };
  for (const auto& c : cases) {
    form->SetBorderStyle(c.Border);
    form->SetBorderIcons(c.Icons);
    form->SyncWindowState(c.State);
    std::vector<bool> enabled;
    for (int command : commands) enabled.push_back(SystemCommandEnabled(*form, command));
    EXPECT_EQ(enabled, c.Enabled) << "state " << c.State << ", border " << c.Border;
  }
}

TEST_F(NonClient, TheSystemMenuOpensOnTheCaptionAndFromAltSpaceAndCarriesOutItsChoice) {
  // A right click on the caption: Maximize chosen by its access key.
  steps = {[&] {
    EXPECT_NE(desk.App().Windows().KeyboardGrab(), nullptr) << "no menu open";
    desk.Type(U'x');
  }};
  desk.MoveTo(form, {150, 10});
  desk.Press(mbRight);
  desk.Release(mbRight);
  EXPECT_EQ(step, 1u);
  EXPECT_EQ(form->WindowState(), wsMaximized);

  // Alt+Space: Maximize is disabled now, so its key chooses nothing; the
  // menu is dismissed and nothing changes.
  steps.push_back([&] { desk.Type(U'x'); });
  steps.push_back([&] { desk.Key(VK_ESCAPE); });
  desk.Host().PressKey(VK_MENU);
  desk.Key(VK_SPACE, U" ");
  desk.Host().ReleaseKey(VK_MENU);
  EXPECT_EQ(step, 3u);
  EXPECT_EQ(form->WindowState(), wsMaximized);
}

TEST_F(NonClient, TrackingTheSystemMenuReturnsTheChoiceWithoutCarryingItOut) {
  steps = {[&] { desk.Type(U'n'); }};
  EXPECT_EQ(TrackSystemMenu(*form, {120, 120}), SC_MINIMIZE);
  EXPECT_EQ(form->WindowState(), wsNormal);
  steps.push_back([&] { desk.Key(VK_ESCAPE); });
  EXPECT_EQ(TrackSystemMenu(*form, {120, 120}), 0);
}

}  // namespace

// A frameless window has no desktop border: near its edges its own resize
// zones win over the children that cover them; further in, the children.
TEST_F(NonClient, AFramelessWindowsEdgeZonesWinOverItsChildrenNearItsEdges) {
  form->SetBorderStyle(bsNone);
  auto* child = new TCustomControl(form);
  child->SetParent(form);
  child->SetAlign(alClient);
  struct Case {
    TPoint At;
    int Resizes;  // resize edge asked of the desktop, 0 for the child's press
  };
  const Case cases[] = {
      {{299, 100}, HTRIGHT}, {{296, 100}, HTRIGHT}, {{294, 100}, 0},
      {{0, 100}, HTLEFT},    {{150, 199}, HTBOTTOM}, {{150, 150}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.At.X * 1000 + c.At.Y);
    const int resizes = desk.Host().SystemResizes;
    Press(c.At);
    EXPECT_EQ(desk.Host().SystemResizes - resizes, c.Resizes ? 1 : 0);
    if (c.Resizes) EXPECT_EQ(desk.Host().LastResizeHitTest, c.Resizes);
  }
  // A window with a desktop frame keeps the children first.
  form->SetBorderStyle(bsSizeable);
  const int resizes = desk.Host().SystemResizes;
  Press({299, 100});
  EXPECT_EQ(desk.Host().SystemResizes, resizes);
}
