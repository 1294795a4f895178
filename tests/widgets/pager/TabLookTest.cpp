// What a tab paints with in each state: the selected, hot, normal and
// disabled colour sets, the fades, the press and the pager's focus.
#include <gtest/gtest.h>

#include "draw/OfficeColors.h"
#include "pager/TabLook.h"

namespace {

TCustomTabAppearanceValues Look() {
  TCustomTabAppearanceValues a;
  a.ColorSelected = 0x000010;
  a.BorderColorSelected = 0x000020;
  a.BorderColorSelectedHot = 0x000030;
  a.BorderColorDown = 0x000040;
  a.ColorHot = 0x000050;
  a.BorderColorHot = 0x000060;
  a.Color = 0x000070;
  a.BorderColor = 0x000080;
  a.ColorDisabled = 0x000090;
  a.TextColor = 0x0000A0;
  a.TextColorDisabled = 0x0000B0;
  a.TextColorSelected = 0x0000C0;
  a.TextColorHot = 0x0000D0;
  return a;
}

TEST(TabLook, EachStateTakesItsColourSet) {
  const TCustomTabAppearanceValues a = Look();
  const TColor row = 0x303030;
  auto state = [&](auto Edit) {
    TTabState s;
    s.RowColor = row;
    Edit(s);
    return s;
  };
  struct Case {
    const char* Name;
    TTabState State;
    bool Fill;
    TColor Color, Border, Text;
  };
  const Case cases[] = {
      {"active", state([](TTabState& s) { s.Active = true; }), true, a.ColorSelected, a.BorderColorSelected,
       a.TextColorSelected},
      {"active and hot", state([](TTabState& s) { s.Active = s.Hot = true; }), true, a.ColorSelected,
       a.BorderColorSelectedHot, a.TextColorSelected},
      {"active and pressed", state([](TTabState& s) { s.Active = s.Hot = s.Pressed = true; }), true, a.ColorSelected,
       a.BorderColorDown, a.TextColorSelected},
      {"active, hover fade at 40",
       state([](TTabState& s) { s.Active = s.Hovering = true, s.Hover = 40; }), true, a.ColorSelected,
       BlendColor(a.BorderColorSelectedHot, a.BorderColorSelected, 40), a.TextColorSelected},
      {"active, glowing at 60", state([](TTabState& s) { s.Active = s.Glowing = true, s.Glow = 60; }), true,
       BlendColor(a.ColorSelected, a.ColorHot, 60), BlendColor(a.BorderColorSelected, a.BorderColorHot, 60),
       a.TextColorSelected},
      {"hot", state([](TTabState& s) { s.Hot = true; }), true, a.ColorHot, a.BorderColorHot, a.TextColorHot},
      {"hot, fading in from the row", state([](TTabState& s) { s.Hot = s.Hovering = true, s.Hover = 20; }), true,
       BlendColor(a.ColorHot, row, 20), BlendColor(a.BorderColorHot, row, 20), a.TextColorHot},
      {"hot, fading in from normal",
       state([](TTabState& s) { s.Hot = s.Hovering = s.ShowNonSelectedTabs = true, s.Hover = 20; }), true,
       BlendColor(a.ColorHot, a.Color, 20), BlendColor(a.BorderColorHot, a.BorderColor, 20), a.TextColorHot},
      {"at rest", state([](TTabState&) {}), false, clNone, clNone, a.TextColor},
      {"at rest, disabled", state([](TTabState& s) { s.Enabled = false; }), false, clNone, clNone,
       a.TextColorDisabled},
      {"fading out", state([](TTabState& s) { s.Hovering = true, s.Hover = 60; }), true, BlendColor(a.ColorHot, row, 60),
       BlendColor(a.BorderColorHot, row, 60), a.TextColor},
      {"non-selected shown", state([](TTabState& s) { s.ShowNonSelectedTabs = true; }), true, a.Color, a.BorderColor,
       a.TextColor},
      {"disabled, non-selected shown", state([](TTabState& s) { s.Enabled = false, s.ShowNonSelectedTabs = true; }),
       true, a.ColorDisabled, a.BorderColorDisabled, a.TextColorDisabled},
      {"active in a focused pager", state([](TTabState& s) { s.Active = s.PagerFocused = true; }), true, a.ColorHot,
       a.BorderColorSelectedHot, a.TextColorHot},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const TTabLook l = ResolveTabLook(a, c.State);
    EXPECT_EQ(l.Fill, c.Fill);
    if (c.Fill) EXPECT_EQ(l.Color, c.Color);
    if (c.Fill) EXPECT_EQ(l.Border, c.Border);
    EXPECT_EQ(l.Text, c.Text);
  }
}

}  // namespace
