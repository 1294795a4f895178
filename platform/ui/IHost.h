// What the platform asks of the desktop it runs on: top-level windows that
// show a back buffer, input, screens, and a way to wait for events. The
// real host is Qt; the headless host keeps windows as images for tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ControlTypes.h"
#include "core/Geometry.h"
#include "graphics/TRegion.h"

class TBitmap;

using THostWindow = uint32_t;

enum THostWindowKind {
  hwkFramed,     // a window the desktop decorates
  hwkFrameless,  // a top-level window that draws its own frame
  hwkPopup,      // hint and tip windows: no taskbar entry, never active
  hwkMenu        // pop-up menus: take the mouse and keyboard while open
};

enum THostShowState { hssHidden, hssNormal, hssMinimized, hssMaximized };

struct THostWindowParams {
  THostWindowKind Kind = hwkFramed;
  bool DropShadow = false;
  bool InputTransparent = false;  // clicks pass through to what lies below
  std::string Title;
  TRect Bounds;  // on the screen
  THostWindow Transient = 0;  // the window this one belongs to
};

struct TMonitor {
  TRect BoundsRect;
  TRect WorkareaRect;
  bool Primary = false;
};

enum THostMouseKind { hmMove, hmPress, hmDoubleClick, hmRelease, hmWheel, hmLeave };

struct THostMouseEvent {
  THostMouseKind Kind = hmMove;
  TMouseButton Button = mbLeft;
  TPoint Pos;     // in the window
  TPoint Screen;  // on the screen
  TShiftState Shift;
  int WheelDelta = 0;  // 120 per notch, positive away from the user
};

struct THostKeyEvent {
  bool Down = true;
  uint16_t Key = 0;  // virtual key code
  TShiftState Shift;
  bool AutoRepeat = false;
  std::u32string Text;  // characters the key produced
};

class IHostListener {
 public:
  virtual ~IHostListener() = default;
  virtual void HostMouse(THostWindow Window, const THostMouseEvent& Event) = 0;
  virtual void HostKey(THostWindow Window, const THostKeyEvent& Event) = 0;
  virtual void HostCloseRequest(THostWindow Window) = 0;
  // The desktop moved, resized, minimised or maximised the window.
  virtual void HostGeometryChanged(THostWindow Window, const TRect& Bounds, THostShowState State) = 0;
  virtual void HostActivated(THostWindow Window, bool Active) = 0;
};

class IHost {
 public:
  virtual ~IHost() = default;
  virtual void SetListener(IHostListener* Listener) = 0;
  virtual THostWindow CreateWindow(const THostWindowParams& Params) = 0;
  virtual void DestroyWindow(THostWindow Window) = 0;
  virtual void SetBounds(THostWindow Window, const TRect& Bounds) = 0;
  virtual void SetShowState(THostWindow Window, THostShowState State) = 0;
  // Makes Window belong to Owner (0: to none): it stays above its owner and
  // gets no taskbar entry of its own.
  virtual void SetTransient(THostWindow Window, THostWindow Owner) = 0;
  virtual void SetTitle(THostWindow Window, const std::string& Title) = 0;
  // The bytes of a PNG or BMP file; empty for none.
  virtual void SetIcon(THostWindow Window, std::span<const uint8_t> Image) = 0;
  // nullptr: the whole rectangle.
  virtual void SetMask(THostWindow Window, const TRegion* Region) = 0;
  // The back buffer's Dirty area changed; show it.
  virtual void Present(THostWindow Window, const TBitmap& BackBuffer, const TRegion& Dirty) = 0;
  virtual void SetCursor(THostWindow Window, TCursor Cursor) = 0;
  // Asks the desktop to move the window with the pointer while the button
  // that is down stays down; false when it cannot (no window manager).
  virtual bool StartSystemMove(THostWindow Window) = 0;
  // HitTest is one of the HTLEFT ... HTBOTTOMRIGHT codes.
  // The same for a resize from an edge or corner.
  virtual bool StartSystemResize(THostWindow Window, int HitTest) = 0;
  virtual void Activate(THostWindow Window) = 0;
  // Keeps the mouse's events going to Window wherever the pointer is,
  // while a control in it holds the capture (pop-ups grab on their own).
  virtual void SetMouseGrab(THostWindow Window, bool Grab) = 0;
  virtual std::vector<TMonitor> Monitors() const = 0;
  virtual TPoint CursorPos() const = 0;
  virtual bool IsKeyDown(uint16_t Key) const = 0;
  // Handles the events that are waiting; with TimeoutMs > 0 first waits up
  // to that long for one, with -1 without limit.
  virtual void ProcessEvents(int TimeoutMs) = 0;
};
