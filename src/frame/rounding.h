#pragma once
// Rounding of floats to integers: nearest, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).

#include <cmath>
#include <cstdint>

inline int64_t RoundHalfEven(double value) {
  // nearbyint honours the current rounding mode, which the game never changes from
  // round-to-nearest-even.
  return static_cast<int64_t>(std::nearbyint(value));
}

inline int32_t RoundHalfEven32(double value) { return static_cast<int32_t>(RoundHalfEven(value)); }
