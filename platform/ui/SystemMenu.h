// A form's system menu: Restore, Move, Size, Minimize, Maximize and Close,
// each enabled by the form's state, border style and border icons.
#pragma once

#include "core/Geometry.h"

class TCustomForm;

// Whether Form allows the system command (SC_RESTORE ... SC_CLOSE) now.
bool SystemCommandEnabled(const TCustomForm& Form, int Command);
// Shows Form's system menu at the screen point and returns the command
// chosen, without carrying it out; 0 when the menu was dismissed.
int TrackSystemMenu(TCustomForm& Form, TPoint Screen);
