// The application's hints on the headless desktop: the pauses on the
// virtual clock, what the control and the application may change before a
// hint shows, where it shows, its window class, and what ends it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "desktop/HeadlessDesktop.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"
#include "ui/THintWindow.h"
#include "ui/TPanel.h"

namespace {

// A control that records each CM_HINTSHOW it gets, with the record as it
// came, and lets the test change the record or refuse the hint.
class Hinted : public TCustomControl {
 public:
  Hinted(TComponent* owner, const std::string& hint) : TCustomControl(owner) {
    SetHint(hint);
    SetShowHint(true);
  }
  std::vector<THintInfo> asked;
  std::function<void(THintInfo&)> onHintShow;
  intptr_t refuse = 0;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_HINTSHOW) {
      auto* info = reinterpret_cast<THintInfo*>(m.LParam);
      asked.push_back(*info);
      if (onHintShow) onHintShow(*info);
      m.Result = refuse;
      return;
    }
    TCustomControl::WndProc(m);
  }
};

// Office hint information as a widget publishes it.
class OfficeInfo : public TPersistent {};

// A control without a hint text that publishes an "OfficeHint" object.
class OfficeHinted : public Hinted {
 public:
  explicit OfficeHinted(TComponent* owner) : Hinted(owner, "") {}
  TPersistent* PublishedObject(std::string_view name) const override {
    return name == "OfficeHint" ? const_cast<OfficeInfo*>(&info_) : nullptr;
  }

 private:
  OfficeInfo info_;
};

// Hint windows that record how they were activated.
class RecordingHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
  static inline std::vector<std::pair<TRect, std::string>> activations;
  void ActivateHint(const TRect& rect, const std::string& hint) override {
    activations.emplace_back(rect, hint);
    THintWindow::ActivateHint(rect, hint);
  }
};

class OtherHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
};

struct Hints : ::testing::Test {
  HeadlessDesktop desk;
  TForm* form = nullptr;
  Hinted* a = nullptr;
  Hinted* b = nullptr;
  Hinted* plain = nullptr;  // no hint
  void SetUp() override {
    RecordingHintWindow::activations.clear();
    form = new TForm(&desk.App());
    form->SetBounds(100, 100, 400, 200);
    a = Add(new Hinted(form, "Alpha"), 10);
    b = Add(new Hinted(form, "Beta"), 70);
    plain = Add(new Hinted(form, ""), 130);
    form->Show();
    desk.Paint();
  }
  template <class T>
  T* Add(T* control, int left) {
    control->SetParent(form);
    control->SetBounds(left, 10, 50, 50);
    return control;
  }
  THintController& Controller() { return desk.App().Hints(); }
  THintWindow* Window() { return Controller().HintWindow(); }
  // The text of the hint on screen; empty when none shows.
  std::string Shown() {
    THintWindow* w = Window();
    return w && w->Showing() ? w->Caption() : std::string();
  }
  // Rests the mouse on the form, away from every control, for Ms.
  void Away(int64_t ms) { Rest(form, ms, {390, 190}); }
  // Rests the mouse on Control for Ms.
  void Rest(TControl* control, int64_t ms, TPoint at = {5, 5}) {
    desk.MoveTo(control, at);
    desk.Advance(ms);
  }
};

}  // namespace

TEST_F(Hints, AHintShowsAfterThePauseAndHidesAfterTheHidePause) {
  Rest(a, 499);
  EXPECT_EQ(Shown(), "");
  desk.Advance(1);
  EXPECT_EQ(Shown(), "Alpha");
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(Window()->ClassName(), "THintWindow");
  desk.Advance(2499);
  EXPECT_EQ(Shown(), "Alpha");
  desk.Advance(1);
  EXPECT_EQ(Shown(), "");
  // Moving on within the control does not bring it back.
  desk.MoveTo(a, {20, 20});
  desk.Advance(3000);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(a->asked.size(), 1u);
}

TEST_F(Hints, MovingWithinTheControlDoesNotRestartThePause) {
  Rest(a, 300, {5, 5});
  Rest(a, 200, {30, 30});
  EXPECT_EQ(Shown(), "Alpha");
}

TEST_F(Hints, LeavingTheControlHidesItsHintOrDropsTheOneWaiting) {
  const std::vector<std::pair<const char*, std::function<void(Hints&)>>> leaves = {
      {"to a control without a hint", [](Hints& t) { t.desk.MoveTo(t.plain, {5, 5}); }},
      {"to the form", [](Hints& t) { t.Away(0); }},
      {"out of the window", [](Hints& t) { t.desk.Host().MoveMouse({5, 5}); }},
  };
  for (const auto& [where, leave] : leaves) {
    SCOPED_TRACE(where);
    Rest(a, 500);
    ASSERT_EQ(Shown(), "Alpha");
    leave(*this);
    EXPECT_EQ(Shown(), "");
    desk.Advance(3000);
    Rest(a, 300);
    leave(*this);
    desk.Advance(1000);
    EXPECT_EQ(Shown(), "");
  }
}

TEST_F(Hints, TheNextControlsHintFollowsAfterTheShortPauseWhileOneShowsOrWasJustLeft) {
  struct Case {
    const char* name;
    int64_t between;  // time over the control without a hint, -1 for none
    int64_t pause;
  };
  for (const Case& c : {Case{"straight across", -1, 50}, Case{"over a gap", 200, 50}, Case{"gap too long", 600, 500}}) {
    SCOPED_TRACE(c.name);
    Rest(a, 500);
    ASSERT_EQ(Shown(), "Alpha");
    if (c.between >= 0) Rest(plain, c.between);
    desk.MoveTo(b, {5, 5});
    EXPECT_EQ(Shown(), "");
    desk.Advance(c.pause - 1);
    EXPECT_EQ(Shown(), "");
    desk.Advance(1);
    EXPECT_EQ(Shown(), "Beta");
    Away(3000);
  }
}

TEST_F(Hints, TheHintControlIsTheNearestWithAHintWhenItsShowHintHolds) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(200, 10, 150, 150);
  panel->SetHint("Panel");
  panel->SetShowHint(true);
  auto* inner = new Hinted(form, "");  // takes its ShowHint from the panel
  inner->SetParent(panel);
  inner->SetBounds(10, 10, 40, 40);
  auto* own = new Hinted(form, "Own");
  own->SetParent(panel);
  own->SetBounds(60, 10, 40, 40);
  own->SetShowHint(false);
  desk.Paint();

  Rest(inner, 500);
  EXPECT_EQ(Shown(), "Panel");
  Away(3000);
  Rest(own, 1000);
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(own->asked.empty());
  a->SetShowHint(false);
  Rest(a, 1000);
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(a->asked.empty());
}

TEST_F(Hints, TheControlGetsTheRecordFirstAndMayChangeOrRefuseIt) {
  Rest(a, 500, {7, 9});
  ASSERT_EQ(a->asked.size(), 1u);
  const THintInfo& got = a->asked[0];
  const TPoint cursor = a->ClientToScreen({7, 9});
  EXPECT_EQ(got.HintControl, a);
  EXPECT_EQ(got.HintStr, "Alpha");
  EXPECT_EQ(got.HintWindowClass, desk.App().HintWindowClass());
  EXPECT_EQ(got.HintPos, (TPoint{cursor.X, cursor.Y + 20}));
  EXPECT_EQ(got.CursorPos, (TPoint{7, 9}));
  EXPECT_EQ(got.CursorRect, a->ClientRect());
  EXPECT_EQ(got.HintColor, clInfoBk);
  EXPECT_EQ(got.HideTimeout, 2500);
  EXPECT_EQ(got.ReshowTimeout, 0);
  EXPECT_EQ(got.HintMaxWidth, desk.App().Windows().MonitorFor(TRect::Bounds(cursor.X, cursor.Y, 1, 1)).WorkareaRect.Width());
  EXPECT_EQ(Window()->BoundsRect().TopLeft(), got.HintPos);
  EXPECT_EQ(Window()->Color(), clInfoBk);

  Away(3000);
  b->onHintShow = [](THintInfo& info) {
    info.HintStr = "Changed";
    info.HintPos = {300, 400};
    info.HintColor = clYellow;
  };
  Rest(b, 500);
  EXPECT_EQ(Shown(), "Changed");
  EXPECT_EQ(Window()->BoundsRect().TopLeft(), (TPoint{300, 400}));
  EXPECT_EQ(Window()->Color(), clYellow);

  Away(3000);
  a->refuse = 1;
  Rest(a, 1000);
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(a->asked.size(), 2u);
}

TEST_F(Hints, TheApplicationHasItsSayAfterTheControl) {
  std::string control;
  bool cancel = false;
  desk.App().OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
    control = info.HintControl == a ? "a" : "other";
    text = text + "!";
    if (cancel) canShow = false;
  };
  a->onHintShow = [](THintInfo& info) { info.HintStr = "From the control"; };
  Rest(a, 500);
  EXPECT_EQ(control, "a");
  EXPECT_EQ(Shown(), "From the control!");

  Away(3000);
  cancel = true;
  Rest(a, 1000);
  EXPECT_EQ(Shown(), "");

  // A refusing control keeps the application out of it; an emptied text
  // shows nothing.
  control.clear();
  cancel = false;
  Away(100);
  a->refuse = 1;
  Rest(a, 1000);
  EXPECT_EQ(control, "");
  a->refuse = 0;
  Away(100);
  desk.App().OnShowHint = [](std::string& text, bool&, THintInfo&) { text.clear(); };
  Rest(a, 1000);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, AHintStaysOnTheWorkAreaOfTheMonitor) {
  desk.Host().SetMonitors({{{0, 0, 600, 400}, {0, 0, 600, 380}, true}});
  a->onHintShow = [](THintInfo& info) { info.HintStr = "A rather long hint text"; };
  // Near the right edge of the work area and near its bottom.
  form->SetBounds(520, 300, 80, 80);
  a->SetBounds(0, 0, 80, 80);
  desk.Paint();
  Rest(a, 500, {75, 75});
  ASSERT_NE(Shown(), "");
  const TRect r = Window()->BoundsRect();
  EXPECT_EQ(r.Right, 600);
  EXPECT_EQ(r.Bottom, 380);
  const TRect size = Window()->CalcHintRect(600, "A rather long hint text");
  EXPECT_EQ(r.Width(), size.Width());
  EXPECT_EQ(r.Height(), size.Height());
}

TEST_F(Hints, TheWindowIsOfTheRequestedClassAndIsReusedWhileTheClassStays) {
  desk.App().SetHintWindowClass(HintWindowClassOf<RecordingHintWindow>);
  Rest(a, 500);
  auto* first = dynamic_cast<RecordingHintWindow*>(Window());
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(RecordingHintWindow::activations.size(), 1u);
  EXPECT_EQ(RecordingHintWindow::activations[0].second, "Alpha");
  EXPECT_EQ(RecordingHintWindow::activations[0].first, first->BoundsRect());
  EXPECT_EQ(first->BoundsRect().Width(), first->CalcHintRect(1 << 20, "Alpha").Width());

  Rest(b, 50);
  EXPECT_EQ(Window(), first);
  EXPECT_EQ(Shown(), "Beta");

  // A hint that asks for another class gets a new window; the old one is
  // freed by the loop.
  TWeak<THintWindow> old = first;
  a->onHintShow = [](THintInfo& info) { info.HintWindowClass = HintWindowClassOf<OtherHintWindow>; };
  Rest(a, 50);
  EXPECT_NE(dynamic_cast<OtherHintWindow*>(Window()), nullptr);
  EXPECT_EQ(Shown(), "Alpha");
  EXPECT_FALSE(old);
}

TEST_F(Hints, PressKeyDeactivationAndCancelHintEndTheHint) {
  const std::vector<std::pair<const char*, std::function<void(Hints&)>>> actions = {
      {"a press", [](Hints& t) { t.desk.Press(); t.desk.Release(); }},
      {"a key", [](Hints& t) { t.desk.Key(VK_SHIFT); }},
      {"deactivation",
       [](Hints& t) {
         t.desk.App().Windows().ActivateForm(t.form);
         t.desk.App().Windows().HostActivated(t.form->HostWindow(), false);
       }},
      {"CancelHint", [](Hints& t) { t.desk.App().CancelHint(); }},
  };
  for (const auto& [name, act] : actions) {
    SCOPED_TRACE(name);
    Rest(a, 500);
    ASSERT_EQ(Shown(), "Alpha");
    act(*this);
    EXPECT_EQ(Shown(), "");
    // A hint waiting for its pause is dropped too.
    Rest(b, 300);
    act(*this);
    desk.Advance(1000);
    EXPECT_EQ(Shown(), "");
    // The next move offers the control's hint again after the full pause.
    Rest(b, 499, {6, 6});
    EXPECT_EQ(Shown(), "");
    desk.Advance(1);
    EXPECT_EQ(Shown(), "Beta");
    Away(3000);
  }
}

TEST_F(Hints, SwitchingHintsOffHidesAndFreesTheWindowUntilSwitchedOn) {
  Rest(a, 500);
  TWeak<THintWindow> window = Window();
  ASSERT_TRUE(window);
  desk.App().SetShowHint(false);
  EXPECT_FALSE(window && window->Showing());
  desk.Advance(0);
  EXPECT_FALSE(window);
  Rest(b, 1000);
  EXPECT_EQ(Shown(), "");
  EXPECT_TRUE(b->asked.empty());
  desk.App().SetShowHint(true);
  Rest(a, 500);
  EXPECT_EQ(Shown(), "Alpha");
}

TEST_F(Hints, AControlPublishingAnOfficeHintIsAskedEvenWithoutAHintText) {
  auto* office = Add(new OfficeHinted(form), 200);
  desk.Paint();
  Rest(office, 500);
  ASSERT_EQ(office->asked.size(), 1u);
  EXPECT_EQ(office->asked[0].HintStr, "");
  EXPECT_EQ(Shown(), "");  // nothing to show unless someone fills the text

  Away(100);
  office->onHintShow = [](THintInfo& info) { info.HintStr = "*"; };
  Rest(office, 500);
  EXPECT_EQ(Shown(), "*");

  Rest(plain, 1000);
  EXPECT_TRUE(plain->asked.empty());
}

TEST_F(Hints, TheRecordsTimeoutsAndCursorRectangleAreHonoured) {
  int count = 0;
  a->onHintShow = [&](THintInfo& info) {
    info.HintStr = "Alpha " + std::to_string(++count);
    info.HideTimeout = 300;
    info.ReshowTimeout = 100;
    info.CursorRect = {0, 0, 25, 50};
  };
  Rest(a, 500);
  EXPECT_EQ(Shown(), "Alpha 1");
  desk.Advance(100);
  EXPECT_EQ(Shown(), "Alpha 2");

  // Out of the cursor rectangle but still on the control: the hint ends
  // and is offered anew after the short pause.
  desk.MoveTo(a, {40, 5});
  EXPECT_EQ(Shown(), "");
  desk.Advance(50);
  EXPECT_EQ(Shown(), "Alpha 3");

  a->onHintShow = [](THintInfo& info) { info.HideTimeout = 300; };
  Rest(plain, 100);
  Rest(a, 50);
  EXPECT_EQ(Shown(), "Alpha");
  desk.Advance(299);
  EXPECT_EQ(Shown(), "Alpha");
  desk.Advance(1);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, FreedControlsAndWindowsAreNotReached) {
  Rest(a, 300);
  delete a;
  desk.Advance(1000);
  EXPECT_EQ(Shown(), "");

  Rest(b, 500);
  ASSERT_EQ(Shown(), "Beta");
  delete Window();
  Away(3000);
  Rest(b, 500);
  EXPECT_EQ(Shown(), "Beta");
  delete b;
  desk.Advance(5000);
}
