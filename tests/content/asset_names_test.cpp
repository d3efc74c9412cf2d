// The game and the generator name their files in one place; this holds them to it: every file the
// game loads, by a fixed name or from a numbered family, is one the generator writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "board/cell_codes.h"
#include "board/hex_grid.h"
#include "board/stage_param.h"
#include "content_test_support.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "generator.h"

namespace {
// Every name the game builds, as the full path it would open in the program directory.
std::set<std::string> EveryLoadedFile() {
  std::set<std::string> files;
  for (const char* name : Asset::Fixed) files.insert(GamePath(name));
  // The stages load pictures for plain gems and first-tier chips only; other codes borrow one.
  for (int code : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}) {
    files.insert(HexagonBitmapFile(code));
    files.insert(SymbolGemFile(code));
    files.insert(HexagonMaskFile(code));
  }
  for (int from = 0; from < BoardCellCount; ++from)
    for (int to = 0; to < BoardCellCount; ++to) {
      const std::string arrow = ArrowFile({from / BoardCols, from % BoardCols}, {to / BoardCols, to % BoardCols});
      if (!arrow.empty()) files.insert(arrow);
    }
  for (int level = 0; level < LevelParamFileCount; ++level) files.insert(GamePath(LevelParamFileName(level)));
  for (int layout = 0; layout < LayoutFileCount; ++layout) files.insert(GamePath(LayoutFileName(layout)));
  return files;
}
}  // namespace

TEST(AssetNames, EveryFileTheGameLoadsIsWrittenByTheGenerator) {
  TScratchFolder game;
  WriteGameFiles(TContentFolder(game.Path()));
  const std::string before = ProgramDir();
  SetProgramDir(game.Path().string());
  const std::set<std::string> files = EveryLoadedFile();
  SetProgramDir(before);
  // The fixed names, 10 gems in two sets (the masks are among the fixed names), 6 arrows, the levels.
  EXPECT_EQ(files.size(), Asset::Fixed.size() + 10 + 10 + 6 + LevelParamFileCount + LayoutFileCount);
  for (const std::string& file : files) EXPECT_TRUE(std::filesystem::is_regular_file(file)) << file;
}
