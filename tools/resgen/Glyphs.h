// Pixel-exact pictures: the menu glyphs, the group launcher glyph and the
// samples that the picture tests read.
#pragma once

#include <QImage>

// Black on white, for the 1-bit bitmaps.
QImage SubMenuArrowGlyph(); // 4 x 7
QImage CheckGlyph();        // 16 x 16
QImage RadioGlyph();        // 16 x 16

// 9 x 9 on the key colour.
QImage LauncherGlyph();

QImage KeyedSample();   // 8 x 8, opaque
QImage AlphaSample();   // 8 x 8, with alpha
QImage PatternSample(); // 16 x 16, opaque
