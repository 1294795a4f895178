// A captioned group of controls on a pager's page: a rounded gradient
// body, a caption band with an option button, a hot fade under the
// pointer, the styler's glow colours and style code pushed into its glow
// buttons, and a compact form when its page is too narrow. Docking,
// floating and the option selector window are not built; their settings
// are kept as plain values.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ToolBarGeometry.h"
#include "ToolBarLook.h"
#include "core/TWeak.h"
#include "draw/IToolBarStylerClient.h"
#include "draw/OfficeText.h"
#include "ui/ControlTypes.h"
#include "ui/TCustomControl.h"

class TAdvPage;
class TCustomAdvToolBarStyler;
class TGDIPPicture;

enum TDockMode : uint8_t { dmAll, dmLeftRight, dmTopBottom };
enum TDockSide : uint8_t { daLeft, daTop, daRight, daBottom };
using TOptionEvent = std::function<void(TObject* Sender, TPoint ClientPoint, TPoint ScreenPoint)>;

class TAdvToolBar : public TCustomControl, public IToolBarStylerClient {
 public:
  explicit TAdvToolBar(TComponent* AOwner);
  ~TAdvToolBar() override;
  std::string ClassName() const override { return "TAdvToolBar"; }
  void WndProc(TMessage& Message) override;
  // Any parent but a page (or a dock panel or floating window) ends
  // following the parent's styler.
  void SetParent(TWinControl* AParent) override;

  static constexpr int CompactWidth = 45;

  // --- caption band and option button ---
  int CaptionHeight() const { return captionHeight_; }
  void SetCaptionHeight(int Value);
  TCaptionPosition CaptionPosition() const { return captionPosition_; }
  void SetCaptionPosition(TCaptionPosition Value);
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment Value);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool Value);
  bool ShowOptionIndicator() const { return showOptionIndicator_; }
  void SetShowOptionIndicator(bool Value);
  bool ShowRightHandle() const { return showRightHandle_; }
  void SetShowRightHandle(bool Value);
  TAntiAlias AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(TAntiAlias Value);
  TGDIPPicture* OptionPicture() const { return optionPicture_.get(); }
  void SetOptionPicture(const TGDIPPicture* Value);
  TGDIPPicture* OptionDisabledPicture() const { return optionDisabledPicture_.get(); }
  void SetOptionDisabledPicture(const TGDIPPicture* Value);
  // On a pager's page, the pager's option pictures stand in for these.
  bool ParentOptionPicture() const { return parentOptionPicture_; }
  void SetParentOptionPicture(bool Value);
  TOptionEvent OnOptionClick;

  // --- placing the children ---
  // When off, the children keep the bounds they were given.
  bool AutoPositionControls() const { return autoPositionControls_; }
  void SetAutoPositionControls(bool Value) { autoPositionControls_ = Value; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value) { autoSize_ = Value; }

  // --- docking and floating: kept, not acted on ---
  bool AllowFloating = true;
  bool ShowClose = true;
  bool AutoArrangeButtons = true;
  bool AutoOptionMenu = false;
  bool AutoMDIButtons = false;
  bool AutoDockOnClose = false;
  bool FullSize = false;
  bool Locked = false;
  TDockMode DockMode = dmAll;
  std::vector<TDockSide> DockableTo{daLeft, daTop, daRight, daBottom};
  std::string HintOptionButton;
  std::string HintCloseButton;
  std::string TextOptionMenu = "Options";
  std::string TextAutoOptionMenu = "Add or Remove Buttons";

  // --- compact form ---
  const std::string& CompactCaption() const { return compactCaption_; }
  void SetCompactCaption(const std::string& Value);
  TGDIPPicture* CompactPicture() const { return compactPicture_.get(); }
  void SetCompactPicture(const TGDIPPicture* Value);
  int CompactImageIndex = -1;
  // The toolbar stands in its row as one 45-pixel button; its children
  // are hidden meanwhile and shown again when it is restored.
  bool Compact() const { return compact_; }
  void SetCompact(bool Value);
  // Its width when not compact.
  int FullWidth() const { return compact_ ? fullWidth_ : Width(); }
  // Only loaded toolbars become compact.
  bool IsLoaded() const { return loaded_; }

  // --- place in the page ---
  TAdvPage* Page() const;
  // Its index in its page's toolbar list (-1 off a page); setting moves it
  // there (clamped) and the page lays its row out again.
  int ToolBarIndex() const;
  void SetToolBarIndex(int Value);

  // --- styler ---
  TCustomAdvToolBarStyler* ToolBarStyler() const { return toolBarStyler_.Get(); }
  void SetToolBarStyler(TCustomAdvToolBarStyler* Value);
  bool ParentStyler() const { return parentStyler_; }
  void SetParentStyler(bool Value);
  // The styler every paint reads: the pager's on a pager's page with
  // ParentStyler, else the assigned one, else the fallback.
  TCustomAdvToolBarStyler* CurrentStyler() const;
  // The parent's styler changed: registers with the styler now in force
  // and takes its colours.
  void ApplyParentStyler();
  void ToolBarStylerChanged(int Kind) override;
  void ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) override;

  // --- state, read by tests and painting ---
  bool Hot() const { return hot_; }
  int HotPercent() const { return hotPercent_; }
  bool HotFading() const { return hotTimer_ != 0; }
  bool FocusInside() const { return focusInside_; }
  const TOptionButtonState& OptionButton() const { return option_; }
  bool OptionFading() const { return optionTimer_ != 0; }
  TToolBarMetrics Metrics() const;
  TRect CaptionRect() const { return ToolBarCaptionRect(Metrics()); }
  TRect BodyRect() const { return ToolBarBodyRect(Metrics()); }
  TRect OptionRect() const { return ToolBarOptionRect(Metrics()); }

 protected:
  void Paint() override;
  void Loaded() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // What one paint draws, resolved from the styler and the state.
  struct TPaintPlan;
  TPaintPlan Plan() const;
  void PaintCompact();

  void UseStylerInForce();
  void DropStyler(const TComponent* Styler);
  void PushGlowAppearance();
  void PushGlowAppearance(TControl* Child);
  void InvalidateSeeThroughChildren();
  bool PointerInside() const;

  void MouseEntered();
  void MouseLeft();
  void StartHotFade(int Step);
  void StopHotFade();
  void HotTick();
  void StartWatch();
  void StopWatch();

  void StartOptionFade(int Step, TOptionFadeMode Mode);
  void StopOptionFade();
  void OptionTick();
  void OptionPressed();
  void OptionReleased();
  void ResetPointerState();
  void FocusChanged(const TControl* Focused);

  int captionHeight_ = 16;
  TCaptionPosition captionPosition_ = cpTop;
  TAlignment captionAlignment_ = taLeftJustify;
  bool showCaption_ = false;
  bool showOptionIndicator_ = true;
  bool showRightHandle_ = true;
  TAntiAlias antiAlias_ = aaClearType;
  std::unique_ptr<TGDIPPicture> optionPicture_, optionDisabledPicture_, compactPicture_;
  bool parentOptionPicture_ = true;
  bool autoPositionControls_ = true;
  bool autoSize_ = true;
  std::string compactCaption_;

  std::unique_ptr<TCustomAdvToolBarStyler> fallbackStyler_;
  TWeak<TCustomAdvToolBarStyler> toolBarStyler_;
  // The styler this toolbar is registered with besides its fallback.
  TWeak<TCustomAdvToolBarStyler> registered_;
  // Which components those were, to recognise their going away after
  // their handles have expired; never dereferenced.
  const TComponent* toolBarStylerId_ = nullptr;
  const TComponent* registeredId_ = nullptr;
  bool parentStyler_ = true;

  bool compact_ = false;
  int fullWidth_ = 0;
  std::vector<TWeak<TControl>> hiddenByCompact_;
  bool loaded_ = false;

  bool hot_ = false;
  int hotPercent_ = 0;
  int hotStep_ = 0;
  uintptr_t hotTimer_ = 0;
  // Runs while the pointer rests on a child: the toolbar hears no leave
  // when it moves off the child and out of the toolbar.
  uintptr_t watchTimer_ = 0;
  bool focusInside_ = false;

  TOptionButtonState option_;
  bool optionInside_ = false;
  int optionStep_ = 0;
  uintptr_t optionTimer_ = 0;
};
