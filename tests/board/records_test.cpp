// The level records: flow, stage parameters, board layout; and the names that carry gem codes.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "board/stage_param.h"
#include "board/weighted_random.h"
#include "board_test_helpers.h"
#include "frame/errors.h"
#include "frame/random.h"

namespace {
template <typename Record>
std::string Saved(const Record& record) {
  std::ostringstream out;
  record.SaveToStream(out);
  return out.str();
}

// An all-zero flow record except cell `at`, which gets `cell` instead of its zero count.
std::string FlowWithCell(int32_t at, const std::string& cell) {
  std::string bytes;
  for (int32_t i = 0; i < BoardCellCount; ++i) bytes += i == at ? cell : Ints({0});
  return bytes;
}
}  // namespace

TEST(FlowRecord, LoadingDerivesTargetsAndEndCellsInRowMajorOrder) {
  TMoveMatrix matrix;
  std::istringstream zeros(std::string(864, '\0') + "rest");
  matrix.LoadFromStream(zeros);
  ASSERT_EQ(matrix.EndCells().size(), 216u);
  EXPECT_EQ(matrix.EndCells()[13], MakeGmPoint(1, 1));
  EXPECT_EQ(zeros.tellg(), 864);
  // (0,0) feeds (1,0) and (0,1); (1,0) feeds (1,1) and (2,0).
  LoadFlow(matrix, {{{1, 0}, {{0, 0}}}, {{2, 0}, {{1, 0}}}, {{1, 1}, {{1, 0}}}, {{0, 1}, {{0, 0}}}});
  EXPECT_EQ(matrix.TargetAt(0, 0, 0), MakeGmPoint(0, 1));
  EXPECT_EQ(matrix.TargetAt(0, 0, 1), MakeGmPoint(1, 0));
  EXPECT_EQ(matrix.TargetAt(1, 0, 0), MakeGmPoint(1, 1));
  ASSERT_EQ(matrix.EndCells().size(), 214u);
  EXPECT_EQ(matrix.EndCells()[0], MakeGmPoint(0, 1));
  EXPECT_EQ(matrix.EndCells()[11], MakeGmPoint(1, 1));
}

TEST(FlowRecord, RoundTripsByteForByteWithDuplicatesInOrder) {
  const std::string bytes = FlowRecord({{{5, 5}, {{4, 5}, {4, 6}, {4, 5}, {5, 4}}}, {{0, 3}, {{0, 2}, {0, 2}}}});
  EXPECT_EQ(bytes.size(), 864u + 8 * 6);
  EXPECT_EQ(bytes.substr(12, 20), Ints({2, 0, 2, 0, 2}));  // cell (0,3)
  TMoveMatrix matrix;
  std::istringstream in(bytes);
  matrix.LoadFromStream(in);
  EXPECT_EQ(Saved(matrix), bytes);
  EXPECT_EQ(matrix.SourceAt(5, 5, 2), MakeGmPoint(4, 5));
  EXPECT_EQ(matrix.TargetCount(0, 2), 2);
}

TEST(FlowRecord, BadRecordsChangeNeitherTheMatrixNorTheStream) {
  TMoveMatrix matrix;
  LoadFlow(matrix, {{{1, 0}, {{0, 0}}}});
  const std::string before = Saved(matrix);
  std::string longFirstCell = Ints({100});
  for (int i = 0; i < 100; ++i) longFirstCell += Ints({0, 1});
  const std::pair<std::string, std::string> cases[] = {
      {FlowWithCell(30, Ints({-1})), "negative source count"},
      {FlowWithCell(0, Ints({0x7FFFFFFF})), "ends first"},  // must fail before sizing anything
      {FlowWithCell(215, Ints({2, 17, 10})), "ends first"},
      {longFirstCell + std::string(60, '\0'), "ends early"},
      {FlowWithCell(11, Ints({1, 0, 12})), "(0, 12) off the board"},
      {FlowWithCell(0, Ints({1, -1, 0})), "off the board"},
      {FlowWithCell(CellIndex(4, 3), Ints({1, 4, 5})), "not its neighbour"},
      {FlowWithCell(CellIndex(4, 3), Ints({1, 4, 3})), "not its neighbour"},
  };
  for (const auto& [record, problem] : cases) {
    std::istringstream in("abc" + record);
    in.seekg(3);
    try {
      matrix.LoadFromStream(in);
      ADD_FAILURE() << "accepted a record that should give: " << problem;
    } catch (const EGameError& error) {
      EXPECT_NE(std::string(error.what()).find(problem), std::string::npos) << error.what();
    }
    EXPECT_EQ(in.tellg(), 3);
    EXPECT_EQ(Saved(matrix), before);
    EXPECT_EQ(matrix.EndCells().size(), 215u);
  }
  // Fewer than 864 bytes: nothing is read, silently.
  std::istringstream shortStream(std::string(863, '\0'));
  EXPECT_NO_THROW(matrix.LoadFromStream(shortStream));
  EXPECT_EQ(shortStream.tellg(), 0);
  EXPECT_EQ(Saved(matrix), before);
}

TEST(StageParamRecord, DefaultsRoundTripAndShortStreams) {
  EXPECT_EQ(Saved(TStageParam{}), std::string(28, '\0') + Ints({20, 20, 10, 10, 10, 10}));
  const std::string level = std::string(864, '\0') + Ints({1, -2, 3, 4, 5, 6, 7, 30, 12, 8, 0, 5, -9});
  ASSERT_EQ(level.size(), 916u);
  TMoveMatrix matrix;
  TStageParam param;
  std::istringstream in(level);
  matrix.LoadFromStream(in);
  param.LoadFromStream(in);
  EXPECT_EQ(matrix.EndCells().size(), 216u);
  EXPECT_EQ(param.PassRows, 30);
  EXPECT_EQ(param.ClearGemsPower, -9);
  EXPECT_EQ(Saved(param), level.substr(864));
  // A stream that stops inside AutoDropSec leaves it and the rest alone.
  TStageParam partial;
  std::istringstream cut(Ints({0, 0, 0, 0, 0, 0, 0, 44}) + "\x05");
  partial.LoadFromStream(cut);
  EXPECT_EQ(partial.PassRows, 44);
  EXPECT_EQ(partial.AutoDropSec, 20);
  EXPECT_EQ(LevelParamFileName(7), "dat/a07");
  EXPECT_EQ(LayoutFileName(20), "dat/d20");
}

TEST(LayoutRecord, RoundTripsRecountsAndKeepsWhatAShortStreamMisses) {
  std::string bytes(216, static_cast<char>(CellEmpty));
  for (int i = 0; i < 100; ++i) bytes[(i * 7) % 216] = static_cast<char>(i % 3 ? i % 5 : 20 + i % 5);
  TGmCells board;
  std::istringstream in(bytes);
  board.LoadFromStream(in);
  EXPECT_EQ(board.FilledCount, 100);
  EXPECT_EQ(Saved(board), bytes);
  board.SetCell(17, 11, Blue);
  std::istringstream row(std::string(12, static_cast<char>(Green)));
  board.LoadFromStream(row);
  EXPECT_EQ(board.GetCell(0, 11), Green);
  EXPECT_EQ(board.GetCell(17, 11), Blue);
  EXPECT_EQ(board.FilledCount, CountOccupied(board));
}

TEST(CellCodes, PictureNamesCarryTheCode) {
  for (int code : {0, 4, 10, 14, 20, 24}) EXPECT_EQ(CodeFromBitmapFile(HexagonBitmapFile(static_cast<uint8_t>(code))), code);
  EXPECT_EQ(CodeFromBitmapFile("C:\\game\\bmp\\hexagon13.bmp"), 13);
  for (const char* name : {"bmp/hexagon05.bmp", "hexagon12/x", ""}) EXPECT_EQ(CodeFromBitmapFile(name), CellEmpty);
  EXPECT_EQ(GemColor(13, 128), 0x806464FFu);
}

TEST(WeightedRandomPick, FollowsTheWeights) {
  EXPECT_EQ(WeightedRandom({0, 0, 0}, 2), -1);
  EXPECT_EQ(WeightedRandom({5, 5}, -1), -1);
  RandomSeed(11);
  int counts[3] = {};
  for (int i = 0; i < 30000; ++i) ++counts[WeightedRandom({10, 0, 60}, 2)];
  EXPECT_EQ(counts[1], 0);
  EXPECT_NEAR(counts[0], 30000 / 7, 300);
}
