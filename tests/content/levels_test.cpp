// The shipped levels, loaded back through the game's own loaders and held to the rules play
// relies on.

#include <algorithm>
#include <array>
#include <functional>
#include <fstream>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "board/gm_cells.h"
#include "board/hex_geometry.h"
#include "board/stage_param.h"
#include "content_test_support.h"
#include "levels.h"

namespace {
struct TLoadedLevel {
  TGmCells board;  // its MoveMatrix holds the flow
  TStageParam params;
  size_t fileSize = 0;
};

class ShippedLevels : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TScratchFolder;
    WriteLevels(TContentFolder(folder_->Path()));
  }
  static void TearDownTestSuite() { delete folder_; }

  static std::unique_ptr<TLoadedLevel> LoadLevel(int number) {
    auto level = std::make_unique<TLoadedLevel>();
    const auto path = folder_->Path() / LevelParamFileName(number);
    std::ifstream in(path, std::ios::binary);
    level->board.MoveMatrix.LoadFromStream(in);
    level->params.LoadFromStream(in);
    level->fileSize = std::filesystem::file_size(path);
    return level;
  }
  static std::string LayoutBytes(int number) { return ReadFileBytes(folder_->Path() / LayoutFileName(number)); }
  static std::unique_ptr<TGmCells> LoadLayout(int number) {
    auto board = std::make_unique<TGmCells>();
    std::istringstream in(LayoutBytes(number), std::ios::binary);
    board->LoadFromStream(in);
    return board;
  }

  static TScratchFolder* folder_;
};
TScratchFolder* ShippedLevels::folder_ = nullptr;

int SourceTotal(const TMoveMatrix& flow) {
  int total = 0;
  for (int r = 0; r < BoardRows; ++r)
    for (int c = 0; c < BoardCols; ++c) total += flow.SourceCount(r, c);
  return total;
}

// Depth-first search along the sources; true when some path comes back to a cell on it.
bool HasCycle(const TMoveMatrix& flow) {
  std::array<int, BoardCellCount> state{};  // 0 new, 1 on the path, 2 done
  std::function<bool(TGmPoint)> visit = [&](TGmPoint p) {
    int& s = state[size_t(CellIndex(p))];
    if (s == 1) return true;
    if (s == 2) return false;
    s = 1;
    for (int k = 0; k < flow.SourceCount(p.Row, p.Col); ++k)
      if (visit(flow.SourceAt(p.Row, p.Col, k))) return true;
    s = 2;
    return false;
  };
  for (int r = 0; r < BoardRows; ++r)
    for (int c = 0; c < BoardCols; ++c)
      if (visit({r, c})) return true;
  return false;
}

// The four-cell shapes the player is handed, as (row, col) offsets.
const int Shapes[9][4][2] = {
    {{0, 0}, {0, -1}, {0, 1}, {0, 2}},  {{0, 0}, {-1, 0}, {1, 0}, {0, 1}}, {{0, 0}, {0, 1}, {-1, 1}, {1, 0}},
    {{0, 0}, {0, 1}, {-1, 2}, {-2, 1}}, {{0, 0}, {-1, 0}, {1, 0}, {1, -1}}, {{0, 0}, {-1, 0}, {0, 1}, {1, 1}},
    {{0, 0}, {-1, 0}, {1, 0}, {2, 0}},  {{0, 0}, {-1, 0}, {1, 0}, {1, 1}}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}};

// Whether the shape, held with its origin over some board cell, lands entirely on free cells,
// using the game's own geometry for the held set and the board.
bool ShapeFitsSomewhere(const TGmCells& board, const int (&shape)[4][2]) {
  const THexGeometry grid(18, TPointF{4, 0});
  for (int row = 0; row < BoardRows; ++row)
    for (int col = 0; col < BoardCols; ++col) {
      const THexGeometry held(18, grid.CellToPixel(row, col));
      bool fits = true;
      for (const auto& cell : shape) {
        int32_t r = 0, c = 0;
        grid.PixelToCell(held.CellToPixel(cell[0], cell[1]), r, c);
        fits = fits && !board.IsBlocked(r, c);
      }
      if (fits) return true;
    }
  return false;
}
}  // namespace

TEST_F(ShippedLevels, EveryFlowLinksOnlyNeighboursHasNoCycleAndEnds) {
  for (int number = 0; number < LevelCount; ++number) {
    SCOPED_TRACE("a" + std::to_string(number));
    const auto level = LoadLevel(number);
    const TMoveMatrix& flow = level->board.MoveMatrix;
    for (int r = 0; r < BoardRows; ++r)
      for (int c = 0; c < BoardCols; ++c)
        for (int k = 0; k < flow.SourceCount(r, c); ++k) {
          const TGmPoint source = flow.SourceAt(r, c, k);
          EXPECT_TRUE(IsOnBoard(source));
          EXPECT_TRUE(AreNeighbours(source, {r, c}));
        }
    EXPECT_FALSE(HasCycle(flow));
    EXPECT_FALSE(flow.EndCells().empty());
    EXPECT_GT(SourceTotal(flow), 150) << "a flow that leaves most cells unfed";
    EXPECT_EQ(level->fileSize, 864u + 8u * size_t(SourceTotal(flow)) + 52u);
  }
}

TEST_F(ShippedLevels, ParametersHoldTheGamesOwnValuesAndGrowHarder) {
  std::set<int> leadingOutcomes;
  int previousBreakground = 0;
  for (int number = 0; number < LevelCount; ++number) {
    SCOPED_TRACE("a" + std::to_string(number));
    const int level = number + 1;
    const TStageParam params = LoadLevel(number)->params;
    EXPECT_EQ(params.PassRows, level <= 5 ? 3 * level + 2 : 20);
    EXPECT_GE(params.AutoDropSec, 10);
    EXPECT_LE(params.AutoDropSec, 20);
    EXPECT_GE(params.BreakgrdCnt, previousBreakground);
    previousBreakground = params.BreakgrdCnt;
    const int weights[3] = {params.ClearGemsPower, params.BreakgroundPower, params.LaserPower};
    for (int w : weights) EXPECT_GE(w, 0);
    EXPECT_GT(weights[0] + weights[1] + weights[2], 0) << "a box with no outcome";
    const int leader = int(std::max_element(weights, weights + 3) - weights);
    if (std::count(weights, weights + 3, weights[leader]) == 1) leadingOutcomes.insert(leader);
    EXPECT_EQ(params.Reserved, (std::array<int32_t, 7>{}));
  }
  // Half a level's number, halves to even, comes off 20 seconds, down to 10.
  const std::pair<int, int> countdowns[] = {{1, 20}, {2, 19}, {3, 18}, {5, 18}, {7, 16}, {19, 10}, {80, 10}};
  for (const auto& [level, seconds] : countdowns) EXPECT_EQ(LoadLevel(level - 1)->params.AutoDropSec, seconds) << level;
  EXPECT_EQ(leadingOutcomes.size(), 3u) << "every box outcome should lead in some level";
  EXPECT_GT(LoadLevel(LevelCount - 1)->params.BreakgrdCnt, LoadLevel(0)->params.BreakgrdCnt);
}

TEST_F(ShippedLevels, FlowsShowEveryCharacterWithRisingAndSidewaysGems) {
  int rising = 0, sideways = 0;
  std::set<std::vector<int>> distinct;
  for (int number = 0; number < LevelCount; ++number) {
    const auto level = LoadLevel(number);
    const TMoveMatrix& flow = level->board.MoveMatrix;
    std::vector<int> signature;
    bool hasRise = false, hasSide = false;
    for (int r = 0; r < BoardRows; ++r)
      for (int c = 0; c < BoardCols; ++c)
        for (int k = 0; k < flow.SourceCount(r, c); ++k) {
          const TGmPoint s = flow.SourceAt(r, c, k);
          hasRise = hasRise || s.Row > r;
          hasSide = hasSide || s.Row == r;
          signature.push_back(s.Row * 100 + s.Col);
        }
    rising += hasRise;
    sideways += hasSide;
    distinct.insert(signature);
  }
  EXPECT_GE(rising, 10);
  EXPECT_GE(sideways, 20);
  EXPECT_GE(distinct.size(), 20u);
}

TEST_F(ShippedLevels, LayoutsUseOnlyGameCodesStartWithoutAFullRowAndLeaveRoomForEveryShape) {
  const std::set<int> allowed{255, 0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24};
  for (int number = 0; number < LayoutCount; ++number) {
    SCOPED_TRACE("d" + std::to_string(number));
    const std::string bytes = LayoutBytes(number);
    ASSERT_EQ(bytes.size(), 216u);
    for (unsigned char code : bytes) EXPECT_TRUE(allowed.count(code)) << int(code);
    const auto board = LoadLayout(number);
    EXPECT_EQ(board->FindFullRow(), -1);
    for (int shape = 0; shape < 9; ++shape) EXPECT_TRUE(ShapeFitsSomewhere(*board, Shapes[shape])) << "shape " << shape;
  }
}

TEST_F(ShippedLevels, LaterLayoutsAreFullerAndHarder) {
  auto count = [&](int number, int low, int high) {
    const std::string bytes = LayoutBytes(number);
    return std::count_if(bytes.begin(), bytes.end(), [&](unsigned char c) { return c >= low && c <= high; });
  };
  EXPECT_GT(count(19, 0, 24), 2 * count(0, 0, 24));
  EXPECT_EQ(count(0, 10, 24), 0);
  EXPECT_GT(count(19, 10, 24), 10);
  int secondTier = 0;
  for (int number = 0; number < LayoutCount - 1; ++number) secondTier += count(number, 20, 24) > 0;
  EXPECT_GE(secondTier, 2);
  EXPECT_LE(secondTier, 6) << "second-tier chips belong to a few late layouts only";
}

TEST_F(ShippedLevels, LevelOneIsGentle) {
  // Level 1 plays a00 with d20.
  const auto level = LoadLevel(0);
  const auto board = LoadLayout(LayoutCount - 1);
  EXPECT_LE(board->FilledCount, 15);
  for (int r = 0; r < BoardRows; ++r)
    for (int c = 0; c < BoardCols; ++c) {
      EXPECT_FALSE(IsChipGem(board->GetCell(r, c)));
      if (board->GetCell(r, c) != CellEmpty) {
        EXPECT_GE(r, BoardRows - 3) << "gems lie at the bottom";
      }
      for (int k = 0; k < level->board.MoveMatrix.SourceCount(r, c); ++k)
        EXPECT_EQ(level->board.MoveMatrix.SourceAt(r, c, k).Row, r - 1) << "plain gravity";
    }
  EXPECT_EQ(level->params.BreakgroundPower, 0);
}

TEST(LevelFlows, BuildingDropsLinksThatWouldCloseALoop) {
  // Every character, including the mixed zones where rising and falling parts meet, comes out
  // loop-free; a loop would make the board's refill recurse for ever.
  for (int number = 0; number < LevelCount; ++number) {
    const TMoveMatrix flow = BuildFlow(number);
    EXPECT_FALSE(HasCycle(flow)) << number;
  }
}

TEST(ShippedLevelFiles, AnEditedLevelSurvivesARerunUntilTheShippedLevelChanges) {
  TScratchFolder game;
  const TContentFolder folder(game.Path());
  WriteLevels(folder);
  const std::string shippedA05 = ReadFileBytes(folder.Path("dat/a05"));
  folder.Write("dat/a05", "saved from the editor");
  std::filesystem::remove(folder.Path("dat/d03"));
  WriteLevels(folder);
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/a05")), "saved from the editor");
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/d03")).size(), 216u) << "a missing level is shipped again";

  // A record saying a different a05 was shipped before: the shipped level changed, so it wins.
  std::string record = ReadFileBytes(folder.Path(ShippedLevelsRecord));
  const size_t at = record.find("dat/a05 ");
  ASSERT_NE(at, std::string::npos);
  record.replace(at + 8, 1, record[at + 8] == '1' ? "2" : "1");
  folder.Write(ShippedLevelsRecord, record);
  WriteLevels(folder);
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/a05")), shippedA05);

  // A damaged record is no record: every level is shipped afresh.
  folder.Write("dat/a05", "saved again");
  folder.Write(ShippedLevelsRecord, "dat/a05 not-a-number\n");
  WriteLevels(folder);
  EXPECT_EQ(ReadFileBytes(folder.Path("dat/a05")), shippedA05);
}
