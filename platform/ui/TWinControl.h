// Windowed controls: they hold child controls, take the keyboard focus,
// get their own update area and paint through WM_PAINT. A windowed
// control without a parent (or with the popup style) is a top-level
// window of the host.
#pragma once

#include <vector>

#include "IHost.h"
#include "TControl.h"
#include "graphics/TBrush.h"
#include "graphics/TRegion.h"

class TCanvas;
class TDeviceContext;

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // Children in z-order, bottom first.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int Index) const { return controls_.at(Index); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* AControl) const;
  // The child at client point P (enabled children only unless
  // AllowDisabled; graphic children only unless AllowWinControls).
  TControl* ControlAtPos(TPoint P, bool AllowDisabled, bool AllowWinControls = false) const;
  // Sends Message to every child until one answers with a nonzero Result.
  void Broadcast(TMessage& Message);

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool Value);
  std::vector<TWinControl*> TabList() const;
  TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop, bool CheckParent) const;
  void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  // The rectangle aligned children are placed in.
  virtual void AdjustClientRect(TRect& Rect) const {}
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Top-level windows.
  bool IsTopLevel() const;
  // The creation parameters the host makes a top-level window from.
  virtual void CreateParams(TCreateParams& Params) const;
  bool HandleAllocated() const { return hostWindow_ != 0; }
  // The window's shape in its own coordinates; nullptr for its whole
  // rectangle. Outside it the window shows nothing and takes no input:
  // what lies behind shows and takes the mouse there.
  const TRegion* WindowRgn() const { return windowRgn_.get(); }
  void SetWindowRgn(const TRegion* Region);
  uint32_t HostWindow() const { return hostWindow_; }
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TPoint ClientOrigin() const override;
  bool Showing() const override;

  // Painting.
  void Invalidate() override;
  void Update() override;
  // Marks R (client coordinates) for repainting; Erase asks for a
  // WM_ERASEBKGND first.
  void InvalidateRect(const TRect& R, bool Erase);
  void InvalidateRegion(const TRegion& R, bool Erase);
  const TRegion& UpdateRegion() const { return updateRegion_; }
  // Paints the graphic children that intersect the context's clip.
  void PaintControls(TDeviceContext* DC, TControl* First);

  TBrush* Brush() const { return brush_.get(); }
  bool DoubleBuffered = true;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  // Paints the control's own surface into DC (custom controls: Paint).
  virtual void PaintWindow(TDeviceContext* DC) {}
  void PaintHandler(TMessage& Message);
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  virtual void DoEnter();
  virtual void DoExit();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  // The kind of host window a top-level control with these parameters gets.
  virtual THostWindowKind HostWindowKind(const TCreateParams& Params) const;
  // Makes, shows and hides the host window of a top-level control.
  virtual void CreateHandle();
  void DestroyHandle();
  void UpdateShowing();
  // The state the host window takes when it goes on screen.
  virtual THostShowState HostShowState() const { return hssNormal; }
  // Whether the host window is on screen: shown, and not of zero size.
  bool HostMapped() const { return hostMapped_; }
  // WM_SIZE with the present size and, for a form, the kind of its state.
  void SendSize();
  // The window a top-level control belongs to: the form it lies in; for a
  // hint or menu, and for a window shown while another form is active (a
  // message box, a modal form), the active form; for a hint, a menu or a
  // modal form shown while none is, the main form.
  uint32_t OwnerWindow() const;
  void BoundsChanged(bool Moved, bool Resized) override;

 private:
  friend class TControl;
  friend class TWindowManager;
  bool IsControlMouseMsg(TMessage& Message);
  bool DoKeyDown(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  void HandleChildKey(TMessage& Message, uint32_t DialogMessage);
  void NotifyChildrenShowing();
  // Puts the host window on screen, painted first, or takes it off, as
  // showing and size now ask.
  void SyncMapping();

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  uint32_t hostWindow_ = 0;
  std::unique_ptr<TRegion> windowRgn_;
  bool hostShown_ = false;
  bool hostMapped_ = false;
  // Set while the control is told it is showing: the window goes on
  // screen afterwards, whatever the handlers change meanwhile.
  bool holdMapping_ = false;
  uint32_t hostOwner_ = 0;
  TRegion updateRegion_;
  bool eraseRequested_ = false;
  std::unique_ptr<TBrush> brush_;
};
