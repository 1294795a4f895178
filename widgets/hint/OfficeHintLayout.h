// The Office hint window's geometry as pure functions of what its texts
// measure: the window's rectangle in the Office layout (title, picture,
// notes, help line) and the plain one, the width the painted notes get,
// and keeping the window on the work area.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/Geometry.h"

// What the Office layout is sized for.
struct TOfficeHintContent {
  bool Title = false;      // a title of its own
  bool WideTitle = false;  // the wide title that stands in for it
  std::string Notes;       // the notes text, every line followed by a line break
  std::string WideNotes;   // measured in place of Notes when those are empty
  TSize Picture;           // 0 x 0 without a picture
  bool ShowHelp = false;
  int HelpPictureHeight = 0;  // 0 without a help picture
};

// Text wrapped at Width: the widest line and the height of all lines.
using THintTextMeasure = std::function<TSize(std::string_view Text, int Width)>;

// No hint window is lower than this.
constexpr int kMinHintHeight = 22;

// The window's rectangle from R, the platform's rectangle for the hint's
// text. LineHeight is the height of a line of the regular font.
TRect OfficeHintRect(TRect R, int HintWidth, const TOfficeHintContent& Content, int LineHeight,
                     const THintTextMeasure& Measure);
// The plain layout: 4 wider and, for a hint of a control, 8 higher.
TRect PlainHintRect(TRect R, bool HasControl);

// The width the notes are painted in within a window Width wide, right of
// a picture PictureWidth wide (0 without one).
int OfficeHintNotesWidth(int Width, int PictureWidth);

// R moved into WorkArea on every side; when it is larger, its left and top
// edges stay inside.
TRect KeepOnWorkArea(TRect R, const TRect& WorkArea);
