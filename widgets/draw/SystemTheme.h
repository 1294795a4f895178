// Which colour scheme of the desktop's theme is in use, as the stylers
// that follow the theme read it.
#pragma once

// 1 for the blue, 2 the olive, 3 the silver colour scheme of the desktop's
// theme; 0 without a theme or for another scheme.
int DetectSystemTheme();
