// The Office 2007 glow button: a two-half gradient face with a rounded
// frame, an image beside or above the caption, an optional notes block
// and drop-down part, and colour sets for the normal, hot, down, checked
// and disabled looks that fade into each other on a 30 ms timer. It
// toggles alone (bsCheck) or in a group, repeats clicks while held, opens
// a drop-down menu, answers Enter, Space, F4, its accelerator and the
// dialog keys, follows its action, and shows its own key tip.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "GlowButtonTypes.h"
#include "core/TWeak.h"
#include "GlowLook.h"
#include "TGlowButtonAppearance.h"
#include "draw/IStyleReceiver.h"
#include "draw/OfficeFrames.h"
#include "draw/OfficeText.h"
#include "graphics/gdiplus/GdiPlusTypes.h"
#include "ui/TCustomControl.h"
#include "ui/TCustomForm.h"

class TAdvGlowButtonActionLink;
class TBitmap;
class TCustomImageList;
class TGDIPPicture;
class TPopupMenu;
class TShortCutHintWindow;
class TStringList;
struct TGlowFace;

class TAdvCustomGlowButton;
// What a hosting toolbar may install: called after the button's own
// key-down handling, before the platform's click, and after a measuring
// pass (with the size the button is about to take).
using TGlowKeyHook = std::function<void(TAdvCustomGlowButton* Button, uint16_t& Key, TShiftState Shift)>;
using TGlowClickHook = std::function<void(TAdvCustomGlowButton* Button)>;
using TGlowSizeHook = std::function<void(TAdvCustomGlowButton* Button, int& Width, int& Height)>;
using TGlowDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect Rect, TGlowButtonState State)>;

class TAdvCustomGlowButton : public TCustomControl, public IStyleReceiver {
 public:
  explicit TAdvCustomGlowButton(TComponent* AOwner);
  ~TAdvCustomGlowButton() override;
  std::string ClassName() const override { return "TAdvCustomGlowButton"; }
  void WndProc(TMessage& Message) override;
  // The parent form's modal result, the host's click hook, then the
  // action or OnClick.
  void Click() override;
  // Replaces the colour sets by the preset of a style code and repaints.
  void ApplyStyleCode(int Code) override;

  TGlowButtonAppearance* Appearance() const { return appearance_.get(); }
  void SetAppearance(const TGlowButtonAppearance* Value);
  TAntiAlias AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(TAntiAlias Value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  TCustomImageList* Images() const { return images_.Get(); }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* HotImages() const { return hotImages_.Get(); }
  void SetHotImages(TCustomImageList* Value);
  TCustomImageList* DisabledImages() const { return disabledImages_.Get(); }
  void SetDisabledImages(TCustomImageList* Value);
  TGDIPPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TGDIPPicture* Value);
  TGDIPPicture* HotPicture() const { return hotPicture_.get(); }
  void SetHotPicture(const TGDIPPicture* Value);
  TGDIPPicture* DisabledPicture() const { return disabledPicture_.get(); }
  void SetDisabledPicture(const TGDIPPicture* Value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout Value);
  int MarginHorz() const { return marginHorz_; }
  void SetMarginHorz(int Value);
  int MarginVert() const { return marginVert_; }
  void SetMarginVert(int Value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int Value);
  TStringList* Notes() const { return notes_.get(); }
  void SetNotes(const TStringList* Value);
  TFont* NotesFont() const { return notesFont_.get(); }
  void SetNotesFont(const TFont* Value);
  TButtonPosition Position() const { return position_; }
  void SetPosition(TButtonPosition Value);
  bool Rounded() const { return rounded_; }
  void SetRounded(bool Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);
  bool ShowDisabled() const { return showDisabled_; }
  void SetShowDisabled(bool Value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool Value);
  StringTrimming Trimming() const { return trimming_; }
  void SetTrimming(StringTrimming Value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool Value);
  TFocusType FocusType() const { return focusType_; }
  void SetFocusType(TFocusType Value);
  const std::string& ShortCutHint() const { return shortCutHint_; }
  void SetShortCutHint(const std::string& Value) { shortCutHint_ = Value; }
  TShortCutHintPos ShortCutHintPos() const { return shortCutHintPos_; }
  void SetShortCutHintPos(TShortCutHintPos Value) { shortCutHintPos_ = Value; }
  int InitRepeatPause() const { return initRepeatPause_; }
  void SetInitRepeatPause(int Value) { initRepeatPause_ = Value; }
  int RepeatPause() const { return repeatPause_; }
  void SetRepeatPause(int Value) { repeatPause_ = Value; }
  bool RepeatClick() const { return repeatClick_; }
  void SetRepeatClick(bool Value) { repeatClick_ = Value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  TAdvButtonStyle Style() const { return style_; }
  void SetStyle(TAdvButtonStyle Value);
  bool DropDownButton() const { return dropDownButton_; }
  void SetDropDownButton(bool Value);
  TDropDownPosition DropDownPosition() const { return dropDownPosition_; }
  void SetDropDownPosition(TDropDownPosition Value);
  TDropDownDirection DropDownDirection() const { return dropDownDirection_; }
  void SetDropDownDirection(TDropDownDirection Value) { dropDownDirection_ = Value; }
  bool DropDownSplit() const { return dropDownSplit_; }
  void SetDropDownSplit(bool Value);
  TPopupMenu* DropDownMenu() const { return dropDownMenu_.Get(); }
  void SetDropDownMenu(TPopupMenu* Value);
  TButtonSizeState MaxButtonSizeState() const { return maxSizeState_; }
  void SetMaxButtonSizeState(TButtonSizeState Value) { maxSizeState_ = Value; }
  TButtonSizeState MinButtonSizeState() const { return minSizeState_; }
  void SetMinButtonSizeState(TButtonSizeState Value) { minSizeState_ = Value; }
  // A second caption source, painted instead of Caption when set.
  const std::string& WideCaption() const { return wideCaption_; }
  void SetWideCaption(const std::string& Value);
  // "1.8.2.3": the bytes of VersionNumber, most significant first.
  std::string Version() const;
  virtual uint32_t VersionNumber() const { return 0x01080203; }

  // Size states a hosting toolbar steps through. With AutoSize, the
  // smaller states lay out as blGlyphLeft with the drop-down on the right
  // (bsLarge brings back what was set), draw 16 x 16 images and, in
  // bsGlyph, no caption.
  TButtonSizeState SizeState() const { return sizeState_; }
  void SetSizeState(TButtonSizeState Value);
  // The size the button would take in a state, without changing it.
  TSize SizeForState(TButtonSizeState Value) const;

  // The key tip, created hidden on first use.
  void ShowKeyTip();
  void HideKeyTip();
  TShortCutHintWindow* KeyTip() const { return keyTip_; }
  // The press-and-click of Enter, Escape and key tips.
  void PushFromKeyboard();

  // The behaviour's state, for hosts and tests.
  TGlowInnerState ButtonState() const;
  bool IsHot() const { return hot_; }
  bool HotLook() const { return hotLook_; }
  bool MouseInside() const { return mouseInside_; }
  bool Pressed() const { return pressed_; }
  bool PressedInside() const { return pressedInside_; }
  bool DropDownHot() const { return dropDownHot_; }
  int HotFade() const { return hotFade_; }
  int DownFade() const { return downFade_; }
  bool Fading() const { return fadeTimer_; }
  bool MenuOpen() const { return menuOpen_; }
  bool DefaultActive() const { return defaultActive_; }
  // What the next paint resolves its colours from.
  TGlowLookInputs LookInputs() const;

  TGlowDrawEvent OnDrawButton;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDropDown;
  TGlowKeyHook KeyDownHook;
  TGlowClickHook ClickHook;
  TGlowSizeHook SizeHook;

  // The fade timer's interval for every glow button of the program.
  static int FadeInterval() { return fadeInterval_; }
  static void SetFadeInterval(int Value) { fadeInterval_ = Value; }
  static constexpr int FadeStep = 20;
  static constexpr uintptr_t FadeTimerId = 1;
  static constexpr uintptr_t RepeatTimerId = 2;

 protected:
  // The auto-repeat timer's tick.
  virtual void RepeatTick();
  virtual void AfterPaint() {}
  // May size Glyph (given 1 x 1) and draw into it an image that replaces
  // picture and image list.
  virtual void FillGlyph(TBitmap& Glyph) const {}
  // True: every press opens the drop-down.
  virtual bool DropDownOnly() const { return false; }
  virtual bool BorderVisible() const { return borderStyle_ == bsSingle; }
  virtual bool FocusBorderVisible() const;

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ActionChange(TBasicAction* Sender, bool CheckDefaults) override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;

 private:
  friend class TAdvGlowButtonActionLink;
  enum TFadeKind { fkNone, fkHot, fkDown };

  void MouseEnter();
  void MouseLeave();
  void LeftButtonUp(TMessage& Message);
  // Ends a mouse press whose release will not come here (the button lost
  // the mouse or the focus).
  void CancelPress();
  void FadeTick();
  void StartFade(int Step, TFadeKind Kind);
  void EnsureFadeTimer();
  void StopFadeTimer();
  void StopRepeat();
  void ResyncHover();
  // Drop-down from a press (the mouse) or from F4 and the accelerator.
  void DropDownFromMouse();
  void DropDownFromKeyboard();
  void ShowDropDownMenu();
  bool CursorOverButton() const;
  void ButtonPressed(TAdvCustomGlowButton* Sender);
  void NotifyGroup();
  // The resting state: held down in a group, else up.
  TGlowInnerState RestState() const;
  bool ActionLinked() const;
  void SetImageList(TWeak<TCustomImageList>& Field, TCustomImageList* Value, bool Repaint);
  void ListChanged();
  // Measures and resizes when AutoSize is on and the layout is not loading.
  void RequestMeasure();
  TGlowFace BuildFace(TButtonSizeState State, TFont& FontCopy, const TBitmap* Glyph) const;
  TButtonLayout LayoutFor(TButtonSizeState State) const;
  TDropDownPosition DropDownPositionFor(TButtonSizeState State) const;

  std::unique_ptr<TGlowButtonAppearance> appearance_;
  std::unique_ptr<TGDIPPicture> picture_, hotPicture_, disabledPicture_;
  std::unique_ptr<TStringList> notes_;
  std::unique_ptr<TFont> notesFont_;
  TAntiAlias antiAlias_ = aaClearType;
  bool autoSize_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  bool cancel_ = false;
  bool default_ = false;
  int imageIndex_ = -1;
  TWeak<TCustomImageList> images_;
  TWeak<TCustomImageList> hotImages_;
  TWeak<TCustomImageList> disabledImages_;
  TButtonLayout layout_ = blGlyphLeft;
  int marginHorz_ = 2;
  int marginVert_ = 2;
  int spacing_ = 2;
  TButtonPosition position_ = bpStandalone;
  bool rounded_ = true;
  bool showCaption_ = true;
  bool showDisabled_ = true;
  bool transparent_ = false;
  StringTrimming trimming_ = StringTrimmingNone;
  bool wordWrap_ = true;
  TFocusType focusType_ = ftBorder;
  std::string shortCutHint_;
  TShortCutHintPos shortCutHintPos_ = shpTop;
  int initRepeatPause_ = 400;
  int repeatPause_ = 100;
  bool repeatClick_ = false;
  TModalResult modalResult_ = mrNone;
  bool down_ = false;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  TAdvButtonStyle style_ = bsButton;
  bool dropDownButton_ = false;
  TDropDownPosition dropDownPosition_ = dpRight;
  TDropDownDirection dropDownDirection_ = ddDown;
  bool dropDownSplit_ = true;
  TWeak<TPopupMenu> dropDownMenu_;
  TButtonSizeState maxSizeState_ = bsLarge;
  TButtonSizeState minSizeState_ = bsGlyph;
  std::string wideCaption_;

  TGlowInnerState state_ = gisUp;
  bool hot_ = false;
  bool hotLook_ = false;
  bool mouseInside_ = false;
  bool pressed_ = false;
  bool pressedInside_ = false;
  bool dropDownHot_ = false;
  int hotFade_ = 0;
  int downFade_ = 0;
  bool fadeTimer_ = false;
  int fadeStep_ = 0;
  TFadeKind fadeKind_ = fkNone;
  bool rePress_ = false;
  bool pressHandled_ = false;
  bool menuOpen_ = false;
  bool defaultActive_ = false;
  bool repeatTimer_ = false;
  TShortCutHintWindow* keyTip_ = nullptr;
  bool checkedLinked_ = false;
  bool groupIndexLinked_ = false;
  TButtonSizeState sizeState_ = bsLarge;
  TButtonLayout savedLayout_ = blGlyphLeft;
  TDropDownPosition savedDropDownPosition_ = dpRight;
  bool downPending_ = false;
  bool pendingDown_ = false;

  static inline int fadeInterval_ = 30;
};
