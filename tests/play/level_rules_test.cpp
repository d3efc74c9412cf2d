// What a level number means for play, and what a row pays along a chain.

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "play/level_rules.h"

namespace {

TEST(LevelRules, CountdownRowsAndFileNumbersFollowTheLevel) {
  // Level, countdown, rows to pass, parameter file, layout file.
  const int32_t rows[][5] = {{1, 20, 5, 0, 20},    {2, 19, 8, 1, 0},     {3, 18, 11, 2, 1},   {5, 18, 17, 4, 3},
                             {6, 17, 20, 5, 4},    {11, 14, 20, 10, 9},  {15, 12, 20, 14, 13}, {19, 10, 20, 18, 17},
                             {22, 10, 20, 21, 0},  {81, 10, 20, 0, 19},  {-7, 20, 5, 0, 20}};
  for (const auto& row : rows)
    EXPECT_EQ((std::vector<int32_t>{AutoDropSecForLevel(row[0]), PassRowsForLevel(row[0]), LevelParamNumber(row[0]),
                                    LayoutNumber(row[0])}),
              (std::vector<int32_t>{row[1], row[2], row[3], row[4]}))
        << row[0];
}

TEST(LevelRules, ARowPaysDoubleAlongTheChainUpToTheTopOfTheMoneyRange) {
  constexpr int32_t Top = std::numeric_limits<int32_t>::max();
  std::vector<int32_t> chains;
  for (int32_t chain = -3; chain <= 80; ++chain) chains.push_back(chain);
  for (int32_t chain : {127, 1000, Top - 1, Top}) chains.push_back(chain);
  int32_t lastPayout = 0, lastMultiplier = 1;
  for (int32_t chain : chains) {
    const int32_t payout = RowPayout(chain), multiplier = ChainMultiplier(chain);
    // While 100 << chain fits 32 bits it is paid exactly; from then on the top of the range.
    const int64_t doubled = chain <= 0 ? 100 : chain < 32 ? int64_t{100} << chain : int64_t{Top} + 1;
    EXPECT_EQ(payout, std::min<int64_t>(doubled, Top)) << chain;
    if (doubled <= Top) {
      EXPECT_EQ(multiplier, doubled / 100) << chain;
    }
    EXPECT_LE(int64_t{multiplier} * 100, payout) << "the shown multiplier never promises more, " << chain;
    EXPECT_GE(payout, lastPayout) << chain;
    EXPECT_GE(multiplier, lastMultiplier) << chain;
    lastPayout = payout;
    lastMultiplier = multiplier;
  }
}

}  // namespace
