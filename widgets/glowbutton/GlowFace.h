// The face painter of every glow button: the two gradient halves, the
// frame and focus frames, caption and notes, the image, and the
// drop-down part with its arrow. Also measures the content, for AutoSize.
#pragma once

#include <string>

#include "GlowButtonTypes.h"
#include "TGlowButtonAppearance.h"
#include "core/Geometry.h"
#include "draw/OfficeFrames.h"
#include "draw/OfficeText.h"
#include "graphics/gdiplus/GdiPlusTypes.h"

class TBitmap;
class TCanvas;
class TCustomImageList;
class TFont;
class TGDIPPicture;

// Everything a paint has resolved; the painter reads nothing else.
struct TGlowFace {
  TRect R;
  TGlowColorSet Colors;
  bool Highlighted = false;
  std::string Caption;  // empty: no caption
  const TFont* Font = nullptr;
  const TCustomImageList* Images = nullptr;
  int ImageIndex = -1;
  bool ImageEnabled = true;
  TGDIPPicture* Picture = nullptr;
  const TBitmap* Glyph = nullptr;
  TSize ForcedImageSize;  // both above 0: images drawn at this size
  TButtonLayout Layout = blGlyphLeft;
  bool DropDownButton = false;
  TDropDownPosition DropDownPosition = dpRight;
  TDropDownDirection DropDownDirection = ddDown;
  bool DropDownSplit = true;
  int DropDownState = 0;  // 0 none, 1 main part hot or down, 2 drop-down part hot
  bool Enabled = true;
  bool FocusFrame = false;
  TButtonPosition Position = bpStandalone;
  bool HotOrDown = false;
  bool SkipBackground = false;
  bool BorderVisible = true;
  bool Rounded = true;
  bool WordWrap = true;
  StringTrimming Trimming = StringTrimmingNone;
  TAntiAlias AntiAlias = aaClearType;
  int Spacing = 2;
  std::string Notes;  // lines joined, each ended by CR LF
  const TFont* NotesFont = nullptr;
};

// Paints Face on Canvas, or with Measuring only measures it (in a
// 4096-pixel layout box). Returns the content size either way.
TSize DrawGlowFace(TCanvas& Canvas, const TGlowFace& Face, bool Measuring);

// The frame's colour of the focus look, inside the border.
constexpr TColor GlowFocusFrameColor = 14986633;
