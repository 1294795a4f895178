// The geometry of a glow button's face: the drop-down part and the
// content rectangle, where the text goes and where the image sits for
// each layout, the size the button takes with AutoSize, and the places of
// its key tip and its drop-down menu. Pure functions of rectangles and
// measured text boxes.
#pragma once

#include <string>

#include "GlowButtonTypes.h"
#include "core/Geometry.h"
#include "graphics/gdiplus/GdiPlusTypes.h"

// Width of the drop-down part, and of its hot zone for mouse moves.
constexpr int GlowDropDownWidth = 13;
constexpr int GlowDropDownHotWidth = 12;

struct TGlowParts {
  TRect Content;   // what image and text are laid out in
  TRect DropDown;  // empty without a drop-down part
};
TGlowParts GlowParts(const TRect& R, bool DropDownButton, TDropDownPosition Position);

// A button with notes lays out as blGlyphLeftAdjusted.
TButtonLayout GlowEffectiveLayout(TButtonLayout Layout, bool HasNotes);

// The measured boxes of the caption (left, top, width, height) and of
// the notes (width, height); all zero for absent texts.
struct TGlowTextBoxes {
  float CaptionX = 0, CaptionY = 0, CaptionWidth = 0, CaptionHeight = 0;
  float NotesWidth = 0, NotesHeight = 0;
};

// The content size the measuring pass reports; IW already includes the
// spacing when there is a caption.
TSize GlowContentSize(TButtonLayout Layout, const TGlowTextBoxes& Boxes, int IW, int IH, int Spacing);

// The button size AutoSize gives for a content size.
TSize GlowAutoSize(TSize Content, int Spacing, int MarginHorz, int MarginVert, bool DropDownButton,
                   TDropDownPosition Position);

struct TGlowPlacement {
  GpRectF Text;  // the text's layout rectangle
  TPoint Image;  // the image's top-left
  friend bool operator==(const TGlowPlacement&, const TGlowPlacement&) = default;
};

struct TGlowPlacementInputs {
  TButtonLayout Layout = blGlyphLeft;  // as GlowEffectiveLayout gives it
  TRect R;                             // the whole face
  int CW = 0, CH = 0;                  // the content rectangle's size
  int IW = 0, IH = 0;                  // image size, spacing included
  TGlowTextBoxes Boxes;
  bool Gdi = false;                    // text drawn by the canvas, not the surface
  // The drop-down part takes 8 more pixels off the width (dpRight) or
  // height (dpBottom) that the image is centred in.
  bool DropDownButton = false;
  TDropDownPosition DropDownPosition = dpRight;
};
TGlowPlacement GlowPlacement(const TGlowPlacementInputs& In);

// The image of a button without caption: centred in the content
// rectangle (less the drop-down allowance).
TPoint GlowCentredImage(const TRect& Content, int IW, int IH, bool DropDownButton, TDropDownPosition Position);

// Whether a client point lies in the drop-down part (Edge: 13 for
// presses, 12 for the hot zone).
bool InGlowDropDownPart(TPoint P, TSize Client, bool DropDownButton, TDropDownPosition Position, int Edge);

// Backslash-n pairs (either case) become a space with a forced image
// size, else a line break.
std::string GlowCaptionLineBreaks(const std::string& Caption, bool ForcedImageSize);

// The key tip's top-left for an anchor on the screen: centred on the
// middle of the named edge, half outside.
TPoint KeyTipPosition(TShortCutHintPos Position, const TRect& AnchorScreen, TSize Tip);

// Where the drop-down menu opens: the bottom-left corner (ddDown) or the
// top-right corner (ddRight) of the button on the screen.
TPoint DropDownMenuPoint(TDropDownDirection Direction, const TRect& ButtonScreen);
