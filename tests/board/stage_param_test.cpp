// Stage parameters, level parameter files (flow then parameters) and weighted picks.

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "board/move_matrix.h"
#include "board/stage_param.h"
#include "board/weighted_random.h"
#include "board_test_helpers.h"
#include "frame/random.h"

namespace {
std::string Saved(const TStageParam& param) {
  std::ostringstream out;
  param.SaveToStream(out);
  return out.str();
}

std::string Ints(std::initializer_list<int32_t> values) {
  std::string bytes;
  for (int32_t v : values) bytes += Int32Bytes(v);
  return bytes;
}
}  // namespace

TEST(StageParam, NewRecordHoldsTheDefaults) {
  EXPECT_EQ(Saved(TStageParam{}), std::string(28, '\0') + Ints({20, 20, 10, 10, 10, 10}));
}

TEST(StageParam, RoundTripsEveryFieldInOrder) {
  const std::string bytes = Ints({1, -2, 3, 4, 5, 6, 0x7FFFFFFF, 30, 12, 7, 0, 5, -9});
  TStageParam param;
  std::istringstream in(bytes);
  param.LoadFromStream(in);
  EXPECT_EQ(param.Reserved[1], -2);
  EXPECT_EQ(param.Reserved[6], 0x7FFFFFFF);
  EXPECT_EQ(param.PassRows, 30);
  EXPECT_EQ(param.AutoDropSec, 12);
  EXPECT_EQ(param.BreakgrdCnt, 7);
  EXPECT_EQ(param.LaserPower, 0);
  EXPECT_EQ(param.BreakgroundPower, 5);
  EXPECT_EQ(param.ClearGemsPower, -9);
  EXPECT_EQ(Saved(param), bytes);
}

TEST(StageParam, AShortStreamKeepsTheFieldsItDoesNotReach) {
  TStageParam param;
  // Seven reserved values, PassRows, and half of AutoDropSec.
  std::istringstream in(Ints({0, 0, 0, 0, 0, 0, 0, 44}) + "\x05\x00", std::ios::binary);
  param.LoadFromStream(in);
  EXPECT_EQ(param.PassRows, 44);
  EXPECT_EQ(param.AutoDropSec, 20);
  EXPECT_EQ(param.ClearGemsPower, 10);
}

TEST(LevelFile, FlowThenParametersFromOneStream) {
  const std::string file = FlowRecord({{{1, 0}, {{0, 0}}}}) + Ints({0, 0, 0, 0, 0, 0, 0, 25, 15, 8, 1, 2, 3});
  ASSERT_EQ(file.size(), 864u + 8 + 52);
  TMoveMatrix matrix;
  TStageParam param;
  std::istringstream in(file);
  matrix.LoadFromStream(in);
  param.LoadFromStream(in);
  EXPECT_EQ(matrix.SourceCount(1, 0), 1);
  EXPECT_EQ(param.PassRows, 25);
  EXPECT_EQ(param.ClearGemsPower, 3);
}

TEST(LevelFile, ZeroFlowAndParametersIn916Bytes) {
  const std::string file = std::string(864, '\0') + Ints({0, 0, 0, 0, 0, 0, 0, 9, 9, 9, 9, 9, 9});
  ASSERT_EQ(file.size(), 916u);
  TMoveMatrix matrix;
  TStageParam param;
  std::istringstream in(file);
  matrix.LoadFromStream(in);
  param.LoadFromStream(in);
  EXPECT_EQ(matrix.EndCells().size(), 216u);
  EXPECT_EQ(param.LaserPower, 9);
}

TEST(LevelFile, Names) {
  EXPECT_EQ(LevelParamFileName(0), "dat/a00");
  EXPECT_EQ(LevelParamFileName(79), "dat/a79");
  EXPECT_EQ(LayoutFileName(7), "dat/d07");
  EXPECT_EQ(LayoutFileName(20), "dat/d20");
}

TEST(WeightedRandom, NothingToPick) {
  EXPECT_EQ(WeightedRandom({0, 0, 0}, 2), -1);
  EXPECT_EQ(WeightedRandom({5, 5}, -1), -1);
  EXPECT_EQ(WeightedRandom({}, 2), -1);
  EXPECT_EQ(WeightedRandom({3, -3}, 1), -1);
}

TEST(WeightedRandom, ZeroWeightsAreNeverPicked) {
  RandomSeed(7);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(WeightedRandom({0, 0, 5}, 2), 2);
  for (int i = 0; i < 200; ++i) EXPECT_NE(WeightedRandom({4, 0, 4}, 2), 1);
  // Weights past HighIndex do not count, and HighIndex past the end is harmless.
  for (int i = 0; i < 200; ++i) EXPECT_EQ(WeightedRandom({0, 1, 100}, 1), 1);
  for (int i = 0; i < 200; ++i) EXPECT_EQ(WeightedRandom({0, 1}, 9), 1);
}

TEST(WeightedRandom, PicksInProportion) {
  RandomSeed(11);
  int counts[3] = {};
  const int draws = 30000;
  for (int i = 0; i < draws; ++i) ++counts[WeightedRandom({10, 30, 60}, 2)];
  EXPECT_NEAR(counts[0], draws * 0.1, draws * 0.015);
  EXPECT_NEAR(counts[1], draws * 0.3, draws * 0.015);
  EXPECT_NEAR(counts[2], draws * 0.6, draws * 0.015);
  // A total beyond the 32-bit range still gives valid picks.
  for (int i = 0; i < 100; ++i) {
    const int32_t pick = WeightedRandom({0x7FFFFFFF, 0x7FFFFFFF, 0}, 2);
    EXPECT_TRUE(pick == 0 || pick == 1);
  }
}
