// The base of every visual control: bounds, alignment, visibility,
// enabled state, text, font, colour, hint, cursor, mouse handling, an
// action link, and the message model (WindowProc, Perform, WndProc).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ControlTypes.h"
#include "Messages.h"
#include "core/TComponent.h"
#include "core/TWeak.h"
#include "graphics/TColor.h"
#include "graphics/TFont.h"

class TWinControl;
class TCustomForm;
class TBasicAction;
class TControlActionLink;
class TPopupMenu;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  // Messages. WindowProc starts as WndProc; a host may replace it to hook
  // this control's messages and call the previous procedure for the rest.
  std::function<void(TMessage&)> WindowProc;
  intptr_t Perform(uint32_t Msg, intptr_t WParam = 0, intptr_t LParam = 0);
  virtual void WndProc(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int Value) { SetBounds(Value, top_, width_, height_); }
  void SetTop(int Value) { SetBounds(left_, Value, width_, height_); }
  void SetWidth(int Value) { SetBounds(left_, top_, Value, height_); }
  void SetHeight(int Value) { SetBounds(left_, top_, width_, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return TRect::Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // Where this control's client (0, 0) lies on the screen.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const { return P + ClientOrigin(); }
  TPoint ScreenToClient(TPoint P) const { return P - ClientOrigin(); }
  // The client point P of this control in Ancestor's client coordinates.
  TPoint ClientToParent(TPoint P, const TWinControl* Ancestor) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign Value);

  bool Visible() const { return visible_; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible itself and through every parent up to a shown window.
  virtual bool Showing() const;

  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);

  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& Value) { SetText(Value); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& Value);

  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* Value) { font_->Assign(Value); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool Value);
  TColor Color() const { return color_; }
  void SetColor(TColor Value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool Value);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& Value) { hint_ = Value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool Value);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor Value);
  TPopupMenu* PopupMenu() const { return popupMenu_.Get(); }
  void SetPopupMenu(TPopupMenu* Value);

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle Value) { controlStyle_ = Value; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState Value) { controlState_ = Value; }
  void SetStateFlag(TControlStateFlag Flag, bool On);

  // Painting: Invalidate marks the control for repainting at the next
  // paint pass; Update paints what is marked now; Repaint does both.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }

  bool MouseCapture() const;
  void SetMouseCapture(bool Value);

  TBasicAction* Action() const;
  void SetAction(TBasicAction* Value);
  TControlActionLink* ActionLink() const { return actionLink_.get(); }

  virtual void Click();
  virtual void DblClick();
  void BringToFront();
  void SendToBack();

  // The form this control sits on (the top of its parent chain), if any.
  TCustomForm* ParentForm() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Resize();
  virtual void ActionChange(TBasicAction* Sender, bool CheckDefaults);
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  // Called when the control's font, colour or text changed.
  virtual void Changed() {}
  // The rectangle of this control that the parent repaints.
  virtual void InvalidateControl(bool IsVisible, bool IsOpaque);
  // The bounds changed: realign, notify.
  virtual void BoundsChanged(bool Moved, bool Resized);

  bool FontFromParentPending() const { return fontFromParent_; }

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

 private:
  friend class TWinControl;
  void HandleMouseDown(TMessage& M, TMouseButton Button);
  void HandleMouseUp(TMessage& M, TMouseButton Button);
  void FontChanged();

  TWinControl* parent_ = nullptr;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool fontFromParent_ = false;
  TColor color_ = clWindow;
  bool parentColor_ = true;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TWeak<TPopupMenu> popupMenu_;
  TControlStyle controlStyle_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;
  std::unique_ptr<TControlActionLink> actionLink_;
};
