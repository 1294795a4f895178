// The application button: a picture-only button with no caption or frame
// of its own that shows one of four pictures (normal, hot, down, disabled)
// over what its parent paints behind it. A click opens the application
// menu over the button's lower part, and the menu draws the button's
// picture again on its top band so the button seems to lie on the menu.
// It latches alone (tasCheck) or in a group, follows its action, answers
// Enter and Space, and shows its own key tip on the pager's command.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ShapeButtonTypes.h"
#include "core/TWeak.h"
#include "glowbutton/GlowButtonTypes.h"
#include "ui/TCustomControl.h"

class TAdvPreviewMenu;
class TGDIPPicture;
class TShortCutHintWindow;

class TAdvCustomShapeButton : public TCustomControl {
 public:
  explicit TAdvCustomShapeButton(TComponent* AOwner);
  ~TAdvCustomShapeButton() override;
  std::string ClassName() const override { return "TAdvCustomShapeButton"; }
  void WndProc(TMessage& Message) override;
  // The click (unless raised by Enter or Space), then the menu.
  void Click() override;

  TAdvPreviewMenu* AdvPreviewMenu() const { return menu_.Get(); }
  void SetAdvPreviewMenu(TAdvPreviewMenu* Value);
  TGDIPPicture* Picture() const { return picture_.get(); }
  void SetPicture(const TGDIPPicture* Value);
  TGDIPPicture* PictureHot() const { return pictureHot_.get(); }
  void SetPictureHot(const TGDIPPicture* Value);
  TGDIPPicture* PictureDown() const { return pictureDown_.get(); }
  void SetPictureDown(const TGDIPPicture* Value);
  TGDIPPicture* PictureDisabled() const { return pictureDisabled_.get(); }
  void SetPictureDisabled(const TGDIPPicture* Value);
  bool Down() const { return down_; }
  void SetDown(bool Value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool Value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  TAdvToolButtonStyle Style() const { return style_; }
  void SetStyle(TAdvToolButtonStyle Value);
  const std::string& ShortCutHint() const { return shortCutHint_; }
  void SetShortCutHint(const std::string& Value) { shortCutHint_ = Value; }
  TShortCutHintPos ShortCutHintPos() const { return shortCutHintPos_; }
  void SetShortCutHintPos(TShortCutHintPos Value) { shortCutHintPos_ = Value; }
  // The notes of the Office hint.
  const std::string& OfficeHintNotes() const { return officeHintNotes_; }
  void SetOfficeHintNotes(const std::string& Value) { officeHintNotes_ = Value; }
  std::string Version() const { return "1.0.1.0"; }
  void SetVersion(const std::string&) {}

  // The key tip, created on first show; hiding frees it.
  void ShowKeyTip();
  void HideKeyTip();
  TShortCutHintWindow* KeyTip() const { return keyTip_.Get(); }

  // The behaviour's state, for hosts and tests.
  bool IsHot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  bool Tracking() const { return tracking_; }
  int MenuShift() const { return menuShift_; }
  bool Hovering() const;
  // The picture the next paint draws (it may be empty).
  const TGDIPPicture* ShownPicture() const { return ChoosePicture(true); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  static constexpr uintptr_t HoverTimerId = 1;
  static constexpr unsigned HoverInterval = 1;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ActionChange(TBasicAction* Sender, bool CheckDefaults) override;
  std::unique_ptr<TControlActionLink> CreateActionLink() override;

 private:
  void MouseEnter();
  void MouseLeave();
  void HoverTick();
  void StopHover();
  void LeftButtonUp(TMessage& Message);
  // Ends a press whose release will not come here.
  void CancelPress();
  // Sends the enter or leave the cursor's place calls for, when it differs
  // from what the button believes.
  void ResyncHover();
  bool CursorInClient() const;
  void KeyboardClick();
  void ButtonPressed(TAdvCustomShapeButton* Sender);
  void NotifyGroup();
  // Rules of the painted picture; the menu's copy leaves out the focus.
  const TGDIPPicture* ChoosePicture(bool WithFocus) const;
  // The picture hook: draws on the menu's canvas relative to its top band.
  void DrawOnMenu(TCanvas& Canvas, const TRect& Band) const;
  bool Designing() const;

  std::unique_ptr<TGDIPPicture> picture_, pictureHot_, pictureDown_, pictureDisabled_;
  TWeak<TAdvPreviewMenu> menu_;
  TWeak<TShortCutHintWindow> keyTip_;
  bool down_ = false;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  TAdvToolButtonStyle style_ = tasButton;
  std::string shortCutHint_;
  TShortCutHintPos shortCutHintPos_ = shpTop;
  std::string officeHintNotes_;

  bool hot_ = false;
  bool pressed_ = false;
  bool tracking_ = false;
  bool keyboardClick_ = false;
  int menuShift_ = 0;
  bool downPending_ = false;
  bool pendingDown_ = false;
};
