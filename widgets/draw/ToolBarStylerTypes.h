// The enumerations of the toolbar styler and its colour sets, and the
// change kinds a styler reports to the controls that use it.
#pragma once

#include <cstdint>

// Named schemes of the toolbar styler, in streaming order.
enum TToolBarStyle : uint8_t {
  bsOffice2003Blue,
  bsOffice2003Silver,
  bsOffice2003Olive,
  bsOffice2003Classic,
  bsOffice2007Luna,
  bsOffice2007Obsidian,
  bsWindowsXP,
  bsWhidbeyStyle,
  bsCustom,
  bsOffice2007Silver,
  bsOfficeXP,
};
constexpr int ToolBarStyleCount = bsOfficeXP + 1;

// The style code that means "hand no code on".
constexpr int NoStyleCode = 8;

enum TGradientDirection : uint8_t { gdHorizontal, gdVertical };
enum TDragGripStyle : uint8_t { dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone };
enum TBackGroundDisplay : uint8_t { bdTile, bdCenter, bdStretch };

// What changed, as NotifyControls tells the registered controls.
enum TToolBarStylerChange : int {
  tcBackground = 1,   // background picture, its display or transparency, Font
  tcColors = 2,       // styler colours and widths, caption, outline, end of a scheme
  tcContainer = 4,    // ContainerAppearance
  tcDragGrip = 5,     // DragGripStyle
  tcMenuStyler = 6,   // AdvMenuStyler
  tcGlowButtons = 7,  // GlowButtonAppearance or CompactGlowButtonAppearance
  tcPager = 10,       // TabAppearance, PageAppearance, GroupAppearance
  tcPagerCaption = 11,
  tcQAT = 12,
};
