// The real desktop: each top-level window of the platform is a Qt raster
// window showing its back buffer; Qt's input and window events become
// host events for the window manager.
#pragma once

#include <map>
#include <memory>
#include <set>

#include "ui/IHost.h"

class TQtHostWindow;

class TQtHost : public IHost {
 public:
  TQtHost();
  ~TQtHost() override;

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
  bool StartSystemMove(THostWindow Window) override;
  bool StartSystemResize(THostWindow Window, int HitTest) override;
  void Activate(THostWindow Window) override;
  void SetMouseGrab(THostWindow Window, bool Grab) override;
  std::vector<TMonitor> Monitors() const override;
  TPoint CursorPos() const override;
  bool IsKeyDown(uint16_t Key) const override;
  void ProcessEvents(int TimeoutMs) override;

  // What the desktop is told of a window (for tests of the host).
  struct TWindowTraits {
    THostWindow Owner = 0;       // its transient parent
    bool TaskbarEntry = false;   // a plain top-level window of its own
    bool TakesFocus = false;
    bool StaysOnTop = false;
    bool Mapped = false;
  };
  TWindowTraits Traits(THostWindow Window) const;

  // Called by the windows.
  IHostListener* Listener() const { return listener_; }
  void KeyState(uint16_t Key, bool Down);

 private:
  TQtHostWindow* Find(THostWindow Window) const;

  IHostListener* listener_ = nullptr;
  std::map<THostWindow, TQtHostWindow*> windows_;
  THostWindow nextId_ = 1;
  std::set<uint16_t> keys_;
  struct Waker;
  std::unique_ptr<Waker> waker_;
};
