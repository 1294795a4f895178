// The enumerations of the glow button: layout of image and text, toggle
// style, focus look, drop-down part, size states, paint state and the
// place of the key tip.
#pragma once

#include <cstdint>

enum TButtonLayout : uint8_t {
  blGlyphLeft,
  blGlyphTop,
  blGlyphRight,
  blGlyphBottom,
  blGlyphLeftAdjusted,
  blGlyphRightAdjusted,
  blGlyphTopAdjusted,
  blGlyphBottomAdjusted
};
enum TAdvButtonStyle : uint8_t { bsButton, bsCheck };
enum TFocusType : uint8_t { ftBorder, ftHot, ftHotBorder, ftNone };
enum TDropDownPosition : uint8_t { dpRight, dpBottom };
enum TDropDownDirection : uint8_t { ddDown, ddRight };
enum TButtonSizeState : uint8_t { bsGlyph, bsLabel, bsLarge };
enum TGlowButtonState : uint8_t { gsNormal, gsHot, gsDown };
enum TShortCutHintPos : uint8_t { shpLeft, shpTop, shpRight, shpBottom };

// The button's own state: exclusive is held down as a member of a group.
enum TGlowInnerState : uint8_t { gisUp, gisDisabled, gisDown, gisExclusive };
