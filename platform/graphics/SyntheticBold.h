// Platform-internal: the spacing of bold text in a family without a bold
// face, which the rasteriser draws by emboldening the regular glyphs.
#pragma once

#include <QFont>

// Widens each glyph of bold Font by the stroke the emboldening adds, a
// 24th of the em, as a bold face of the family would be. The rasteriser
// itself rounds that growth to whole pixels under full hinting (a whole
// pixel per glyph at 12 pixels, none at 11), which leaves bold words far
// wider or as narrow as regular ones; the letter spacing set here makes
// up the difference. Fonts of a family with a bold face stay as they are.
void SpaceSyntheticBold(QFont& Font);
