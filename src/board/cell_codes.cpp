#include "board/cell_codes.h"


#include "frame/asset_names.h"
#include "frame/paths.h"

std::string HexagonBitmapFile(uint8_t Code) {
  if (Code == CellEmpty) return {};
  return GamePath(Asset::GemPicture(Code));
}

std::string SymbolGemFile(uint8_t Code) {
  if (Code == CellEmpty) return {};
  return GamePath(Asset::GemPicture(Code, true));
}

std::string HexagonMaskFile(uint8_t Code) {
  if (IsPlainGem(Code)) return GamePath(Asset::PlainGemMask);
  if (IsChipGem(Code)) return GamePath(Asset::ChipGemMask);
  return {};
}

uint8_t CodeFromBitmapFile(const std::string& FileName) {
  const size_t separator = FileName.find_last_of("/\\");
  const std::string name = separator == std::string::npos ? FileName : FileName.substr(separator + 1);
  // The digits sit right after the seven letters of "hexagon".
  if (name.size() < 9) return CellEmpty;
  const char tens = name[7];
  const char units = name[8];
  if (tens < '0' || tens > '2' || units < '0' || units > '4') return CellEmpty;
  return static_cast<uint8_t>(10 * (tens - '0') + (units - '0'));
}

TARGB GemColor(uint8_t Code, uint8_t Alpha) {
  if (Code > 24 || Code % 10 > Red) return MakeARGB(Alpha, 0, 0, 0);
  switch (Code % 10) {
    case White: return MakeARGB(Alpha, 255, 255, 255);
    case Purple: return MakeARGB(Alpha, 255, 0, 255);
    case Green: return MakeARGB(Alpha, 0, 255, 0);
    case Blue: return MakeARGB(Alpha, 100, 100, 255);
    default: return MakeARGB(Alpha, 255, 0, 0);
  }
}
