#pragma once
// The plug-in's one rounding rule: to nearest, ties to even (the default floating-point
// rounding mode), for values known to fit in an int.
#include <cmath>

inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }
