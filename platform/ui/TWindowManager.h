// The desktop side of the platform: the host windows of the top-level
// controls, their back buffers and painting, and the routing of mouse and
// keyboard input to controls (hit testing, capture, enter and leave,
// keyboard focus, modal windows). Every control it remembers is held by a
// weak handle, so a freed control is never reached.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "IHost.h"
#include "core/Geometry.h"
#include "core/TWeak.h"

class TBitmap;
class TControl;
class TWinControl;
class TCustomForm;

class TWindowManager : public IHostListener {
 public:
  explicit TWindowManager(IHost& Host);
  ~TWindowManager() override;

  IHost& Host() const { return host_; }

  // Top-level windows.
  THostWindow Attach(TWinControl* TopLevel, const THostWindowParams& Params);
  void Detach(TWinControl* TopLevel);
  TWinControl* TopLevelOf(THostWindow Window) const;
  std::vector<TWinControl*> TopLevels() const;
  // A control left its parent: it and the controls in it no longer hold
  // the capture, the mouse, the focus or the keyboard.
  void ControlRemoved(TControl* Control);

  // Painting.
  void ScheduleRepaint(TWinControl* TopLevel);
  void PaintPending();
  void PaintWindow(TWinControl* TopLevel);
  // The back buffer of a top-level window (nullptr before its first paint).
  TBitmap* BackBuffer(const TWinControl* TopLevel) const;
  // How many WM_PAINT messages the paint passes have sent in all.
  uint64_t PaintCount() const { return paintCount_; }

  // Mouse. SetCaptureControl is the one way the capture changes hands;
  // the loser gets WM_CAPTURECHANGED with the new holder in LParam.
  TControl* CaptureControl() const { return capture_.Get(); }
  void SetCaptureControl(TControl* Control);
  // Sends WM_CANCELMODE to the capture holder and the focused control:
  // the program lost the user's attention or a modal loop starts, so a
  // drag or a press in progress ends.
  void CancelModes();
  TControl* MouseControl() const { return mouseControl_.Get(); }
  // The control under a screen point (windowed controls answering
  // HTTRANSPARENT let the point through).
  TControl* FindControlAt(TPoint Screen, bool AllowDisabled) const;
  TPoint CursorPos() const;
  // Re-checks which control is under the cursor and sends enter/leave.
  void UpdateMouseControl();

  // Keyboard focus.
  TWinControl* Focus() const { return focus_.Get(); }
  void SetFocus(TWinControl* Control);
  TCustomForm* ActiveForm() const { return activeForm_.Get(); }
  // While set, keys go to this control instead of the focused one (an
  // open pop-up menu takes the keyboard without taking the focus).
  TWinControl* KeyboardGrab() const { return keyboardGrab_.Get(); }
  void SetKeyboardGrab(TWinControl* Control);
  void ActivateForm(TCustomForm* Form);
  // The keys and mouse buttons as of the event being handled, as the
  // delivered events left them: the high bit when down, the low bit when a
  // lock key is toggled on. Forgotten when the program is deactivated.
  int16_t GetKeyState(uint16_t Key) const;
  bool IsKeyDown(uint16_t Key) const { return GetKeyState(Key) < 0; }
  // The desktop's state at this moment, which may be ahead of the events
  // handled so far.
  bool IsKeyDownNow(uint16_t Key) const { return host_.IsKeyDown(Key); }

  // Moves (Hit HTCAPTION) or resizes from an edge or corner a top-level
  // window with the pointer, for a desktop that cannot: the window follows
  // the pointer until a button is released or pressed, and the arrow keys
  // until Enter (Escape puts it back).
  void BeginFrameDrag(TWinControl* TopLevel, int Hit);
  bool FrameDragging() const { return frameDrag_.Window.Get() != nullptr; }
  // Start's rectangle with the side or sides of Hit (or all, for
  // HTCAPTION) moved by Delta, never smaller than 32 x 32.
  static TRect DraggedFrame(const TRect& Start, int Hit, TPoint Delta);

  // Modal forms: while one is shown, only it takes input.
  void PushModal(TCustomForm* Form);
  void PopModal(TCustomForm* Form);
  // The innermost modal form that still exists.
  TCustomForm* ModalForm() const;

  std::vector<TMonitor> Monitors() const { return host_.Monitors(); }
  TMonitor MonitorFor(const TRect& ScreenRect) const;
  TMonitor PrimaryMonitor() const;

  // IHostListener.
  void HostMouse(THostWindow Window, const THostMouseEvent& Event) override;
  void HostKey(THostWindow Window, const THostKeyEvent& Event) override;
  void HostCloseRequest(THostWindow Window) override;
  void HostGeometryChanged(THostWindow Window, const TRect& Bounds, THostShowState State) override;
  void HostActivated(THostWindow Window, bool Active) override;

 private:
  struct Window;
  Window* Find(const TWinControl* TopLevel) const;
  Window* Find(THostWindow Host) const;
  TWinControl* HitTestWindow(TWinControl* Root, TPoint Screen, bool AllowDisabled) const;
  // The resize zone a frameless window names for a point near its edges,
  // where it goes before the children; HTNOWHERE elsewhere.
  int FrameZoneAt(TWinControl* Top, TPoint Screen) const;
  void DeliverMouse(TControl* Target, uint32_t Msg, TPoint Screen, intptr_t Keys);
  void PaintTree(Window& W, TWinControl* Control, TPoint Offset, TRegion& Dirty);
  bool AcceptsInput(const TWinControl* TopLevel) const;
  // Asks the desktop to grab the mouse for the capture holder's window,
  // unless it is a pop-up, and releases an earlier grab.
  void UpdateMouseGrab();
  // Records a key (or button) going down or up in the key state.
  void SetKeyState(uint16_t Key, bool Down, bool AutoRepeat = false);
  // The modifier and button keys as an event reports them.
  void SyncKeyState(TShiftState Shift, bool Buttons);

  IHost& host_;
  std::vector<std::unique_ptr<Window>> windows_;
  TWeak<TControl> capture_;
  TWeak<TControl> mouseControl_;
  TWeak<TWinControl> focus_;
  TWeak<TWinControl> keyboardGrab_;
  TWeak<TCustomForm> activeForm_;
  std::vector<TWeak<TCustomForm>> modal_;
  THostWindow mouseGrab_ = 0;
  std::array<uint8_t, 256> keyState_{};
  TPoint lastCursor_;
  // The keys of a frame drag; true when one is going on.
  bool FrameDragKey(const THostKeyEvent& E);
  struct TFrameDrag {
    TWeak<TWinControl> Window;
    int Hit = 0;
    TPoint Start;  // the pointer, on the screen
    TRect Bounds;  // the window's, at the start
  } frameDrag_;
  uint64_t paintCount_ = 0;
};
