// The rounding of the Office primitives: to the nearest integer, halves
// to even, in extended precision; and truncation toward zero.
#pragma once

#include <cmath>

inline int RoundHalfEven(long double Value) { return static_cast<int>(std::nearbyint(Value)); }
inline int TruncateTowardZero(long double Value) { return static_cast<int>(Value); }
