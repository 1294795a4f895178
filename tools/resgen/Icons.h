// The program's own pictures: toolbar icons, the application icon, the globe
// of the Internet button and the small help icon of the hint line.
#pragma once

#include <QImage>

enum class ToolIcon { Refresh, Kill, Help, Close };

// 24 x 24 with alpha.
QImage DrawToolIcon(ToolIcon Which);

// The hot look of a toolbar icon: lighter, over a warm glow.
QImage HotLook(const QImage& Icon);

// The four toolbar icons side by side in ToolIcon order, 96 x 24.
QImage ToolStrip(bool Hot);

// 32 x 32 with alpha: a process list under a magnifying glass.
QImage DrawAppIcon();

// 32 x 32 with alpha.
QImage DrawGlobe();

// 16 x 16 with alpha.
QImage DrawSmallHelp();
