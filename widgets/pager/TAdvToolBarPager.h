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
#include "TATBTabScroller.h"
#include "TAdvPage.h"
#include "TATBTabSettings.h"
#include "TAdvPageCaption.h"
#include "TTabGroups.h"
#include "TabLayout.h"
#include "core/TSet.h"
#include "core/TWeak.h"
#include "draw/IToolBarStylerClient.h"
#include "draw/TCustomTabAppearance.h"
#include "draw/TCustomAdvMenuStyler.h"
#include "ui/TCustomControl.h"

class TAdvGlowButton;
class TAdvPage;
class TAdvPageScrollButton;
class TAdvToolBarOfficeStyler;
class TCustomAdvToolBarStyler;
class TCustomForm;
class TCustomImageList;
class TGDIPPicture;

enum TCaptionButton : uint8_t { cbClose, cbMinimize, cbMaximize };
using TCaptionButtons = TSet<TCaptionButton>;
using TTabChangingEvent = std::function<void(TObject* Sender, int FromPage, int ToPage, bool& AllowChange)>;

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

  // Pages in tab order.
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TAdvPage* Pages(int Index) const;
  int IndexOfPage(const TAdvPage* Page) const;
  TAdvPage* ActivePage() const { return Pages(activeIndex_); }
  // A page of this pager is selected (then the tab row repaints); any
  // other value is ignored.
  void SetActivePage(TAdvPage* Page);
  int ActivePageIndex() const { return activeIndex_; }
  // Activates page Index with the change events; nothing for an index out
  // of range or already active.
  void SelectPage(int Index);
  int HotTab() const { return hotIndex_; }
  int PressedTab() const { return pressedIndex_; }
  int HintTab() const { return hintIndex_; }

  TTabGroups& TabGroups() { return tabGroups_; }
  const TTabGroups& TabGroups() const { return tabGroups_; }
  // A tab's rectangle, -1 all round for an invalid index or a hidden tab.
  TRect TabRect(int Index) const;
  int TabWidth(int Index) const;
  // The first page whose tab contains the client point, else -1.
  int TabAtPoint(TPoint P) const;
  int GroupOfTab(int Index) const { return Index < 0 ? -1 : tabGroups_.GroupOf(Index); }
  TRect GroupRect(int Group) const;
  // The same, telling whether the caption buttons cut the group short.
  TRect GroupRect(int Group, bool* Cut) const;
  // The tab appearance page Index paints with.
  const TCustomTabAppearance& TabAppearanceOf(int Index) const;
  // The colours of group g: the styler's or the item's own.
  const TGroupAppearance& GroupAppearanceOf(int Group) const;
  const TTabLayoutState& TabLayoutState() const { return layout_; }
  TATBTabScroller& TabScroller() { return tabScroller_; }
  // The buttons that scroll the tabs back and forward, or nullptr.
  TAdvPageScrollButton* TabScrollButton(bool Forward) const { return Forward ? scrollForward_ : scrollBack_; }

  TNotifyEvent OnCloseButtonClick;
  TNotifyEvent OnMinButtonClick;
  TNotifyEvent OnMaxButtonClick;
  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

  void ToolBarStylerChanged(int Kind) override;
  void ToolBarStylerReleased(TCustomAdvToolBarStyler* Styler) override;

 protected:
  void Paint() override;
  void Loaded() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TAdvPage;
  void CaptionChanged();
  // The page list: pages join when parented here and leave when freed or
  // moved; the active index is recomputed before anything is told.
  void AddPage(TAdvPage* Page);
  void RemovePage(TAdvPage* Page);
  void MovePage(TAdvPage* Page, int Index);
  void PlacePages();
  void ShowActivePage();
  void ClampIndices();
  // Tabs: measuring, laying out and fitting, scrolling, painting, fades.
  int MeasureTab(int Index);
  std::vector<TTabSlot> TabSlots() const;
  void StoreTabSlots(const std::vector<TTabSlot>& Slots);
  void ResetTabLayout();
  void FitTabs();
  // The first tab of each run of tabs that fits the tab area.
  std::vector<int> TabRuns() const;
  void UpdateTabScroller();
  void ScrollTabs(int Direction);
  void InvalidateTabRow();
  void PaintTabRow();
  void PaintGroups();
  void PaintTab(int Index);
  void StartTabFade(int Index, int Step, TTabAnimationMode Mode);
  void TabFadeTick(int Index);
  void StopTabFade(TAdvPage* Page);
  void MouseLeft();
  void DropStyler();
  // Page toolbars that follow the pager take its styler in force anew.
  void ReapplyToolBarStylers();
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

  std::vector<TWeak<TAdvPage>> pages_;
  int activeIndex_ = -1;
  int hotIndex_ = -1;
  int pressedIndex_ = -1;
  int hintIndex_ = -1;
  TTabGroups tabGroups_;
  TTabLayoutState layout_;
  TATBTabScroller tabScroller_;
  TAdvPageScrollButton* scrollBack_ = nullptr;
  TAdvPageScrollButton* scrollForward_ = nullptr;

  // The form whose messages go through FormHook first, and what they went
  // to before. The form holds the pager, so it outlives the hook.
  TCustomForm* hookedForm_ = nullptr;
  std::function<void(TMessage&)> savedFormHandler_;
};
