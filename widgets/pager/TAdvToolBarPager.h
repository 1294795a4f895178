// The ribbon-like top band of an Office-look window: a caption bar with
// the window title and the caption buttons, through which the window is
// dragged and its system menu opened; below it the tab row and the page
// area (pages and tabs come later). It paints with the toolbar styler in
// force and hooks its form's messages for the wheel and key tips.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "PagerGeometry.h"
#include "TATBTabSettings.h"
#include "TAdvPageCaption.h"
#include "core/TSet.h"
#include "core/TWeak.h"
#include "draw/IToolBarStylerClient.h"
#include "draw/TCustomAdvMenuStyler.h"
#include "ui/TCustomControl.h"

class TAdvGlowButton;
class TAdvToolBarOfficeStyler;
class TCustomAdvToolBarStyler;
class TCustomForm;
class TCustomImageList;
class TGDIPPicture;

enum TCaptionButton : uint8_t { cbClose, cbMinimize, cbMaximize };
using TCaptionButtons = TSet<TCaptionButton>;

class TAdvToolBarPager : public TCustomControl, public IToolBarStylerClient {
 public:
  explicit TAdvToolBarPager(TComponent* AOwner);
  ~TAdvToolBarPager() override;
  std::string ClassName() const override { return "TAdvToolBarPager"; }
  void WndProc(TMessage& Message) override;
  // A dock panel, a page toolbar, another pager or a page cannot hold a
  // pager: raises "Invalid Parent" and keeps the parent.
  void SetParent(TWinControl* AParent) override;

  static constexpr const char* Version = "3.0.9.1";

  TAntiAlias AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(TAntiAlias Value);
  // Dragging the caption bar moves the form; a plain field.
  bool CanMove = false;
  TAdvPageCaption& Caption() { return *caption_; }
  const TAdvPageCaption& Caption() const { return *caption_; }
  TCaptionButtons CaptionButtons() const { return captionButtons_; }
  void SetCaptionButtons(TCaptionButtons Value);
  bool AutoMDIButtons() const { return autoMDIButtons_; }
  void SetAutoMDIButtons(bool Value);
  bool EnableWheel = true;
  TATBTabSettings& TabSettings() { return *tabSettings_; }
  const TATBTabSettings& TabSettings() const { return *tabSettings_; }
  TCustomImageList* Images() const { return images_.Get(); }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* DisabledImages() const { return disabledImages_.Get(); }
  void SetDisabledImages(TCustomImageList* Value);
  bool ShowNonSelectedTabs() const { return showNonSelectedTabs_; }
  void SetShowNonSelectedTabs(bool Value);
  bool ShowTabHint = false;
  int PageLeftMargin() const { return pageLeftMargin_; }
  void SetPageLeftMargin(int Value);
  int PageRightMargin() const { return pageRightMargin_; }
  void SetPageRightMargin(int Value);
  TGDIPPicture* OptionPicture() const { return optionPicture_.get(); }
  void SetOptionPicture(const TGDIPPicture* Value);
  TGDIPPicture* OptionDisabledPicture() const { return optionDisabledPicture_.get(); }
  void SetOptionDisabledPicture(const TGDIPPicture* Value);

  // The assigned styler (weak), and the one every paint reads: the
  // assigned one, else the private Luna styler until one was assigned and
  // removed, then the plain fallback ("InternalStyler").
  TCustomAdvToolBarStyler* ToolBarStyler() const { return toolBarStyler_.Get(); }
  void SetToolBarStyler(TCustomAdvToolBarStyler* Value);
  TCustomAdvToolBarStyler* CurrentStyler() const;
  TCustomAdvToolBarStyler* FallbackStyler() const;

  TPagerMetrics Metrics() const;
  TRect CaptionRect() const { return ::CaptionRect(Metrics()); }
  TRect TabRowRect() const { return ::TabRowRect(Metrics()); }
  TRect TabAreaRect() const { return ::TabAreaRect(Metrics()); }
  TRect PageRect() const { return ::PageRect(Metrics()); }
  // From the minimise button's left to the close button's right, at the
  // maximise button's top and height; empty without caption buttons.
  TRect CaptionButtonsRect() const;

  // Creates, removes, places and enables the caption buttons; with
  // RebuildGlyphs also redraws their glyphs in the caption text colour.
  void UpdateCaptionButtons(bool RebuildGlyphs);
  TAdvGlowButton* CloseButton() const { return closeButton_; }
  TAdvGlowButton* MaxButton() const { return maxButton_; }
  TAdvGlowButton* MinButton() const { return minButton_; }

  // The form the pager lies in (nearest parent form), or nullptr.
  TCustomForm* OwningForm() const;

  TNotifyEvent OnCloseButtonClick;
  TNotifyEvent OnMinButtonClick;
  TNotifyEvent OnMaxButtonClick;
  TNotifyEvent OnChange;

  void ToolBarStylerChanged(int Kind) override;
  void ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CaptionChanged();
  void DropStyler();
  void PaintCaptionBar();
  void PaintFrameCorners();
  void CloseButtonClick(TObject* Sender);
  void MaxButtonClick(TObject* Sender);
  void MinButtonClick(TObject* Sender);
  void ToggleMaximized();
  void DrawCaptionGlyphs();
  void InstallFormHook();
  void RemoveFormHook();
  void FormHook(TMessage& Message);

  std::unique_ptr<TAdvPageCaption> caption_;
  std::unique_ptr<TATBTabSettings> tabSettings_;
  std::unique_ptr<TCustomAdvToolBarStyler> fallbackStyler_;
  std::unique_ptr<TAdvToolBarOfficeStyler> officeStyler_;
  TWeak<TCustomAdvToolBarStyler> toolBarStyler_;
  TWeak<TCustomAdvToolBarStyler> current_;
  // Which component the assigned styler was, to recognise its going away
  // after its handle has expired; never dereferenced.
  const TComponent* stylerId_ = nullptr;
  TWeak<TCustomImageList> images_, disabledImages_;
  std::unique_ptr<TGDIPPicture> optionPicture_, optionDisabledPicture_;
  TAntiAlias antiAlias_ = aaClearType;
  TCaptionButtons captionButtons_;
  bool autoMDIButtons_ = false;
  bool showNonSelectedTabs_ = false;
  int pageLeftMargin_ = 0;
  int pageRightMargin_ = 0;

  // Owned by the pager as components; the pointers stay valid until the
  // pager frees them.
  TAdvGlowButton* closeButton_ = nullptr;
  TAdvGlowButton* maxButton_ = nullptr;
  TAdvGlowButton* minButton_ = nullptr;
  std::unique_ptr<TCustomImageList> captionGlyphs_;
  int savedRightIndent_ = 0;
  int lastWindowState_ = 0;
  bool loaded_ = false;

  // The form whose messages go through FormHook first, and what they went
  // to before. The form holds the pager, so it outlives the hook.
  TCustomForm* hookedForm_ = nullptr;
  std::function<void(TMessage&)> savedFormHandler_;
};
