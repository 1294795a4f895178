// The application: its title, main form and message loop, the timers on
// the application's clock, posted messages, components freed at loop
// level, and what happens to a failure that no handler caught.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "IHost.h"
#include "TClock.h"
#include "THintController.h"
#include "TWallClock.h"
#include "TWindowManager.h"
#include "core/TComponent.h"
#include "core/TWeak.h"

class TControl;
class TCustomForm;

using TTimerCallback = std::function<void()>;

// The shortest timer interval: shorter ones run at this one, as window
// timers do on the platform the kit comes from.
constexpr unsigned USER_TIMER_MINIMUM = 10;

class TApplication : public TComponent {
 public:
  TApplication(IHost& Host, IClock& Clock);
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  void Initialize() {}
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& Value);
  // The icon the taskbar shows for the application's windows: the bytes
  // of a PNG or BMP file.
  std::span<const uint8_t> Icon() const { return icon_; }
  void SetIcon(std::span<const uint8_t> Image);
  TCustomForm* MainForm() const { return mainForm_.Get(); }
  // Creates a form owned by the application; the first becomes the main form.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    T* form = new T(this, std::forward<Args>(args)...);
    if (!mainForm_) mainForm_ = form;
    return form;
  }

  // Minimises every shown form of the program.
  void Minimize();

  // Shows the main form and handles messages until Terminate.
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // One round: posted messages, due timers, painting; then waits for
  // input until the next timer is due.
  void HandleMessage();
  // One round without waiting.
  void ProcessMessages();

  // Posted messages are delivered by the next round, unless the target
  // is gone by then.
  void PostMessage(TControl* Target, uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);
  // Frees Component at loop level: after the posted messages of a round of
  // the outermost loop, never while a message is being handled (a nested
  // loop, such as a modal one, runs inside some handler).
  void ReleaseComponent(TComponent* Component);

  // Window timers: Target receives WM_TIMER with Id every Interval ms.
  // Setting an existing timer restarts it with the new interval.
  // Intervals under USER_TIMER_MINIMUM run at USER_TIMER_MINIMUM.
  void SetTimer(TControl* Target, uintptr_t Id, unsigned Interval);
  void KillTimer(TControl* Target, uintptr_t Id);
  void KillTimers(TControl* Target);
  // Timers with a callback (for non-visual components); returns the id.
  uintptr_t StartTimer(unsigned Interval, TTimerCallback Callback, std::weak_ptr<void> Alive);
  void StopTimer(uintptr_t Id);
  bool TimerActive(const TControl* Target, uintptr_t Id) const;
  int64_t Now() const { return clock_.NowMs(); }
  IClock& Clock() const { return clock_; }
  // The local date and time: the system's, unless one was set.
  IWallClock& WallClock() const { return *wallClock_; }
  // nullptr returns to the system's local time.
  void SetWallClock(IWallClock* Clock) { wallClock_ = Clock ? Clock : &localWallClock_; }
  // Only with a virtual clock: moves time on by Ms, running every timer
  // that falls due on the way at its own time, then paints.
  void AdvanceTime(int64_t Ms);

  // A failure that reached the loop: OnException, or an error box with
  // the message (a full stop added when its last character sorts after
  // the full stop) and the title as caption.
  void HandleException(const std::exception& E);
  void ShowException(const std::exception& E);
  std::function<void(TObject* Sender, const std::exception& E)> OnException;
  // Runs F; a failure it raises goes to HandleException.
  template <class F>
  void Guarded(F&& f) {
    try {
      f();
    } catch (const std::exception& e) {
      HandleException(e);
    }
  }

  // The simple message box: the text, one OK button and Caption.
  int MessageBox(const std::string& Text, const std::string& Caption, int Flags);
  // Replaces the message box window (tests record the boxes this way).
  std::function<int(const std::string& Text, const std::string& Caption, int Flags)> MessageBoxHook;

  // Hints. The controller shows them; what follows is its switch, its
  // window class and the application's say before each hint.
  THintController& Hints() { return *hints_; }
  bool ShowHint() const { return hints_->ShowHint(); }
  void SetShowHint(bool Value) { hints_->SetShowHint(Value); }
  void CancelHint() { hints_->CancelHint(); }
  THintWindowClass HintWindowClass() const { return hints_->HintWindowClass(); }
  void SetHintWindowClass(THintWindowClass Value) { hints_->SetHintWindowClass(Value); }
  // Runs before each hint, after the control's CM_HINTSHOW; may change the
  // text and the record, or clear CanShow.
  std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)> OnShowHint;

  IHost& Host() const { return host_; }
  TWindowManager& Windows() { return windows_; }

 private:
  struct Timer;
  struct Posted;
  // Delivers the posted messages; at the outermost loop also frees the
  // released components.
  void DeliverPosted();
  void FreeReleased();
  // Input (waiting up to TimeoutMs), posted messages, due timers, painting.
  void RunRound(int TimeoutMs);
  // Runs the earliest timer due at or before Until; false when none is.
  bool RunDueTimer(int64_t Until);
  int64_t NextTimerDue() const;

  IHost& host_;
  IClock& clock_;
  TLocalWallClock localWallClock_;
  IWallClock* wallClock_ = &localWallClock_;
  TWindowManager windows_;
  std::unique_ptr<THintController> hints_;
  std::string title_;
  std::vector<uint8_t> icon_;
  TWeak<TCustomForm> mainForm_;
  bool terminated_ = false;
  std::vector<Timer> timers_;
  std::vector<Posted> posted_;
  std::vector<TWeak<TComponent>> released_;
  // How many loop rounds (HandleMessage, ProcessMessages, AdvanceTime)
  // are running, one inside another.
  int loopDepth_ = 0;
  uint64_t timerSeq_ = 0;
  uintptr_t nextCallbackTimer_ = 1;
  bool showingException_ = false;
};

extern TApplication* Application;
