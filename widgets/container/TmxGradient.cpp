#include "TmxGradient.h"

TmxGradient::TmxGradient() = default;
