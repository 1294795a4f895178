// The tab row's layout as pure functions: each tab's place and width,
// squeezing spacing, margins and widths when the tabs do not fit, and
// giving the room back when they do.
#pragma once

#include <vector>

// One page's tab as the layout sees it.
struct TTabSlot {
  bool Visible = true;
  bool Grouped = false;
  int FullWidth = 0;  // content width as measured
  int Width = 0;      // content width now (less while squeezed)
  int X = 0;
};

// The spacing and margins in use; each starts at the tab settings' value.
struct TTabLayoutState {
  int Spacing = 4;
  int LeftMargin = 4, RightMargin = 4;
  int GroupLeftMargin = 4, GroupRightMargin = 4;
};

// The least spacing and margin the squeezing goes down to, and the width
// no tab is squeezed below.
constexpr int kLeastTabSpacing = 3;
constexpr int kLeastTabMargin = 3;
constexpr int kLeastTabWidth = 24;

// Content width plus the margins of the tab's kind.
int SlotWidth(const TTabSlot& Slot, const TTabLayoutState& State);
// The width the visible tabs take, with the spacing after each visible
// tab but the list's last.
int RowWidth(const std::vector<TTabSlot>& Slots, const TTabLayoutState& State);
// Places the visible tabs from Left; with KeepFirst from the first visible
// tab's present place.
void PositionTabs(std::vector<TTabSlot>& Slots, const TTabLayoutState& State, int Left, bool KeepFirst);
// Squeezes until the row fits Width, or gives room back while it fits;
// Wanted holds the tab settings' spacing and margins.
void FitTabs(std::vector<TTabSlot>& Slots, TTabLayoutState& State, const TTabLayoutState& Wanted, int Left,
             int Width);
