// Minimising, maximising and restoring a form on the headless desktop,
// with a window manager that fits maximised windows and without one.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "ui/TApplication.h"
#include "ui/TCustomForm.h"

namespace {

struct SizeMessage {
  int Kind;
  int Width, Height;
  bool operator==(const SizeMessage&) const = default;
};
void PrintTo(const SizeMessage& m, std::ostream* out) { *out << "{kind " << m.Kind << ", " << m.Width << "x" << m.Height << "}"; }

// A form that records its WM_SIZE messages and may change the limits
// WM_GETMINMAXINFO asks for.
class Recorder : public TForm {
 public:
  explicit Recorder(TComponent* owner) : TForm(owner) {}
  std::vector<SizeMessage> sizes;
  std::function<void(MINMAXINFO&)> limits;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_SIZE) sizes.push_back({int(m.WParam), int(m.LParam & 0xFFFF), int(m.LParam >> 16)});
    if (m.Msg == WM_GETMINMAXINFO && limits) limits(*reinterpret_cast<MINMAXINFO*>(m.LParam));
    TForm::WndProc(m);
  }
};

struct States : ::testing::TestWithParam<bool> {
  HeadlessDesktop desk;
  Recorder* form = nullptr;
  void SetUp() override {
    desk.Host().ResizesMaximized = GetParam();
    desk.Host().SetMonitors({TMonitor{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, true},
                             TMonitor{{1920, 0, 3200, 1024}, {1920, 30, 3200, 1024}, false}});
    form = desk.App().CreateForm<Recorder>();
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    desk.Paint();
    form->sizes.clear();
  }
  THostShowState HostState() { return desk.Host().Info(form->HostWindow())->State; }
};

INSTANTIATE_TEST_SUITE_P(Desktops, States, ::testing::Values(true, false),
                         [](const auto& Info) { return Info.param ? "WindowManager" : "Bare"; });

}  // namespace

// The program's requests reach the desktop and come back as WM_SIZE with
// the kind of the new state, once each; maximised fills the work area.
TEST_P(States, EachStateArrivesAsOneSizeMessageOfItsKind) {
  const TRect normal = TRect::Bounds(100, 100, 300, 200);
  const TRect work{0, 0, 1920, 1040};
  struct Step {
    TWindowState state;
    THostShowState host;
    int kind;
    TRect bounds;
  };
  const Step steps[] = {
      {wsMaximized, hssMaximized, SIZE_MAXIMIZED, work},  {wsNormal, hssNormal, SIZE_RESTORED, normal},
      {wsMinimized, hssMinimized, SIZE_MINIMIZED, normal}, {wsNormal, hssNormal, SIZE_RESTORED, normal},
      {wsMaximized, hssMaximized, SIZE_MAXIMIZED, work},  {wsMinimized, hssMinimized, SIZE_MINIMIZED, work},
      {wsMaximized, hssMaximized, SIZE_MAXIMIZED, work},  {wsNormal, hssNormal, SIZE_RESTORED, normal},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(testing::Message() << "to state " << s.state << " from " << form->WindowState());
    form->sizes.clear();
    form->SetWindowState(s.state);
    EXPECT_EQ(form->WindowState(), s.state);
    EXPECT_EQ(HostState(), s.host);
    EXPECT_EQ(form->BoundsRect(), s.bounds);
    EXPECT_EQ(desk.Host().Info(form->HostWindow())->Bounds, s.bounds);
    EXPECT_EQ(form->sizes, (std::vector<SizeMessage>{{s.kind, s.bounds.Width(), s.bounds.Height()}}));
  }
}

// The desktop's own changes (the user at a window manager) arrive the
// same way, and a later restore from the program returns to where the
// window was.
TEST_P(States, TheDesktopsChangesArriveAsSizeMessages) {
  const TRect work{0, 0, 1920, 1040};
  desk.Host().ChangeGeometry(form->HostWindow(), TRect::Bounds(100, 100, 300, 200), hssMinimized);
  EXPECT_EQ(form->WindowState(), wsMinimized);
  desk.Host().ChangeGeometry(form->HostWindow(), work, hssMaximized);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  EXPECT_EQ(form->sizes, (std::vector<SizeMessage>{{SIZE_MINIMIZED, 300, 200}, {SIZE_MAXIMIZED, 1920, 1040}}));
  form->SetWindowState(wsNormal);
  EXPECT_EQ(form->BoundsRect(), TRect::Bounds(100, 100, 300, 200));
}

// The maximised bounds come from WM_GETMINMAXINFO: by default the work area
// of the window's own monitor, as the form may change them.
TEST_P(States, TheFormDecidesItsMaximisedBounds) {
  struct Case {
    const char* name;
    TPoint at;  // where the window lies before it is maximised
    std::function<void(MINMAXINFO&)> limits;
    TRect expected;
  };
  const Case cases[] = {
      {"default on the first monitor", {100, 100}, nullptr, {0, 0, 1920, 1040}},
      {"default on the second monitor", {2100, 200}, nullptr, {1920, 30, 3200, 1024}},
      {"the whole monitor",
       {100, 100},
       [](MINMAXINFO& m) {
         m.ptMaxPosition = {0, 0};
         m.ptMaxSize = {1920, 1080};
       },
       {0, 0, 1920, 1080}},
      {"a smaller size at an offset",
       {2100, 200},
       [](MINMAXINFO& m) {
         EXPECT_EQ(m.ptMaxPosition, (TPoint{0, 30})) << "relative to the monitor";
         m.ptMaxPosition = {10, 40};
         m.ptMaxSize = {800, 600};
       },
       TRect::Bounds(1930, 40, 800, 600)},
      {"the largest tracking size caps it",
       {100, 100},
       [](MINMAXINFO& m) { m.ptMaxTrackSize = {1000, 700}; },
       TRect::Bounds(0, 0, 1000, 700)},
  };
  if (GetParam()) GTEST_SKIP() << "a window manager fits the window to its own idea of the screen";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form->SetWindowState(wsNormal);
    form->SetBounds(c.at.X, c.at.Y, 300, 200);
    form->limits = c.limits;
    form->SetWindowState(wsMaximized);
    EXPECT_EQ(form->BoundsRect(), c.expected);
    EXPECT_EQ(desk.Host().Info(form->HostWindow())->Bounds, c.expected);
  }
}

// A form maximised before it is first shown comes up maximised.
TEST_P(States, AFormMaximisedBeforeShowingComesUpMaximised) {
  auto* other = new Recorder(&desk.App());
  other->SetBounds(50, 50, 200, 100);
  other->SetWindowState(wsMaximized);
  other->Show();
  EXPECT_EQ(desk.Host().Info(other->HostWindow())->State, hssMaximized);
  EXPECT_EQ(other->BoundsRect(), (TRect{0, 0, 1920, 1040}));
  ASSERT_FALSE(other->sizes.empty());
  EXPECT_EQ(other->sizes.back(), (SizeMessage{SIZE_MAXIMIZED, 1920, 1040}));
}

// Minimising the application minimises each of its shown forms.
TEST_P(States, MinimizingTheApplicationMinimisesEveryForm) {
  auto* other = new Recorder(&desk.App());
  other->SetBounds(50, 50, 200, 100);
  other->Show();
  auto* hidden = new Recorder(&desk.App());
  desk.App().Minimize();
  EXPECT_EQ(HostState(), hssMinimized);
  EXPECT_EQ(desk.Host().Info(other->HostWindow())->State, hssMinimized);
  EXPECT_EQ(form->WindowState(), wsMinimized);
  EXPECT_EQ(other->WindowState(), wsMinimized);
  EXPECT_EQ(other->sizes.back(), (SizeMessage{SIZE_MINIMIZED, 200, 100}));
  EXPECT_FALSE(hidden->Showing());
}
