// The enumerations of the menu styler and its colour sets.
#pragma once

#include <cstdint>

// Named schemes of the menu styler, in streaming order.
enum TOfficeStyle : uint8_t {
  osOffice2003Blue,
  osOffice2003Silver,
  osOffice2003Olive,
  osOfficeXP,
  osOffice2007Luna,
  osOffice2007Obsidian,
  osCustom,
  osOffice2007Silver,
  osVista,
};
constexpr int OfficeStyleCount = osVista + 1;

// The menus' gradient direction: vertical first, the reverse of the
// toolbars' order, hence a type (and scope) of its own.
enum class TMenuGradientDirection : uint8_t { gdVertical, gdHorizontal };

// Where a menu's background picture sits.
enum TMenuBackgroundPosition : uint8_t {
  bpTopLeft,
  bpTopRight,
  bpBottomLeft,
  bpBottomRight,
  bpTiled,
  bpStretched,
  bpCenter,
};

// Which part of a separator line fades: both ends, the left or the right.
enum TSeparatorGradientType : uint8_t { gtBoth, gtLeft, gtRight };
