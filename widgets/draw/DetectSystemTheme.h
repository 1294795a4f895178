// Which Office 2003 colour scheme the desktop's visual theme calls for.
#pragma once

// 1 for the blue ("NormalColor"), 2 the olive ("HomeStead"), 3 the silver
// ("Metallic") colour scheme of the active theme; 0 without a theme or
// for another scheme.
int DetectSystemTheme();
