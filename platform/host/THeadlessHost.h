// A desktop in memory for tests: windows are records with the back buffer
// they last presented, the screen is fixed, and input is injected by the
// test at screen points, then routed as a real desktop would route it
// (the window under the point, the pressed window while a button is held,
// leave when the cursor goes elsewhere, keys to the active window).
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/IHost.h"

class THeadlessHost : public IHost {
 public:
  struct TWindowInfo {
    THostWindowParams Params;
    TRect Bounds;
    TRect RestoredBounds;
    THostShowState State = hssHidden;
    std::string Title;
    bool Masked = false;
    TRegion Mask;
    TCursor Cursor = crDefault;
    size_t IconBytes = 0;
    int Presents = 0;
    // Presents made before the window last went on screen; -1 before that.
    int PresentsAtMap = -1;
    const TBitmap* Buffer = nullptr;
  };

  THeadlessHost();
  ~THeadlessHost() override;

  // IHost.
  void SetListener(IHostListener* Listener) override { listener_ = Listener; }
  THostWindow CreateWindow(const THostWindowParams& Params) override;
  void DestroyWindow(THostWindow Window) override;
  void SetBounds(THostWindow Window, const TRect& Bounds) override;
  void SetShowState(THostWindow Window, THostShowState State) override;
  void SetTransient(THostWindow Window, THostWindow Owner) override;
  void SetTitle(THostWindow Window, const std::string& Title) override;
  void SetIcon(THostWindow Window, std::span<const uint8_t> Image) override;
  void SetMask(THostWindow Window, const TRegion* Region) override;
  void Present(THostWindow Window, const TBitmap& BackBuffer, const TRegion& Dirty) override;
  void SetCursor(THostWindow Window, TCursor Cursor) override;
  bool StartSystemMove(THostWindow Window) override {
    ++SystemMoves;
    return DesktopMoves;
  }
  bool StartSystemResize(THostWindow Window, int HitTest) override {
    ++SystemResizes;
    LastResizeHitTest = HitTest;
    return DesktopMoves;
  }
  void Activate(THostWindow Window) override;
  void SetMouseGrab(THostWindow Window, bool Grab) override;
  std::vector<TMonitor> Monitors() const override { return monitors_; }
  TPoint CursorPos() const override { return cursor_; }
  bool IsKeyDown(uint16_t Key) const override { return keys_.count(Key) != 0; }
  void ProcessEvents(int TimeoutMs) override;

  // The test's side.
  const TWindowInfo* Info(THostWindow Window) const;
  // Live windows, bottom first.
  std::vector<THostWindow> Windows() const { return order_; }
  THostWindow ActiveWindow() const { return active_; }
  // The window that grabbed the mouse through SetMouseGrab; 0 for none.
  THostWindow MouseGrab() const { return mouseGrab_; }
  void SetMonitors(std::vector<TMonitor> Monitors) { monitors_ = std::move(Monitors); }

  void MoveMouse(TPoint Screen);
  void PressMouse(TMouseButton Button = mbLeft, bool DoubleClick = false);
  void ReleaseMouse(TMouseButton Button = mbLeft);
  void Wheel(int Delta);
  // Key down with the characters it types (none for keys that type none).
  void PressKey(uint16_t Key, std::u32string Text = U"");
  void ReleaseKey(uint16_t Key);
  // The key goes down or up on the desktop without an event reaching the
  // program yet (one still queued behind the event being handled).
  void SetLiveKeyState(uint16_t Key, bool Down);
  // The desktop moves, resizes or changes the state of a window.
  void ChangeGeometry(THostWindow Window, const TRect& Bounds, THostShowState State);
  void RequestClose(THostWindow Window);

  // Runs when a loop waits for input (modal loops); without it a wait is
  // a test error and raises.
  std::function<void()> OnIdle;

  // False plays a bare X server: a window's state changes on request, but
  // nothing fits a maximised window to the screen or restores its size.
  bool ResizesMaximized = true;

  int SystemMoves = 0;
  // Whether the desktop takes system moves and resizes (a window manager
  // does; a bare X server does not, and the platform moves the window).
  bool DesktopMoves = true;
  int SystemResizes = 0;
  int LastResizeHitTest = 0;

 private:
  THostWindow WindowAt(TPoint Screen) const;
  TShiftState Shift() const;
  void SendMouse(THostWindow Window, THostMouseKind Kind, TMouseButton Button, int Delta = 0);
  void Raise(THostWindow Window);

  IHostListener* listener_ = nullptr;
  std::map<THostWindow, TWindowInfo> windows_;
  std::vector<THostWindow> order_;
  THostWindow nextId_ = 1;
  THostWindow active_ = 0;
  THostWindow hover_ = 0;
  THostWindow grab_ = 0;
  THostWindow mouseGrab_ = 0;
  std::set<TMouseButton> buttons_;
  std::set<uint16_t> keys_;
  TPoint cursor_{-1, -1};
  std::vector<TMonitor> monitors_;
};
