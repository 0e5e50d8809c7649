#pragma once
// Rounding of device coordinates: to the nearest integer, halves to even.

#include <cmath>

inline int RoundHalfEven(long double value) {
  // nearbyint honours the current rounding mode, which is round-to-nearest-even by default.
  return static_cast<int>(std::nearbyint(value));
}
