// The face the stylers give their fonts while these follow the system:
// "Segoe UI" from Vista on, "Tahoma" before.
#pragma once

#include <string>

std::string SystemFontName();
