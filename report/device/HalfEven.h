#pragma once
// Rounding of device coordinates: to the nearest integer, halves to even.

#include <cmath>

inline int RoundHalfEven(long double value) {
  // rint honours the current rounding mode, which is round-to-nearest-even by default. It
  // gives what nearbyint gives; nearbyint also saves and restores the floating-point
  // environment to keep the inexact flag, which made it a noticeable part of laying out a
  // page of many items.
  return static_cast<int>(std::rint(value));
}
