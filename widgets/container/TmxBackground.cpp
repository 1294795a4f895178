#include "TmxBackground.h"

TmxBackground::TmxBackground() = default;
