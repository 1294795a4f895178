// Timers on the virtual clock, posted messages, released forms, the main
// form, and failures that reach the loop.
#include <gtest/gtest.h>

#include <functional>

#include "core/Exceptions.h"
#include "desktop/HeadlessDesktop.h"
#include "ui/TButton.h"
#include "ui/TCustomForm.h"
#include "ui/TLabel.h"
#include "ui/TMessageForm.h"

namespace {

class Ticker : public TControl {
 public:
  using TControl::TControl;
  std::vector<std::pair<uintptr_t, int64_t>> ticks;
  std::function<void()> onTick;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_TIMER) {
      ticks.push_back({static_cast<uintptr_t>(m.WParam), Application->Now()});
      if (onTick) onTick();
      return;
    }
    TControl::WndProc(m);
  }
};

}  // namespace

TEST(Timers, FireAtTheirOwnTimesInOrderAndStopWhenKilled) {
  HeadlessDesktop desk;
  auto* t = new Ticker(&desk.App());
  int64_t start = desk.App().Now();
  desk.App().SetTimer(t, 1, 30);
  desk.App().SetTimer(t, 2, 50);
  desk.Advance(100);
  std::vector<std::pair<uintptr_t, int64_t>> expected = {
      {1, start + 30}, {2, start + 50}, {1, start + 60}, {1, start + 90}, {2, start + 100}};
  EXPECT_EQ(t->ticks, expected);
  desk.App().KillTimer(t, 1);
  t->ticks.clear();
  desk.Advance(100);
  EXPECT_EQ(t->ticks.size(), 2u);
}

TEST(Timers, ResettingChangesTheIntervalFromNowAndAFreedTargetIsForgotten) {
  HeadlessDesktop desk;
  auto* t = new Ticker(&desk.App());
  int64_t start = desk.App().Now();
  desk.App().SetTimer(t, 1, 400);
  t->onTick = [&] { desk.App().SetTimer(t, 1, 100); };
  desk.Advance(600);
  ASSERT_EQ(t->ticks.size(), 3u);
  EXPECT_EQ(t->ticks[0].second, start + 400);
  EXPECT_EQ(t->ticks[1].second, start + 500);
  EXPECT_EQ(t->ticks[2].second, start + 600);
  delete t;
  desk.Advance(1000);  // no tick reaches the freed control
}

TEST(Timers, IntervalsUnderTenMillisecondsRunEveryTenMilliseconds) {
  HeadlessDesktop desk;
  auto* t = new Ticker(&desk.App());
  int64_t start = desk.App().Now();
  std::vector<int64_t> callbackTicks;
  desk.App().SetTimer(t, 1, 1);
  desk.App().SetTimer(t, 2, 0);
  desk.App().SetTimer(t, 3, 10);
  desk.App().SetTimer(t, 4, 11);
  desk.App().StartTimer(3, [&] { callbackTicks.push_back(desk.App().Now()); }, t->AliveToken());
  desk.Advance(22);
  std::vector<std::pair<uintptr_t, int64_t>> expected = {
      {1, start + 10}, {2, start + 10}, {3, start + 10}, {4, start + 11},
      {1, start + 20}, {2, start + 20}, {3, start + 20}, {4, start + 22}};
  EXPECT_EQ(t->ticks, expected);
  EXPECT_EQ(callbackTicks, (std::vector<int64_t>{start + 10, start + 20}));
}

TEST(Failures, ReachTheLoopAsAnErrorBoxWithAFullStopRule) {
  HeadlessDesktop desk;
  desk.App().SetTitle("Morvane");
  struct Case { const char* raised; const char* shown; };
  const Case cases[] = {
      {"Could not allocate memory for image", "Could not allocate memory for image."},
      {"Done.", "Done."},
      {"Wait!", "Wait!"},
      {"", ""},
  };
  for (const Case& c : cases) {
    desk.ClearMessages();
    desk.App().Guarded([&] { throw EPlatformError(c.raised); });
    ASSERT_EQ(desk.Messages().size(), 1u);
    EXPECT_EQ(desk.Messages()[0].Text, c.shown);
    EXPECT_EQ(desk.Messages()[0].Caption, "Morvane");
    EXPECT_TRUE(desk.Messages()[0].Flags & MB_ICONERROR);
  }
}

TEST(Failures, ATimerHandlerThatRaisesDoesNotStopTheOtherTimers) {
  HeadlessDesktop desk;
  auto* bad = new Ticker(&desk.App());
  auto* good = new Ticker(&desk.App());
  bad->onTick = [] { throw EPlatformError("tick failed"); };
  desk.App().SetTimer(bad, 1, 10);
  desk.App().SetTimer(good, 1, 10);
  desk.Advance(30);
  EXPECT_EQ(good->ticks.size(), 3u);
  EXPECT_EQ(desk.Messages().size(), 3u);
}

TEST(PostedMessages, ArriveInTheNextRoundUnlessTheTargetIsGone) {
  HeadlessDesktop desk;
  auto* a = new Ticker(&desk.App());
  auto* b = new Ticker(&desk.App());
  desk.App().PostMessage(a, WM_TIMER, 7);
  desk.App().PostMessage(b, WM_TIMER, 8);
  delete b;
  EXPECT_TRUE(a->ticks.empty());
  desk.Paint();
  ASSERT_EQ(a->ticks.size(), 1u);
  EXPECT_EQ(a->ticks[0].first, 7u);
}

TEST(MessageForm, ShowsTheTextModallyAndClosesOnOk) {
  HeadlessDesktop desk;
  desk.App().MessageBoxHook = nullptr;
  auto* main = desk.App().CreateForm<TForm>();
  main->Show();
  std::string seenText, seenCaption;
  desk.Host().OnIdle = [&] {
    auto* box = dynamic_cast<TMessageForm*>(desk.App().Windows().ActiveForm());
    ASSERT_NE(box, nullptr);
    seenText = box->Message()->Caption();
    seenCaption = box->Caption();
    desk.Key(VK_RETURN, U"\r");
  };
  EXPECT_EQ(desk.App().MessageBox("Failed:  Returned Error: 1", "Morvane", MB_OK), IDOK);
  EXPECT_EQ(seenText, "Failed:  Returned Error: 1");
  EXPECT_EQ(seenCaption, "Morvane");
  EXPECT_EQ(desk.App().Windows().ActiveForm(), main);
}

TEST(ReleasedForms, AWindowProcHookReadsItsFormAfterTheReleaseIsHandled) {
  HeadlessDesktop desk;
  auto* form = new TForm(&desk.App());
  form->SetCaption("Released");
  std::string seen;
  auto previous = form->WindowProc;
  form->WindowProc = [&seen, previous, form](TMessage& m) {
    previous(m);
    if (m.Msg == CM_RELEASE) seen = form->Caption();
  };
  auto alive = form->AliveToken();
  form->Release();
  desk.Paint();
  EXPECT_EQ(seen, "Released");
  EXPECT_FALSE(IsAlive(alive));
}

TEST(ReleasedForms, AreFreedByEveryWayTheTestDesktopPumpsMessages) {
  struct Pump {
    const char* name;
    std::function<void(HeadlessDesktop&)> run;
  };
  const Pump pumps[] = {
      {"Paint", [](HeadlessDesktop& d) { d.Paint(); }},
      {"Advance", [](HeadlessDesktop& d) { d.Advance(10); }},
  };
  for (const Pump& p : pumps) {
    SCOPED_TRACE(p.name);
    HeadlessDesktop desk;
    auto* form = new TForm(&desk.App());
    form->Show();
    auto alive = form->AliveToken();
    form->Release();
    EXPECT_TRUE(IsAlive(alive));
    p.run(desk);
    EXPECT_FALSE(IsAlive(alive));
  }
}

TEST(ReleasedForms, ANestedLoopLeavesAFormWhoseHandlerIsRunning) {
  HeadlessDesktop desk;
  auto* form = new TForm(&desk.App());
  form->SetCaption("Busy");
  auto* t = new Ticker(form);
  t->SetParent(form);
  std::string seen;
  t->onTick = [&] {
    form->Release();
    desk.App().ProcessMessages();
    seen = form->Caption();
  };
  auto alive = form->AliveToken();
  desk.App().PostMessage(t, WM_TIMER, 1);
  desk.Paint();
  EXPECT_EQ(seen, "Busy");
  EXPECT_FALSE(IsAlive(alive));
}

TEST(MainForm, AFreedMainFormIsForgotten) {
  HeadlessDesktop desk;
  auto* main = desk.App().CreateForm<TForm>();
  main->Show();
  delete main;
  EXPECT_TRUE(desk.App().Terminated());
  EXPECT_EQ(desk.App().MainForm(), nullptr);
  desk.App().SetTitle("Renamed");  // reads no freed form
}
