// The status bar styler's schemes as data: the bar's border colour and the
// colours each scheme gives the light and dark panel looks.
#pragma once

#include <cstdint>

#include "graphics/TColor.h"

class TCustomAdvOfficeStatusBarStyler;

// Named schemes of the status bar styler; the ordinals are style codes.
enum TOfficeStatusBarStyle : uint8_t {
  psOffice2003Blue,
  psOffice2003Silver,
  psOffice2003Olive,
  psOffice2003Classic,
  psOffice2007Luna,
  psOffice2007Obsidian,
  psWindowsXP,
  psWhidbey,
  psCustom,
  psOffice2007Silver,
};
constexpr int StatusBarStyleCount = psOffice2007Silver + 1;

// A colour a scheme leaves as it is.
constexpr TColor kKeepColor = 0x2FFFFFFF;

struct TPanelLookScheme {
  TColor Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor;
  TColor TextColor, TextColorHot, TextColorDown;
  TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorHot;
  TColor ColorDown, ColorDownTo, ColorMirrorDown, ColorMirrorDownTo, BorderColorDown;
};

struct TStatusBarScheme {
  TColor BorderColor;
  TPanelLookScheme Light, Dark;
};

// The scheme of Style, or nullptr for psCustom.
const TStatusBarScheme* StatusBarSchemeOf(TOfficeStatusBarStyle Style);
// Sets the scheme's colours through the styler's setters (each change
// repaints the bars), then tells the bars once more.
void ApplyStatusBarScheme(TCustomAdvOfficeStatusBarStyler& Styler, TOfficeStatusBarStyle Style);
