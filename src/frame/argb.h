#pragma once
// A colour as 32-bit ARGB: alpha in bits 24-31, then red, green, blue. Alpha 255 is opaque.

#include <cstdint>

using TARGB = uint32_t;

constexpr TARGB MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
  return (TARGB(a) << 24) | (TARGB(r) << 16) | (TARGB(g) << 8) | TARGB(b);
}

// The colour with another alpha (0..255).
constexpr TARGB WithAlpha(TARGB color, int alpha) { return (TARGB(alpha) << 24) | (color & 0x00FFFFFFu); }
