#include "TabLayout.h"

#include <algorithm>
#include <functional>

namespace {

int LastVisible(const std::vector<TTabSlot>& Slots) {
  for (int i = static_cast<int>(Slots.size()) - 1; i >= 0; --i)
    if (Slots[i].Visible) return i;
  return -1;
}

// The visible tab of the kind (grouped or not) with the largest content
// width above the least, the first of equals; -1 when none.
int Widest(const std::vector<TTabSlot>& Slots, bool Grouped) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(Slots.size()); ++i) {
    const TTabSlot& s = Slots[i];
    if (!s.Visible || s.Grouped != Grouped || s.Width <= kLeastTabWidth) continue;
    if (best < 0 || s.Width > Slots[best].Width) best = i;
  }
  return best;
}

// The widest visible tab of either kind; -1 when none is visible.
int WidestOfAll(const std::vector<TTabSlot>& Slots) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(Slots.size()); ++i)
    if (Slots[i].Visible && (best < 0 || Slots[i].Width > Slots[best].Width)) best = i;
  return best;
}

// The narrowest squeezed visible tab, grouped tabs first; -1 when none.
int NarrowestSqueezed(const std::vector<TTabSlot>& Slots) {
  for (bool grouped : {true, false}) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(Slots.size()); ++i) {
      const TTabSlot& s = Slots[i];
      if (!s.Visible || s.Grouped != grouped || s.Width >= s.FullWidth) continue;
      if (best < 0 || s.Width < Slots[best].Width) best = i;
    }
    if (best >= 0) return best;
  }
  return -1;
}

}  // namespace

int SlotWidth(const TTabSlot& Slot, const TTabLayoutState& State) {
  return Slot.Width + (Slot.Grouped ? State.GroupLeftMargin + State.GroupRightMargin
                                    : State.LeftMargin + State.RightMargin);
}

int RowWidth(const std::vector<TTabSlot>& Slots, const TTabLayoutState& State) {
  const int last = static_cast<int>(Slots.size()) - 1;
  int n = 0;
  for (int i = 0; i <= last; ++i) {
    if (!Slots[i].Visible) continue;
    n += SlotWidth(Slots[i], State);
    if (i != last) n += State.Spacing;
  }
  return n;
}

void PositionTabs(std::vector<TTabSlot>& Slots, const TTabLayoutState& State, int Left, bool KeepFirst) {
  int x = Left;
  bool first = true;
  for (TTabSlot& s : Slots) {
    if (!s.Visible) continue;
    if (first && KeepFirst) x = s.X;
    first = false;
    s.X = x;
    x += SlotWidth(s, State) + State.Spacing;
  }
}

void FitTabs(std::vector<TTabSlot>& Slots, TTabLayoutState& State, const TTabLayoutState& Wanted, int Left,
             int Width) {
  auto over = [&] { return RowWidth(Slots, State) - Width; };
  auto place = [&] { PositionTabs(Slots, State, Left, true); };
  if (LastVisible(Slots) < 0) return;

  if (over() > 0) {
    // Each stage takes one pixel (or one tab's bite) at a time and stops
    // as soon as the row fits, or after as many steps as the row had
    // pixels.
    const int budget = RowWidth(Slots, State);
    auto squeeze = [&](const std::function<bool()>& Step) {
      for (int steps = 0; over() > 0 && steps < budget && Step(); ++steps) {
      }
      place();
    };
    squeeze([&] { return State.Spacing > kLeastTabSpacing && (--State.Spacing, true); });
    // Left and right alternately, the larger first.
    auto margins = [&](int& L, int& R) {
      squeeze([&] {
        if (L > kLeastTabMargin && (L >= R || R <= kLeastTabMargin)) return --L, true;
        if (R > kLeastTabMargin) return --R, true;
        return false;
      });
    };
    margins(State.LeftMargin, State.RightMargin);
    margins(State.GroupLeftMargin, State.GroupRightMargin);
    // The widest tab loses up to 5 pixels of the overflow at a time.
    auto bite = [&](int i, int Tolerance) {
      TTabSlot& s = Slots[i];
      s.Width -= std::min({5, over() - Tolerance, s.Width - kLeastTabWidth});
      return true;
    };
    squeeze([&] {
      const int i = Widest(Slots, false);
      return i >= 0 && bite(i, 0);
    });
    // With no ungrouped tab left to squeeze, an overflow of up to 5 pixels
    // is tolerated; beyond it the grouped tabs give way.
    constexpr int tolerance = 5;
    for (int steps = 0; over() > tolerance && steps < budget; ++steps) {
      const int i = WidestOfAll(Slots);
      if (i < 0 || !Slots[i].Grouped || Slots[i].Width <= kLeastTabWidth) break;
      bite(i, tolerance);
    }
    place();
    return;
  }

  // Room to spare: widths first, then spacing and margins.
  for (int i = NarrowestSqueezed(Slots); i >= 0 && over() < 0; i = NarrowestSqueezed(Slots)) {
    TTabSlot& s = Slots[i];
    s.Width += std::min({5, -over(), s.FullWidth - s.Width});
    place();
  }
  if (NarrowestSqueezed(Slots) >= 0) return;
  auto grow = [&](int& Value, int Limit) {
    while (Value < Limit && over() < 0) {
      ++Value;
      if (over() > 0) {
        --Value;
        break;
      }
    }
  };
  grow(State.Spacing, Wanted.Spacing);
  grow(State.GroupLeftMargin, Wanted.GroupLeftMargin);
  grow(State.GroupRightMargin, Wanted.GroupRightMargin);
  grow(State.LeftMargin, Wanted.LeftMargin);
  grow(State.RightMargin, Wanted.RightMargin);
  place();
}
