#pragma once
// The pieces a player can hold: each a few hexagon offsets around (0, 0) in one gem colour.

#include <cstdint>
#include <span>

struct THexShapeCell {
  int32_t Row;
  int32_t Col;
  uint8_t Code;
};

inline constexpr int32_t HexShapeCount = 11;
// Shapes 9 and 10 exist but are never handed out.
inline constexpr int32_t DealtShapeCount = 9;

// The cells of a shape; empty for an index outside 0..HexShapeCount-1.
std::span<const THexShapeCell> HexShape(int32_t Shape);
