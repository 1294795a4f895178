// One page of the pager: its tab's settings (caption, image, hint, key
// tip), the toolbars it lays side by side, compacting them when the page
// gets too narrow, and its face joined to the active tab. The pager keeps
// the page list and the tab animation state lives here, per page.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TATBTabScroller.h"
#include "core/TWeak.h"
#include "ui/TCustomControl.h"

class TAdvPageScrollButton;
class TAdvToolBar;
class TAdvToolBarPager;
class TCaptionAppearance;
class TGroupAppearance;

// A tab's fade: hover (the pointer on it) or glow (after a click).
enum TTabAnimationMode : uint8_t { tamHover, tamGlow, tamFinished };
struct TTabAnimation {
  uintptr_t Timer = 0;
  int Step = 0;
  int Hover = 0;
  int Glow = 0;
  TTabAnimationMode Mode = tamFinished;
};

class TAdvPage : public TCustomControl {
 public:
  explicit TAdvPage(TComponent* AOwner);
  ~TAdvPage() override;
  std::string ClassName() const override { return "TAdvPage"; }
  void WndProc(TMessage& Message) override;
  // The pager's list follows: another pager adds the page, another page of
  // the same pager moves it there; dock panels and toolbars refuse.
  void SetParent(TWinControl* AParent) override;

  TAdvToolBarPager* AdvToolBarPager() const { return pager_.Get(); }
  bool AutoPosition() const { return autoPosition_; }
  void SetAutoPosition(bool Value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  const std::string& TabHint() const { return tabHint_; }
  void SetTabHint(const std::string& Value) { tabHint_ = Value; }
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool Value);
  bool TabEnabled() const { return tabEnabled_; }
  void SetTabEnabled(bool Value);
  // The page's place in its pager's list; -1 without a pager.
  int PageIndex() const;
  void SetPageIndex(int Value);
  const std::string& ShortCutHint() const { return shortCutHint_; }
  void SetShortCutHint(const std::string& Value) { shortCutHint_ = Value; }

  // The page's toolbars, by their left edges.
  int ToolBarCount() const { return static_cast<int>(toolBars_.size()); }
  TAdvToolBar* ToolBars(int Index) const;
  int IndexOfToolBar(const TAdvToolBar* ToolBar) const;
  // Moves the toolbar to Index (clamped) and lays the row out again.
  void MoveToolBar(TAdvToolBar* ToolBar, int Index);
  // Places the toolbars side by side and fits the row to the page's width.
  void ArrangeToolBars();

  // Scrolling a row of toolbars that does not fit even compact: Position
  // is the first toolbar shown; the buttons, or nullptr.
  const TATBTabScroller& ToolBarScroller() const { return scroller_; }
  TAdvPageScrollButton* ScrollButton(bool Forward) const { return Forward ? scrollForward_ : scrollBack_; }
  void ScrollToolBars(int Direction);

  // When this is the pager's active page and its tab lies in a tab group:
  // the group's colours for its face and toolbars; else nullptr.
  const TGroupAppearance* ActiveGroupAppearance() const;

  // The tab's place and widths, kept by the pager's tab layout.
  int TabX = 0;
  int ContentWidth = 0;
  int FullContentWidth = 0;
  TTabAnimation Animation;

 protected:
  void Paint() override;
  void Loaded() override;
  void Resize() override;

 private:
  friend class TAdvToolBarPager;
  void LinkPager(TAdvToolBarPager* Pager) { pager_ = Pager; }
  void InsertToolBar(TAdvToolBar* ToolBar);
  void RemoveToolBar(const TControl* Control);
  void FitToolBars();
  // The visible toolbars in the row's order.
  std::vector<TAdvToolBar*> Row() const;
  void UpdateScroller();
  void TabChanged();

  TWeak<TAdvToolBarPager> pager_;
  std::vector<TWeak<TAdvToolBar>> toolBars_;
  bool autoPosition_ = true;
  int imageIndex_ = -1;
  std::string tabHint_;
  bool tabVisible_ = true;
  bool tabEnabled_ = true;
  std::string shortCutHint_;
  bool arranging_ = false;
  TATBTabScroller scroller_;
  TAdvPageScrollButton* scrollBack_ = nullptr;
  TAdvPageScrollButton* scrollForward_ = nullptr;
  int lastWidth_ = 0;
};
