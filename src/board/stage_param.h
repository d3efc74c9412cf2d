#pragma once
// A level's game parameters, read from its parameter file right after the flow, and the names
// of the level files. The three Power fields weigh the outcomes of a Pandora's box (clear gems,
// breakground, laser).
//
// Record: 13 little-endian int32 in field order, 52 bytes.

#include <array>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

class TStageParam {
 public:
  // Fields past the end of a short stream keep their values.
  void LoadFromStream(std::istream& Stream);
  void SaveToStream(std::ostream& Stream) const;

  // Kept and written back unchanged; nothing in the game reads them.
  std::array<int32_t, 7> Reserved{};
  int32_t PassRows = 20;
  int32_t AutoDropSec = 20;
  int32_t BreakgrdCnt = 10;
  int32_t LaserPower = 10;
  int32_t BreakgroundPower = 10;
  int32_t ClearGemsPower = 10;

  static constexpr int32_t RecordSize = 52;
};

// Level parameter files: the flow record, then the stage parameters ("dat/a00".."dat/a79").
inline constexpr int32_t LevelParamFileCount = 80;
// Board layout files: 216 cell codes ("dat/d00".."dat/d20").
inline constexpr int32_t LayoutFileCount = 21;

// Names relative to the program directory (pass them through GamePath to open them).
std::string LevelParamFileName(int32_t Number);
std::string LayoutFileName(int32_t Number);
