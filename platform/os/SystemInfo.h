// Facts about the system that the kit switches on.
#pragma once

#include <optional>

// True on this system; tests may force either answer to cover both paths.
bool IsVistaOrLater();
void SetVistaOrLaterOverride(std::optional<bool> Value);
