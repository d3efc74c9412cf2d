// The rules of a round: drops and the row-clear chain, turning, pausing, the countdown and its
// automatic drop, losing, the payout and passing a level.

#include <optional>
#include <utility>
#include <vector>

#include "board/cell_codes.h"
#include "play/hex_shapes.h"
#include "round_fixture.h"

namespace {

const std::string Empty(12, '.'), FullRow = "012340123401", GapAt5 = "01234.123401";
constexpr int32_t OneRed = 9;

TEST_F(PlayRoundTest, ADropSetsOffAChainThatPaysDoubleForEachFurtherRow) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    TGmPoint drop;
    // Right after the drop: the bottom two rows.
    std::string row16, row17;
    std::vector<std::pair<int32_t, int32_t>> steps;  // rows cleared, money earned, at each row
  };
  const Case cases[] = {
      {"two complete rows: the lower index clears first, the other is still complete after the flow",
       {FullRow, GapAt5}, {17, 5}, Empty, "012344123401", {{1, 100}, {2, 300}}},
      {"a chip keeps a row incomplete until another clear downgrades it",
       {GapAt5, "012a40123401"}, {16, 5}, Empty, "012040123401", {{1, 100}, {2, 300}}},
      {"three rows pay 100, 200 and 400", {FullRow, FullRow, GapAt5}, {17, 5}, FullRow, "012344123401",
       {{1, 100}, {2, 300}, {3, 700}}},
  };
  std::vector<std::pair<int32_t, int32_t>> steps;
  for (const Case& c : cases) {
    Begin(c.rows);
    steps.clear();
    round.OnRowsCleared = [&](int32_t rows) { steps.emplace_back(rows, Earned()); };
    Hold(OneRed, c.drop.Row, c.drop.Col);
    ASSERT_TRUE(round.TryDrop()) << c.what;
    EXPECT_EQ(Row(16), c.row16) << c.what;
    EXPECT_EQ(Row(17), c.row17) << c.what;
    const int32_t filled = round.Board.FilledCount;
    Hold(OneRed, 5, 5);
    EXPECT_FALSE(round.TryDrop()) << "no drop while a row clears, " << c.what;
    EXPECT_EQ(round.Board.FilledCount, filled) << c.what;
    Run(0.6 * static_cast<double>(c.steps.size()));
    EXPECT_EQ(steps, c.steps) << c.what;
    EXPECT_EQ(round.RowsCleared, static_cast<int32_t>(c.steps.size())) << c.what;
    EXPECT_EQ(Row(17), Empty) << c.what;
    EXPECT_EQ(round.Mode, TPlayMode::Holding) << c.what;
    EXPECT_EQ(round.Chain, 0) << c.what;
    Run(0.5);
    EXPECT_EQ(paid, c.steps.back().second) << "paid out in coins, " << c.what;
    paid = 0;
  }
}

TEST_F(PlayRoundTest, TheRowClearsAfterTheFrameThatCompletesHalfASecond) {
  Begin({GapAt5});
  std::vector<int32_t> clearedAt;
  int32_t frame = 0;
  round.OnRowCleared = [&](int32_t, int32_t) { clearedAt.push_back(frame); };
  Hold(OneRed, 17, 5);
  round.TryDrop();
  // Frames of a thirtieth of a second: the span starts at the first frame after the drop,
  // and fifteen frames of 33333 ticks fall just short of half a second.
  for (frame = 1; frame <= 20; ++frame) Run(1.0 / 30, 1.0 / 30);
  EXPECT_EQ(clearedAt, std::vector<int32_t>{17});
}

TEST_F(PlayRoundTest, OneClockwiseTurnEqualsFiveAnticlockwiseAndSixRestore) {
  Begin({});
  Hold(0, 8, 5);
  auto cells = [&] {
    std::vector<TGmPoint> out;
    for (const THeldGem& gem : round.Held.Landing()) out.push_back(gem.Cell);
    return out;
  };
  const std::vector<TGmPoint> unturned = cells();
  EXPECT_EQ(unturned, (std::vector<TGmPoint>{{8, 5}, {8, 4}, {8, 6}, {8, 7}}));
  round.Turn(5);  // one clockwise click
  const auto clockwise = cells();
  EXPECT_NE(clockwise, unturned);
  for (int i = 0; i < 5; ++i) round.Turn(5);
  EXPECT_EQ(cells(), unturned) << "six clicks restore";
  for (int i = 0; i < 5; ++i) round.Turn(1);
  EXPECT_EQ(cells(), clockwise);
  // Anticlockwise on screen: the right-hand neighbour goes to the upper right (odd rows sit
  // half a cell to the right), the left-hand one to the lower left.
  Hold(0, 8, 5);
  round.Turn(1);
  EXPECT_EQ(cells(), (std::vector<TGmPoint>{{8, 5}, {9, 4}, {7, 5}, {6, 6}}));
}

TEST_F(PlayRoundTest, WhilePausedNothingDropsButTheSetStillMoves) {
  Begin({});
  Hold(OneRed, 2, 2);
  round.SetPaused(true);
  round.MoveTo({8, 5});
  EXPECT_FALSE(round.TryDrop());
  EXPECT_EQ(round.Board.FilledCount, 0);
  round.SetPaused(false);
  EXPECT_TRUE(round.TryDrop());
  EXPECT_EQ(round.Board.GetCell(8, 5), Red) << "the set followed while paused";
}

TEST_F(PlayRoundTest, TheCountdownDropsWhereTheSetIsHeldElseAtTheFirstPlaceUpFromAnEndCell) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    TGmPoint held, landed;
    std::optional<TGmPoint> stamped;
  };
  std::vector<std::string> taken(8, Empty);
  taken[0] = ".....1......";  // row 10, where the set is held
  taken[7] = "1...........";  // the first end cell is taken: its source is next
  const Case cases[] = {
      {"free where held", {}, {8, 5}, {8, 5}, std::nullopt},
      {"taken where held", taken, {10, 5}, {16, 0}, TGmPoint{16, 0}},
  };
  std::vector<std::optional<TGmPoint>> stamps;
  round.OnTimedOut = [&](std::optional<TGmPoint> at) { stamps.push_back(at); };
  for (const Case& c : cases) {
    Begin(c.rows);
    Hold(OneRed, c.held.Row, c.held.Col);
    stamps.clear();
    double waited = 0;
    const int32_t filled = round.Board.FilledCount;
    for (; round.Board.FilledCount == filled && waited < 25; waited += 0.05) Run(0.05);
    EXPECT_NEAR(waited, 20, 0.01) << c.what;
    EXPECT_EQ(round.Board.GetCell(c.landed.Row, c.landed.Col), Red) << c.what;
    EXPECT_EQ(stamps, std::vector<std::optional<TGmPoint>>{c.stamped}) << c.what;
    EXPECT_EQ(round.Held.Anchor, c.held) << "the new set is held where the old one was, " << c.what;
    EXPECT_EQ(round.Mode, TPlayMode::Holding) << c.what;
  }
}

TEST_F(PlayRoundTest, NoPlaceLeftLosesAtTheEndOfTheCountdownAndTheMoneyIsStillPaid) {
  // The search for a place must not go round the cycle at the top for ever.
  Begin(std::vector<std::string>(BoardRows, "abcdeabcdeab"), 20, true, true);
  int32_t lost = 0;
  round.OnGameLost = [&] { lost += 1; };
  Run(19.9);
  round.SpawnBox(5);
  ASSERT_EQ(round.Boxes.size(), 1u);
  Run(0.15);
  EXPECT_EQ(lost, 1);
  EXPECT_EQ(round.Mode, TPlayMode::Lost);
  EXPECT_TRUE(round.Boxes.empty());
  EXPECT_FALSE(round.DropTimer->Enabled());
  round.PendingMoney = 150;
  Run(0.35);
  EXPECT_EQ(paid, 150) << "money earned is still paid while the lost board shows";
}

TEST_F(PlayRoundTest, PendingMoneyIsPaidInChunksChosenAgainAtEveryTick) {
  Begin({});
  std::vector<int32_t> chunks;
  round.OnPaid = [&](int32_t chunk) { chunks.push_back(chunk); };
  round.PendingMoney = 12345;
  Run(1, 0.1);
  EXPECT_EQ(chunks, (std::vector<int32_t>{10000, 1000, 1000, 100, 100, 100, 45}));
  EXPECT_EQ(round.PendingMoney, 0);
}

TEST_F(PlayRoundTest, TheLevelPassesAtTheChainsEndAndFinishesOnceEverythingIsPaid) {
  Begin({FullRow, GapAt5}, 20);
  round.SetRowsCleared(19);
  int32_t passed = 0, finished = 0, paidWhenFinished = 0;
  round.OnLevelPassed = [&] { passed += 1; };
  round.OnLevelFinished = [&] {
    if (finished++ == 0) paidWhenFinished = paid;
  };
  Hold(OneRed, 17, 5);
  round.TryDrop();
  Run(0.6);
  EXPECT_EQ(passed, 0) << "a chain already running completes first";
  EXPECT_FALSE(round.LevelPassed);
  Run(0.6);
  EXPECT_EQ(round.RowsCleared, 21);
  EXPECT_EQ(passed, 1);
  EXPECT_TRUE(round.Boxes.empty()) << "no box after the chain that passes";
  // Nobody leaves the level (no map to go to): it still ends only once.
  Run(5, 0.1);
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(paidWhenFinished, 300) << "not before the money is paid";
}

}  // namespace
