#include "TApplication.h"

#include <algorithm>

#include "TControl.h"
#include "TCustomForm.h"
#include "TMessageForm.h"
#include "core/Exceptions.h"

TApplication* Application = nullptr;

namespace {

// One loop round running for the length of a scope.
class LoopRound {
 public:
  explicit LoopRound(int& Depth) : depth_(Depth) { ++depth_; }
  ~LoopRound() { --depth_; }
  LoopRound(const LoopRound&) = delete;
  LoopRound& operator=(const LoopRound&) = delete;

 private:
  int& depth_;
};

}  // namespace

struct TApplication::Timer {
  TControl* target = nullptr;  // nullptr for a callback timer
  std::weak_ptr<void> alive;
  uintptr_t id = 0;
  TTimerCallback callback;
  unsigned interval = 0;
  int64_t due = 0;
  uint64_t seq = 0;
};

struct TApplication::Posted {
  TControl* target;
  std::weak_ptr<void> alive;
  uint32_t msg;
  intptr_t wparam, lparam;
};

TApplication::TApplication(IHost& Host, IClock& Clock)
    : TComponent(nullptr),
      host_(Host),
      clock_(Clock),
      windows_(Host),
      hints_(std::make_unique<THintController>(*this)) {
  Application = this;
  host_.SetListener(&windows_);
}

TApplication::~TApplication() {
  hints_.reset();
  // Forms and the rest go while the window manager is still here.
  FreeReleased();
  DestroyComponents();
  timers_.clear();
  host_.SetListener(nullptr);
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(const std::string& Value) {
  if (title_ == Value) return;
  title_ = Value;
  TCustomForm* main = MainForm();
  if (main && main->HandleAllocated() && main->Text().empty()) host_.SetTitle(main->HostWindow(), title_);
}

void TApplication::SetIcon(std::span<const uint8_t> Image) {
  icon_.assign(Image.begin(), Image.end());
  for (TWinControl* top : windows_.TopLevels())
    if (dynamic_cast<TCustomForm*>(top) && top->HandleAllocated()) host_.SetIcon(top->HostWindow(), icon_);
}

void TApplication::Run() {
  if (TCustomForm* main = MainForm()) {
    Guarded([&] { main->Show(); });
    if (TCustomForm* shown = MainForm()) windows_.ActivateForm(shown);
  }
  while (!terminated_) HandleMessage();
}

void TApplication::RunRound(int TimeoutMs) {
  host_.ProcessEvents(TimeoutMs);
  DeliverPosted();
  while (RunDueTimer(clock_.NowMs())) DeliverPosted();
  windows_.PaintPending();
}

void TApplication::ProcessMessages() {
  LoopRound round(loopDepth_);
  RunRound(0);
}

void TApplication::HandleMessage() {
  LoopRound round(loopDepth_);
  RunRound(0);
  if (terminated_) return;
  int64_t next = NextTimerDue();
  int timeout = next < 0 ? -1 : static_cast<int>(std::clamp<int64_t>(next - clock_.NowMs(), 0, 1 << 30));
  if (!posted_.empty() || (loopDepth_ == 1 && !released_.empty())) timeout = 0;
  RunRound(timeout);
}

void TApplication::PostMessage(TControl* Target, uint32_t Msg, intptr_t WParam, intptr_t LParam) {
  if (!Target) return;
  posted_.push_back({Target, Target->AliveToken(), Msg, WParam, LParam});
}

void TApplication::ReleaseComponent(TComponent* Component) {
  if (Component) released_.push_back(Component);
}

void TApplication::DeliverPosted() {
  const bool outermost = loopDepth_ == 1;
  while (!posted_.empty() || (outermost && !released_.empty())) {
    std::vector<Posted> batch;
    batch.swap(posted_);
    for (Posted& p : batch)
      if (IsAlive(p.alive)) Guarded([&] { p.target->Perform(p.msg, p.wparam, p.lparam); });
    if (outermost) FreeReleased();
  }
}

void TApplication::FreeReleased() {
  while (!released_.empty()) {
    std::vector<TWeak<TComponent>> batch;
    batch.swap(released_);
    // One may free another (a form its controls): that one reads nullptr.
    for (const TWeak<TComponent>& c : batch) delete c.Get();
  }
}

void TApplication::SetTimer(TControl* Target, uintptr_t Id, unsigned Interval) {
  if (!Target) return;
  Interval = std::max(USER_TIMER_MINIMUM, Interval);
  for (Timer& t : timers_)
    if (t.target == Target && t.id == Id) {
      t.interval = Interval;
      t.due = clock_.NowMs() + Interval;
      t.seq = ++timerSeq_;
      return;
    }
  timers_.push_back({Target, Target->AliveToken(), Id, nullptr, Interval, clock_.NowMs() + Interval, ++timerSeq_});
}

void TApplication::KillTimer(TControl* Target, uintptr_t Id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.target == Target && t.id == Id; }),
                timers_.end());
}

void TApplication::KillTimers(TControl* Target) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.target == Target; }),
                timers_.end());
}

bool TApplication::TimerActive(const TControl* Target, uintptr_t Id) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&](const Timer& t) { return t.target == Target && t.id == Id; });
}

uintptr_t TApplication::StartTimer(unsigned Interval, TTimerCallback Callback, std::weak_ptr<void> Alive) {
  uintptr_t id = nextCallbackTimer_++;
  Interval = std::max(USER_TIMER_MINIMUM, Interval);
  timers_.push_back({nullptr, std::move(Alive), id, std::move(Callback), Interval, clock_.NowMs() + Interval,
                     ++timerSeq_});
  return id;
}

void TApplication::StopTimer(uintptr_t Id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return !t.target && t.id == Id; }),
                timers_.end());
}

int64_t TApplication::NextTimerDue() const {
  int64_t next = -1;
  for (const Timer& t : timers_)
    if (next < 0 || t.due < next) next = t.due;
  return next;
}

bool TApplication::RunDueTimer(int64_t Until) {
  auto best = timers_.end();
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->due > Until) continue;
    if (best == timers_.end() || it->due < best->due || (it->due == best->due && it->seq < best->seq)) best = it;
  }
  if (best == timers_.end()) return false;
  if (!IsAlive(best->alive)) {
    timers_.erase(best);
    return true;
  }
  if (auto* vc = dynamic_cast<TVirtualClock*>(&clock_); vc && best->due > vc->NowMs()) vc->Set(best->due);
  int64_t now = clock_.NowMs();
  // The next tick follows the previous one; a loop that fell behind does
  // not run a burst of ticks to catch up.
  best->due = best->due + best->interval > now ? best->due + best->interval : now + best->interval;
  best->seq = ++timerSeq_;
  TControl* target = best->target;
  uintptr_t id = best->id;
  TTimerCallback callback = best->callback;
  Guarded([&] {
    if (target) target->Perform(WM_TIMER, static_cast<intptr_t>(id));
    else if (callback) callback();
  });
  return true;
}

void TApplication::AdvanceTime(int64_t Ms) {
  auto* vc = dynamic_cast<TVirtualClock*>(&clock_);
  if (!vc) throw EPlatformError("AdvanceTime needs the virtual clock");
  LoopRound round(loopDepth_);
  int64_t until = vc->NowMs() + Ms;
  DeliverPosted();
  while (RunDueTimer(until)) DeliverPosted();
  vc->Set(until);
  windows_.PaintPending();
}

void TApplication::HandleException(const std::exception& E) {
  if (OnException) {
    OnException(this, E);
    return;
  }
  ShowException(E);
}

void TApplication::ShowException(const std::exception& E) {
  std::string msg = E.what();
  if (!msg.empty() && static_cast<unsigned char>(msg.back()) > '.') msg += '.';
  MessageBox(msg, title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& Text, const std::string& Caption, int Flags) {
  if (MessageBoxHook) return MessageBoxHook(Text, Caption, Flags);
  return ShowMessageForm(Text, Caption, Flags);
}

void TApplication::Minimize() {
  // A form's handlers may free other forms.
  std::vector<TWeak<TCustomForm>> forms;
  for (TWinControl* top : windows_.TopLevels())
    if (auto* form = dynamic_cast<TCustomForm*>(top); form && form->Showing()) forms.emplace_back(form);
  for (const TWeak<TCustomForm>& form : forms)
    if (form) form->SetWindowState(wsMinimized);
}
