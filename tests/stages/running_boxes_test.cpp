// Pandora's boxes: when they come, what catching each kind does, the laser, and leaving the
// stage while the laser is about.

#include "running_fixture.h"

namespace {

const std::string Empty(12, '.');
const std::vector<std::string> FullOfChips(BoardRows, "abcdeabcdeab");

class RunningBoxTest : public RunningStageTest {
 protected:
  // Releases a box of the kind right under the mouse and lets it move.
  void CatchBox(int32_t kind) {
    MoveTo(8, 5);
    stage->SpawnBox(3);
    TDSPE_Bounce& box = *stage->Boxes.back();
    box.Tag = kind;
    box.X = stage->MouseX;
    box.Y = stage->MouseY;
    RunFor(0.1);
  }
  int32_t CountColour(int32_t colour) const {
    int32_t count = 0;
    for (int32_t cell = 0; cell < BoardCellCount; ++cell)
      count += stage->Board->GetCell(cell / BoardCols, cell % BoardCols) % 10 == colour;
    return count;
  }
};

TEST_F(RunningBoxTest, NoBoxOnLevelOneNorBeyondFiveOnScreen) {
  Play(1, {});
  MoveTo(8, 1);
  stage->SpawnBox(5);
  EXPECT_TRUE(stage->Boxes.empty());
  player->SetLevel(2);
  stage->SpawnBox(5);
  ASSERT_EQ(stage->Boxes.size(), 1u) << "with none on screen a box always comes";
  EXPECT_EQ(stage->Boxes[0]->X, stage->Geometry->CellToPixel(5, BoardCols).X) << "at the row's end away from the mouse";
  for (int i = 0; i < 200; ++i) stage->SpawnBox(5);
  EXPECT_EQ(ElemsOf<TDSPE_Bounce>().size(), 5u);
}

TEST_F(RunningBoxTest, ClearGemsEmptiesOneColourForGoodAndANoKindBoxDoesNothing) {
  Play(2, {{"012340123401", "abcdeABCDE01", "4.3.2.1.0..."}});
  CatchBox(-1);
  EXPECT_TRUE(stage->Boxes.empty());
  EXPECT_EQ(stage->Board->FilledCount, 29);
  std::vector<int32_t> before;
  for (int32_t colour = 0; colour < 5; ++colour) before.push_back(CountColour(colour));
  CatchBox(0);
  int32_t gone = 0;
  for (int32_t colour = 0; colour < 5; ++colour)
    if (CountColour(colour) == 0) gone += 1;
    else EXPECT_EQ(CountColour(colour), before[colour]) << colour;
  EXPECT_EQ(gone, 1) << "every gem, chip and second-tier chip of one colour";
  const int32_t filled = stage->Board->FilledCount;
  RunFor(1);
  EXPECT_EQ(stage->Board->FilledCount, filled) << "the holes wait for the next flow";
}

TEST_F(RunningBoxTest, BreakgroundDropsChipsThatSlideDownButNoneOnAFullBoard) {
  TLevelSetup setup{{Empty}, 3};
  Play(2, setup);
  CatchBox(1);
  EXPECT_EQ(stage->Board->FilledCount, 3);
  for (int32_t cell = 0; cell < BoardCellCount - BoardCols; ++cell)
    if (stage->Board->GetCell(cell / BoardCols, cell % BoardCols) != CellEmpty) {
      EXPECT_TRUE(IsChipGem(stage->Board->GetCell(cell / BoardCols, cell % BoardCols)));
      EXPECT_NE(stage->Board->GetCell(cell / BoardCols + 1, cell % BoardCols), CellEmpty) << "slid down the flow";
    }
  Play(2, {FullOfChips});
  stage->Breakground(3);
  EXPECT_EQ(stage->Board->FilledCount, BoardCellCount);
}

TEST_F(RunningBoxTest, TheLaserRemovesTwoRowsThatRefillWithoutPayment) {
  Play(2, {{"111111111111", "222222222222", "333333333333", "444444444444", "aaaaaaaaaaaa", "bbbbbbbbbbbb"}});
  CatchBox(2);
  EXPECT_TRUE(stage->LaserGunLeft->Visible);
  EXPECT_FALSE(stage->HexSet->Visible);
  // A beam through the upper part of row 16 takes rows 15 and 16.
  stage->OnMouse(MouseMove, 0, mbLeft, 0, 15 * 27 + 23.5f);
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 15 * 27 + 23.5f);
  EXPECT_EQ(RowText(15) + RowText(16), Empty + Empty);
  RunFor(1.5);
  // Each emptied cell pulls the gems above it one cell down.
  for (const auto& [row, text] : {std::pair{13, Empty}, {14, "111111111111"}, {16, "333333333333"}, {17, "bbbbbbbbbbbb"}})
    EXPECT_EQ(RowText(row), text) << row;
  EXPECT_EQ(stage->RowsCleared, 0) << "complete rows left by the refill wait for the next drop";
  EXPECT_EQ(Earned(), 0);
  EXPECT_FALSE(stage->Busy);
  EXPECT_TRUE(stage->HexSet->Visible);

  Play(2, {FullOfChips});
  stage->StartLaser();
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 0);
  EXPECT_EQ(stage->Board->FilledCount, BoardCellCount - BoardCols) << "at the top edge only row 0 is inside";
  EXPECT_EQ(RowText(0), Empty);
}

TEST_F(RunningBoxTest, LeavingWhileAimingOrFiringLeavesNoBoxNoLaserAndNoLateRefill) {
  Play(2, {});
  stage->SpawnBox(5);
  CatchBox(2);
  stage->Leave();
  EXPECT_TRUE(ElemsOf<TDSPE_Bounce>().empty());
  EXPECT_FALSE(stage->LaserGunLeft->Visible || stage->AimBeam->Visible);
  EXPECT_FALSE(stage->SoundLaser->IsPlaying());
  list->SetCurrentStage(stage);
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red) << "the next level starts holding";

  stage->StartLaser();
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 200);
  stage->Leave();
  RunFor(1.5);
  EXPECT_FALSE(stage->DropTimer->Enabled()) << "the cancelled bolt restarts nothing";
  EXPECT_FALSE(stage->HexSet->Visible);
}

}  // namespace
