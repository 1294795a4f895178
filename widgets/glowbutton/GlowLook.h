// Which colours a glow button paints with: its state, the hot look, the
// fade percentages and the focus resolved into one colour set.
#pragma once

#include "GlowButtonTypes.h"
#include "TGlowButtonAppearance.h"

// What the look depends on, read from the button at paint time.
struct TGlowLookInputs {
  TGlowInnerState State = gisUp;  // as EffectiveGlowState gives it
  bool Enabled = true;
  TAdvButtonStyle Style = bsButton;
  int GroupIndex = 0;
  bool ShowDisabled = true;
  bool HotLook = false;
  bool Fading = false;  // the fade timer runs
  int HotFade = 0;
  int DownFade = 0;
  bool Pressed = false;
  bool MouseInside = false;
  bool Transparent = false;
  bool Standalone = true;     // not a member of a row of buttons
  bool PressedInside = false;
  bool FocusHot = false;      // focused with a hot focus look and not pressed
};

struct TGlowLook {
  TGlowColorSet Set;
  bool Highlighted = false;
  friend bool operator==(const TGlowLook&, const TGlowLook&) = default;
};

// The state a paint shows: disabled while not enabled; a button enabled
// again is held down (exclusive) when it is down in a group, else up; a
// check button that is down shows down.
TGlowInnerState EffectiveGlowState(TGlowInnerState Stored, bool Enabled, bool Down, int GroupIndex,
                                   TAdvButtonStyle Style);

// Resolution, in order (later rules override earlier ones):
//   disabled (with ShowDisabled)        the disabled set
//   down, bsButton                      the down set, highlighted
//   exclusive, or bsCheck and down      the checked set; fading blends the
//                                       faces from the down set when the mouse
//                                       is inside or the button is no check
//                                       button (ungrouped, or down)
//   hot look                            the hot set, highlighted
//   otherwise                           the normal set
// then, while fading: not pressed (nor transparent, exclusive or checked
// down) blends hot into normal by the hot fade; a pressed check button
// blends down into checked, a pressed push button down into hot, both by
// the down fade; a pressed button in a row keeps the normal border; a
// disabled button takes the disabled set again; a focus-hot button the
// hot set, highlighted.
TGlowLook ResolveGlowLook(const TGlowButtonAppearance& Appearance, const TGlowLookInputs& In);
