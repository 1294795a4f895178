// Tolvaris's mark: the orb of the application button and the maker's logo.
#pragma once

#include <QImage>

// 48 x 48 with alpha; Hot lights it up amber as the pointer rests on it.
QImage DrawOrb(bool Hot);

// 179 x 100, opaque on white: the emblem and the "Tolvaris" wordmark.
QImage DrawLogo();
