#include "SystemFontName.h"

#include "os/SystemInfo.h"

std::string SystemFontName() { return IsVistaOrLater() ? "Segoe UI" : "Tahoma"; }
