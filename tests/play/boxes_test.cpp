// Pandora's boxes in the round: when they come, what catching each kind does, and the laser.

#include <cmath>
#include <tuple>
#include <vector>

#include "board/cell_codes.h"
#include "play/round_state.h"
#include "round_fixture.h"

namespace {

const std::string Empty(12, '.');
const std::vector<std::string> FullOfChips(BoardRows, "abcdeabcdeab");

class BoxTest : public PlayRoundTest {
 protected:
  // Releases a box and turns it into the kind given before it is caught.
  void Catch(TBoxKind kind) {
    round.SpawnBox(3);
    ASSERT_FALSE(round.Boxes.empty());
    round.Boxes.back().Kind = kind;
    round.CatchBox(round.Boxes.back().Id);
  }
  int32_t CountColour(int32_t colour) const {
    int32_t count = 0;
    for (int32_t cell = 0; cell < BoardCellCount; ++cell)
      count += round.Board.GetCell(cell / BoardCols, cell % BoardCols) % 10 == colour;
    return count;
  }
};

TEST_F(BoxTest, BoxesComeFromTheSecondLevelAndNoMoreThanFiveAreOut) {
  Begin({}, 20, false);
  round.SpawnBox(5);
  EXPECT_TRUE(round.Boxes.empty()) << "none on the first level";
  round.BoxesAllowed = true;
  std::vector<int32_t> rows;
  round.OnBoxReleased = [&](const TBox&, int32_t row) { rows.push_back(row); };
  round.SpawnBox(5);
  ASSERT_EQ(round.Boxes.size(), 1u) << "with none out a box always comes";
  EXPECT_EQ(rows, std::vector<int32_t>{5});
  for (int i = 0; i < 200; ++i) round.SpawnBox(5);
  EXPECT_EQ(round.Boxes.size(), 5u);
  round.Param.ClearGemsPower = round.Param.BreakgroundPower = round.Param.LaserPower = 0;
  round.DestroyBoxes();
  round.SpawnBox(5);
  ASSERT_EQ(round.Boxes.size(), 1u);
  EXPECT_EQ(round.Boxes[0].Kind, TBoxKind::Nothing) << "with all weights 0";
  // A round read back with the highest number a file may hold counts no further.
  TRoundState state = round.State();
  state.NextBoxId = MaxBoxNumber;
  round.Restore(state);
  round.DestroyBoxes();
  round.SpawnBox(5);
  EXPECT_EQ(round.State().NextBoxId, MaxBoxNumber);
}

TEST_F(BoxTest, ABoxIsCaughtOnlyWhileHolding) {
  Begin({});
  round.SpawnBox(3);
  const int32_t id = round.Boxes.back().Id;
  std::vector<TBoxKind> caught;
  round.OnBoxCaught = [&](const TBox& box) { caught.push_back(box.Kind); };
  for (TPlayMode busy : {TPlayMode::Clearing, TPlayMode::Aiming, TPlayMode::Firing, TPlayMode::Lost}) {
    round.Mode = busy;
    round.CatchBox(id);
  }
  EXPECT_TRUE(caught.empty());
  round.Mode = TPlayMode::Holding;
  round.CatchBox(id);
  EXPECT_EQ(caught.size(), 1u);
  EXPECT_TRUE(round.Boxes.empty());
}

TEST_F(BoxTest, ABoxBouncesInsideItsRoomAndIsCaughtNearThePoint) {
  Begin({});
  round.OnBoxReleased = [](TBox& box, int32_t) { box.Motion.X = box.Motion.Y = 100; };
  round.SpawnBox(3);
  TBox& box = round.Boxes.back();
  EXPECT_EQ(box.Motion.Speed, BoxSpeed);
  EXPECT_EQ(std::abs(box.Motion.DirX) + std::abs(box.Motion.DirY), 2) << "diagonally, either way";
  box.Motion.DirX = 1;
  box.Motion.DirY = -1;
  const int32_t id = box.Id;
  struct Step {
    double Seconds;
    bool HitEdge;
    float X, Y;
    int32_t DirX, DirY;
  };
  // A room of 150 x 300: the right wall turns it first, then the top, each time kept inside.
  for (const Step& step : std::vector<Step>{
           {0.5, false, 140, 60, 1, -1}, {0.25, true, 150, 40, -1, -1}, {1, true, 70, 0, -1, 1}, {0.5, false, 30, 40, -1, 1}}) {
    EXPECT_EQ(round.MoveBox(id, step.Seconds, 150, 300), step.HitEdge) << step.Seconds;
    const TBounceMotion& m = round.FindBox(id)->Motion;
    EXPECT_EQ(std::tuple(m.X, m.Y, m.DirX, m.DirY), std::tuple(step.X, step.Y, step.DirX, step.DirY)) << step.Seconds;
  }
  EXPECT_FALSE(round.MoveBox(id + 1, 1, 150, 300)) << "no such box";
  EXPECT_FALSE(round.CatchBoxNear(id, 30 + 30, 40 + 40)) << "50 pixels away is not near";
  round.Mode = TPlayMode::Clearing;
  EXPECT_FALSE(round.CatchBoxNear(id, 30, 40)) << "nothing is caught while busy";
  round.Mode = TPlayMode::Holding;
  EXPECT_TRUE(round.CatchBoxNear(id, 30 + 29, 40 + 40));
  EXPECT_EQ(round.FindBox(id), nullptr);
}

TEST_F(BoxTest, ClearGemsEmptiesOneColourForGoodAndANoKindBoxDoesNothing) {
  Begin({"012340123401", "abcdeABCDE01", "4.3.2.1.0..."});
  Catch(TBoxKind::Nothing);
  EXPECT_EQ(round.Board.FilledCount, 29);
  std::vector<int32_t> before;
  for (int32_t colour = 0; colour < 5; ++colour) before.push_back(CountColour(colour));
  std::vector<THeldGem> blasted;
  round.OnGemsBlasted = [&](const std::vector<THeldGem>& cells) { blasted = cells; };
  Catch(TBoxKind::ClearGems);
  int32_t gone = 0;
  for (int32_t colour = 0; colour < 5; ++colour)
    if (CountColour(colour) == 0) {
      gone += 1;
      EXPECT_EQ(static_cast<int32_t>(blasted.size()), before[colour]) << "each blasted cell is reported";
    } else {
      EXPECT_EQ(CountColour(colour), before[colour]) << colour;
    }
  EXPECT_EQ(gone, 1) << "every gem, chip and second-tier chip of one colour";
  const int32_t filled = round.Board.FilledCount;
  Run(1);
  EXPECT_EQ(round.Board.FilledCount, filled) << "the holes wait for the next flow";
}

TEST_F(BoxTest, BreakgroundDropsChipsThatSlideDownButNoneOnAFullBoard) {
  Begin({Empty});
  round.Param.BreakgrdCnt = 3;
  Catch(TBoxKind::Breakground);
  EXPECT_EQ(round.Board.FilledCount, 3);
  for (int32_t cell = 0; cell < BoardCellCount - BoardCols; ++cell)
    if (round.Board.GetCell(cell / BoardCols, cell % BoardCols) != CellEmpty) {
      EXPECT_TRUE(IsChipGem(round.Board.GetCell(cell / BoardCols, cell % BoardCols)));
      EXPECT_NE(round.Board.GetCell(cell / BoardCols + 1, cell % BoardCols), CellEmpty) << "slid down the flow";
    }
  Begin(FullOfChips);
  round.Breakground(3);
  EXPECT_EQ(round.Board.FilledCount, BoardCellCount);
}

TEST_F(BoxTest, TheLaserRemovesTwoRowsThatRefillWithoutPayment) {
  Begin({"111111111111", "222222222222", "333333333333", "444444444444", "aaaaaaaaaaaa", "bbbbbbbbbbbb"});
  Catch(TBoxKind::Laser);
  EXPECT_EQ(round.Mode, TPlayMode::Aiming);
  EXPECT_FALSE(round.DropTimer->Enabled());
  round.FireLaser(15, 16);
  EXPECT_EQ(Row(15) + Row(16), Empty + Empty);
  EXPECT_EQ(round.Mode, TPlayMode::Firing);
  Run(1.5);
  // Each emptied cell pulls the gems above it one cell down; the chips keep their tier.
  for (const auto& [row, text] : {std::pair{13, Empty}, {14, "111111111111"}, {16, "333333333333"}, {17, "bbbbbbbbbbbb"}})
    EXPECT_EQ(Row(row), text) << row;
  EXPECT_EQ(round.RowsCleared, 0) << "complete rows left by the refill wait for the next drop";
  EXPECT_EQ(Earned(), 0);
  EXPECT_EQ(round.Mode, TPlayMode::Holding);
  EXPECT_TRUE(round.DropTimer->Enabled());

  Begin(FullOfChips);
  round.StartLaser();
  round.FireLaser(-1, 0);
  EXPECT_EQ(round.Board.FilledCount, BoardCellCount - BoardCols) << "at the top edge only row 0 is inside";
  EXPECT_EQ(Row(0), Empty);
}

TEST_F(BoxTest, StoppingCancelsTheShotAndTheClearWithoutTheirEnds) {
  Begin({"01234.123401"});
  round.StartLaser();
  round.FireLaser(3, 4);
  int32_t ended = 0;
  round.OnLaserDone = [&] { ended += 1; };
  round.OnRowCleared = [&](int32_t, int32_t) { ended += 1; };
  round.Stop();
  Run(1.5);
  EXPECT_EQ(ended, 0);
  EXPECT_FALSE(round.DropTimer->Enabled()) << "the cancelled shot restarts nothing";
  Begin({"01234.123401"});
  Hold(9, 17, 5);
  EXPECT_TRUE(round.TryDrop()) << "the next level starts holding";
  round.Stop();
  Run(1.5);
  EXPECT_EQ(ended, 0);
  EXPECT_EQ(round.RowsCleared, 0);
}

}  // namespace
