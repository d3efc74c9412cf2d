#pragma once
// The gem pictures a stage keeps hidden and stamps into the background, one per code below, and
// which of them shows a cell code.

#include <cstdint>

// Plain gems, then chip gems.
inline constexpr uint8_t GemStampCodes[] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 14};
inline constexpr int32_t GemStampCount = 10;

// The index into GemStampCodes that shows Code; codes of no kind are drawn with the first.
constexpr int32_t GemStampIndex(uint8_t Code) {
  if (Code >= 1 && Code <= 4) return Code;
  if (Code >= 10 && Code <= 14) return Code - 5;
  // A second-tier chip shows as a chip of its colour: drawn as a plain gem it would make a row
  // look complete that cannot clear.
  if (Code >= 20 && Code <= 24) return Code - 15;
  return 0;
}
