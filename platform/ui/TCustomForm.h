// Forms: top-level windows with a caption, a border style, a position on
// the screen, the active control, modal showing and closing.
#pragma once

#include <functional>

#include "TCustomControl.h"
#include "core/TSet.h"
#include "core/TWeak.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TDefaultMonitor { dmDesktop, dmPrimary, dmMainForm, dmActiveForm };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;

class TCustomForm : public TCustomControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }
  void WndProc(TMessage& Message) override;
  void CreateParams(TCreateParams& Params) const override;

  void SetClientSize(int AWidth, int AHeight) { SetBounds(Left(), Top(), AWidth, AHeight); }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons Value) { borderIcons_ = Value; }
  TPosition Position() const { return position_; }
  void SetPosition(TPosition Value) { position_ = Value; }
  TDefaultMonitor DefaultMonitor() const { return defaultMonitor_; }
  void SetDefaultMonitor(TDefaultMonitor Value) { defaultMonitor_ = Value; }
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState Value);
  // The desktop changed the state (the window is already so).
  void SyncWindowState(TWindowState Value);
  // Where the window lies when maximised: what WM_GETMINMAXINFO answers,
  // by default the work area of the window's monitor.
  TRect MaximizedBounds();
  bool KeyPreview = false;

  TWinControl* ActiveControl() const { return activeControl_.Get(); }
  void SetActiveControl(TWinControl* Control);
  // Called by a control that received the focus.
  void SetFocusedControl(TWinControl* Control);
  // Gives Control the keyboard focus, or makes it the active control to
  // focus when this form is activated.
  void FocusControl(TWinControl* Control);
  bool Active() const;

  void Close();
  // Shows the form and runs the message loop until ModalResult is set.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool Modal() const { return modal_; }
  // Frees the form at loop level, once the messages being handled are
  // done: posts CM_RELEASE, whose handling hands the form to
  // TApplication::ReleaseComponent.
  void Release();

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  std::function<void(TObject* Sender, TCloseAction& Action)> OnClose;
  std::function<void(TObject* Sender, bool& CanClose)> OnCloseQuery;

 protected:
  // Runs OnCreate; a form calls it at the end of its own construction,
  // once its controls are in place.
  void DoCreate();
  virtual void DoShow();
  virtual void DoHide();
  virtual bool CloseQuery();
  void Paint() override;
  void CreateHandle() override;
  THostShowState HostShowState() const override;
  // The screen position chosen at the first showing.
  void PlaceOnScreen();
  // Shows the system menu at the screen point and carries out its choice.
  void ShowSystemMenu(TPoint Screen);

 private:
  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  TDefaultMonitor defaultMonitor_ = dmActiveForm;
  TWindowState windowState_ = wsNormal;
  // Where a minimised or maximised window returns to.
  TRect restoredBounds_;
  TWeak<TWinControl> activeControl_;
  // The innermost control entered (CM_ENTER) on the way to the focus.
  TWeak<TWinControl> focusedControl_;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool placed_ = false;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
  std::string ClassName() const override { return "TForm"; }
};
