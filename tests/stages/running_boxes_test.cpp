// Pandora's boxes and the laser on the field: where a box comes in, catching it with the
// pointer, aiming and firing with the pointer, and leaving the stage while the laser is about.

#include "running_fixture.h"

namespace {

const std::string Empty(12, '.');
const std::vector<std::string> FullOfChips(BoardRows, "abcdeabcdeab");

class RunningBoxTest : public RunningStageTest {
 protected:
  // Releases a box of the kind right under the mouse and lets it move.
  void CatchBox(TBoxKind kind) {
    MoveTo(8, 5);
    stage->Round->SpawnBox(3);
    stage->Round->Boxes.back().Kind = kind;
    TBox& box = stage->Round->Boxes.back();
    box.Motion.X = stage->Controls->X;
    box.Motion.Y = stage->Controls->Y;
    RunFor(0.1);
  }
};

TEST_F(RunningBoxTest, ABoxComesInAwayFromTheMouseAndIsCaughtUnderIt) {
  Play(2, {{"012340123401", "abcdeABCDE01", "4.3.2.1.0..."}});
  MoveTo(8, 1);
  stage->Round->SpawnBox(5);
  ASSERT_EQ(stage->Boxes->size(), 1u);
  EXPECT_EQ((*stage->Boxes)[0]->X, FieldGeometry().CellToPixel(5, BoardCols).X) << "at the row's end away from the mouse";
  stage->Round->DestroyBoxes();
  EXPECT_TRUE(ElemsOf<TDSPE_Bounce>().empty());
  const int32_t filled = stage->Round->Board.FilledCount;
  CatchBox(TBoxKind::ClearGems);
  EXPECT_TRUE(stage->Boxes->empty());
  EXPECT_TRUE(stage->Round->Boxes.empty());
  EXPECT_LT(stage->Round->Board.FilledCount, filled);
  EXPECT_FALSE(ElemsOf<TDSPE_Spark>().empty()) << "a burst where it was caught and over every gem blasted";
}

TEST_F(RunningBoxTest, TheLaserIsAimedAndFiredWithThePointer) {
  Play(2, {{"111111111111", "222222222222", "333333333333", "444444444444", "aaaaaaaaaaaa", "bbbbbbbbbbbb"}});
  CatchBox(TBoxKind::Laser);
  EXPECT_TRUE(stage->Laser->GunLeft->Visible);
  EXPECT_TRUE(stage->Laser->AimBeam->Visible);
  EXPECT_FALSE(stage->HeldView->Set.Visible);
  // A beam through the upper part of row 16 takes rows 15 and 16.
  stage->OnMouse(MouseMove, mbLeft, 0, 15 * 27 + 23.5f);
  EXPECT_EQ(stage->Laser->GunLeft->Y, 15 * 27 + 23.5f - 15);
  stage->OnMouse(MouseDown, mbLeft, 0, 15 * 27 + 23.5f);
  EXPECT_EQ(RowText(15) + RowText(16), Empty + Empty);
  EXPECT_FALSE(stage->Laser->AimBeam->Visible);
  RunFor(1.5);
  EXPECT_FALSE(stage->Laser->GunLeft->Visible);
  EXPECT_TRUE(stage->HeldView->Set.Visible);
  EXPECT_EQ(ElemsOf<TDSPE_Lightning>().size(), 1u) << "only the aiming beam is left, hidden";

  Play(2, {FullOfChips});
  stage->Round->StartLaser();
  stage->OnMouse(MouseDown, mbLeft, 0, 0);
  EXPECT_EQ(stage->Round->Board.FilledCount, BoardCellCount - BoardCols) << "at the top edge only row 0 is inside";
  EXPECT_EQ(RowText(0), Empty);
}

TEST_F(RunningBoxTest, LeavingWhileAimingOrFiringLeavesNoBoxNoLaserAndNoLateRefill) {
  Play(2, {});
  stage->Round->SpawnBox(5);
  CatchBox(TBoxKind::Laser);
  stage->Leave();
  EXPECT_TRUE(ElemsOf<TDSPE_Bounce>().empty());
  EXPECT_FALSE(stage->Laser->GunLeft->Visible || stage->Laser->AimBeam->Visible);
  EXPECT_FALSE(stage->Sound(TPlaySound::Laser).IsPlaying());
  list->SetCurrentStage(stage);
  Hold(9);
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red) << "the next level starts holding";

  stage->Round->StartLaser();
  stage->OnMouse(MouseDown, mbLeft, 0, 200);
  stage->Leave();
  EXPECT_EQ(ElemsOf<TDSPE_Lightning>().size(), 1u) << "the bolt is gone";
  RunFor(1.5);
  EXPECT_FALSE(stage->Round->DropTimer->Enabled()) << "the cancelled bolt restarts nothing";
  EXPECT_FALSE(stage->HeldView->Set.Visible);
}

}  // namespace
