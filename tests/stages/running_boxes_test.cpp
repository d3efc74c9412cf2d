// Pandora's boxes: when they come, what catching each kind does, the laser, and leaving the
// stage while a box or the laser is about.

#include <map>

#include "running_fixture.h"

namespace {

const std::string Empty(12, '.');

class RunningBoxTest : public RunningStageTest {
 protected:
  // Releases a box of the kind right under the mouse and lets it move once.
  void CatchBox(int32_t kind) {
    MoveTo(8, 5);
    stage->SpawnBox(3);
    ASSERT_FALSE(stage->Boxes.empty());
    TDSPE_Bounce& box = *stage->Boxes.back();
    box.Tag = kind;
    box.X = stage->MouseX;
    box.Y = stage->MouseY;
    RunFor(0.1);
  }

  std::map<int32_t, int32_t> CountByColour() const {
    std::map<int32_t, int32_t> counts;
    for (int32_t row = 0; row < BoardRows; ++row)
      for (int32_t col = 0; col < BoardCols; ++col)
        if (stage->Board->GetCell(row, col) != CellEmpty) counts[stage->Board->GetCell(row, col) % 10] += 1;
    return counts;
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
  const TPointF far = stage->Geometry->CellToPixel(5, BoardCols);
  EXPECT_EQ(stage->Boxes[0]->X, far.X) << "it comes in at the end of the row away from the mouse";
  EXPECT_EQ(stage->Boxes[0]->Y, far.Y);
  for (int i = 0; i < 200; ++i) stage->SpawnBox(5);
  EXPECT_EQ(stage->Boxes.size(), 5u);
  EXPECT_EQ(CountKind<TDSPE_Bounce>(), 5);
}

TEST_F(RunningBoxTest, AClearGemsBoxEmptiesEveryCellOfOneColourAndLeavesTheHoles) {
  Play(2, {{"012340123401", "abcdeABCDE01", "4.3.2.1.0..."}});
  const auto before = CountByColour();
  CatchBox(0);
  EXPECT_TRUE(stage->Boxes.empty());
  const auto after = CountByColour();
  int32_t gone = 0;
  for (const auto& [colour, count] : before) {
    if (after.count(colour) == 0)
      gone += 1;
    else
      EXPECT_EQ(after.at(colour), count) << colour;
  }
  EXPECT_EQ(gone, 1) << "every gem, chip and second-tier chip of one colour";
  const int32_t filled = stage->Board->FilledCount;
  RunFor(1);
  EXPECT_EQ(stage->Board->FilledCount, filled) << "the flow does not fill the holes by itself";
}

TEST_F(RunningBoxTest, ABreakgroundBoxDropsChipsThatSlideDownButNoneOnAFullBoard) {
  TLevelSpec spec{{Empty}};
  spec.BreakgrdCnt = 3;
  Play(2, spec);
  CatchBox(1);
  EXPECT_EQ(stage->Board->FilledCount, 3);
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      if (stage->Board->GetCell(row, col) == CellEmpty) continue;
      EXPECT_TRUE(IsChipGem(stage->Board->GetCell(row, col)));
      EXPECT_TRUE(row == BoardRows - 1 || stage->Board->GetCell(row + 1, col) != CellEmpty) << "slid down the flow";
    }

  Play(2, {std::vector<std::string>(BoardRows, "abcdeabcdeab")});
  stage->Breakground(3);
  EXPECT_EQ(stage->Board->FilledCount, BoardCellCount);
}

TEST_F(RunningBoxTest, ABoxOfNoKindDoesNothingWhenCaught) {
  Play(2, {{"012340123401"}});
  CatchBox(-1);
  EXPECT_TRUE(stage->Boxes.empty());
  EXPECT_EQ(RowText(17), "012340123401");
  EXPECT_FALSE(stage->Busy);
  EXPECT_TRUE(stage->HexSet->Visible);
}

TEST_F(RunningBoxTest, TheLaserRemovesTwoRowsThatRefillWithoutPayment) {
  Play(2, {{"111111111111", "222222222222", "333333333333", "444444444444", "aaaaaaaaaaaa", "bbbbbbbbbbbb"}});
  CatchBox(2);
  EXPECT_TRUE(stage->Busy);
  EXPECT_TRUE(stage->LaserGunLeft->Visible);
  EXPECT_FALSE(stage->HexSet->Visible);
  // A beam through the upper part of row 16 takes rows 15 and 16.
  stage->OnMouse(MouseMove, 0, mbLeft, 0, 15 * 27 + 23.5f);
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 15 * 27 + 23.5f);
  EXPECT_EQ(RowText(15), Empty);
  EXPECT_EQ(RowText(16), Empty);
  EXPECT_EQ(RowText(14), "333333333333");
  RunFor(1.5);
  EXPECT_EQ(stage->LaserBolt, nullptr);
  // Each emptied cell pulls the gems above it one cell down.
  EXPECT_EQ(RowText(13), Empty);
  EXPECT_EQ(RowText(14), "111111111111");
  EXPECT_EQ(RowText(15), "222222222222");
  EXPECT_EQ(RowText(16), "333333333333");
  EXPECT_EQ(RowText(17), "bbbbbbbbbbbb");
  EXPECT_EQ(stage->RowsCleared, 0) << "complete rows left by the refill wait for the next drop";
  EXPECT_EQ(Earned(), 0);
  EXPECT_FALSE(stage->Busy);
  EXPECT_TRUE(stage->HexSet->Visible);
  EXPECT_FALSE(stage->LaserGunLeft->Visible);
}

TEST_F(RunningBoxTest, TheLaserAtTheTopEdgeRemovesOnlyTheFirstRow) {
  Play(2, {std::vector<std::string>(BoardRows, "abcdeabcdeab")});
  stage->StartLaser();
  stage->OnMouse(MouseMove, 0, mbLeft, 0, -20);
  EXPECT_EQ(stage->AimBeam->Y, 0) << "the aim stays on the field";
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 0);
  EXPECT_EQ(stage->Board->FilledCount, BoardCellCount - BoardCols);
  EXPECT_EQ(RowText(0), Empty);
}

TEST_F(RunningBoxTest, LeavingWhileAimingLeavesNoBoxNorLaserAndTheNextLevelStartsHolding) {
  Play(2, {});
  stage->SpawnBox(5);
  CatchBox(2);
  ASSERT_EQ(stage->Boxes.size(), 1u);
  stage->Leave();
  EXPECT_TRUE(stage->Boxes.empty());
  EXPECT_EQ(CountKind<TDSPE_Bounce>(), 0);
  EXPECT_FALSE(stage->LaserGunLeft->Visible);
  EXPECT_FALSE(stage->AimBeam->Visible);
  EXPECT_FALSE(stage->SoundLaser->IsPlaying());

  list->SetCurrentStage(stage);
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red);
}

TEST_F(RunningBoxTest, LeavingDuringTheBoltCancelsItsRefill) {
  Play(2, {{"111111111111", "222222222222"}});
  stage->StartLaser();
  stage->OnMouse(MouseDown, 0, mbLeft, 0, 16 * 27 + 23.5f);
  ASSERT_NE(stage->LaserBolt, nullptr);
  stage->Leave();
  EXPECT_EQ(stage->LaserBolt, nullptr);
  RunFor(1.5);
  EXPECT_FALSE(stage->DropTimer->Enabled()) << "no countdown restarted on a stage that was left";
  EXPECT_FALSE(stage->HexSet->Visible);
}

}  // namespace
