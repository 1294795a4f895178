#include "SystemInfo.h"

namespace {
std::optional<bool> overrideValue;
}

bool IsVistaOrLater() { return overrideValue.value_or(true); }

void SetVistaOrLaterOverride(std::optional<bool> Value) { overrideValue = Value; }
