// A test's desktop: the headless host, the virtual clock (with a wall
// clock that moves with it) and the application, with input helpers that act at a control's client points
// and read back painted pixels.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics/TColor.h"
#include "host/THeadlessHost.h"
#include "ui/TApplication.h"
#include "ui/TClock.h"
#include "ui/TWallClock.h"

class TControl;
class TWinControl;

struct TShownMessage {
  std::string Text;
  std::string Caption;
  int Flags;
};

class HeadlessDesktop {
 public:
  HeadlessDesktop();
  ~HeadlessDesktop();

  THeadlessHost& Host() { return host_; }
  TApplication& App() { return *app_; }
  // The application's local time; set it to start from a known moment.
  TVirtualWallClock& WallClock() { return wallClock_; }
  // Message boxes shown so far (recorded instead of shown).
  const std::vector<TShownMessage>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }

  // The screen point of a client point of Control.
  static TPoint ScreenPoint(const TControl* Control, TPoint Client);
  void MoveTo(const TControl* Control, TPoint Client);
  void Press(TMouseButton Button = mbLeft);
  void Release(TMouseButton Button = mbLeft);
  // Moves there, presses and releases the left button.
  void Click(const TControl* Control, TPoint Client);
  void Click(const TControl* Control);
  // Key down and up; Text is what the key types.
  void Key(uint16_t VirtualKey, std::u32string Text = U"");
  void Type(char32_t Ch);

  // Runs the timers due within Ms and paints.
  void Advance(int64_t Ms) { app_->AdvanceTime(Ms); }
  // Paints every window that needs it.
  void Paint() { app_->ProcessMessages(); }
  // A pixel of Control's client area as last painted on its window.
  TColor Pixel(const TControl* Control, int X, int Y);

 private:
  THeadlessHost host_;
  TVirtualClock clock_;
  TVirtualWallClock wallClock_{&clock_};
  std::unique_ptr<TApplication> app_;
  std::vector<TShownMessage> messages_;
};
