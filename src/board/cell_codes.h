#pragma once
// What the byte in a board cell means: 255 empty, 0-4 plain gems, 10-14 chip gems, 20-24
// second-tier chips (a gem's colour is its code mod 10). Any other byte is occupied but of no
// kind. Also the picture files that show each code.

#include <cstdint>
#include <string>

#include "frame/argb.h"

inline constexpr uint8_t CellEmpty = 255;

enum TGemColor : uint8_t { White = 0, Purple = 1, Green = 2, Blue = 3, Red = 4 };

inline constexpr uint8_t ChipTier = 10;

constexpr bool IsPlainGem(uint8_t Code) { return Code <= Red; }
// Chip gems in the wider sense: both tiers.
constexpr bool IsChipGem(uint8_t Code) { return Code >= 10 && Code <= 24; }
// One tier down: second-tier chip to chip, chip to plain gem; other codes unchanged.
constexpr uint8_t Downgrade(uint8_t Code) { return IsChipGem(Code) ? Code - ChipTier : Code; }

// "bmp/hexagonNN.bmp" in the program directory; empty for an empty cell.
std::string HexagonBitmapFile(uint8_t Code);
// The same gem with the shape of its colour on it: "bmp/symbols/hexagonNN.bmp"; empty for an
// empty cell. CodeFromBitmapFile reads it back like the plain picture.
std::string SymbolGemFile(uint8_t Code);
// The picture a gem is shown with: the symbol one when symbols on gems are on, else the plain.
inline std::string GemPictureFile(uint8_t Code, bool Symbols) {
  return Symbols ? SymbolGemFile(Code) : HexagonBitmapFile(Code);
}
// The plain-gem mask for 0-4, the chip mask for 10-24, empty otherwise.
std::string HexagonMaskFile(uint8_t Code);
// Recovers the code from a picture name made by HexagonBitmapFile: the two digits after
// "hexagon" in the name part; 255 for anything that is not a gem picture.
uint8_t CodeFromBitmapFile(const std::string& FileName);
// The colour that stands for a gem code, with the given alpha; black for codes of no colour.
TARGB GemColor(uint8_t Code, uint8_t Alpha);
