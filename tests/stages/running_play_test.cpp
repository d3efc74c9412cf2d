// Playing a level: drops, row-clear chains, turning, pausing and the countdown.

#include "running_fixture.h"

namespace {

const std::string Empty(12, '.');
const std::string FullRow = "012340123401";
const std::string GapAt5 = "01234.123401";

using ChainStep = std::pair<int32_t, int32_t>;

std::vector<TPointF> SpritePositions(const THexaSet& set) {
  std::vector<TPointF> positions;
  for (int32_t i = 0; i < set.Count(); ++i) positions.push_back({set.Sprite(i)->X, set.Sprite(i)->Y});
  return positions;
}

TEST_F(RunningStageTest, ADropCompletingTwoRowsPays100Then200AndCountsBoth) {
  Play(1, {{FullRow, GapAt5}});
  std::vector<ChainStep> steps;
  stage->OnRowsCleared = [&](int32_t rows) { steps.emplace_back(rows, Earned()); };
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  EXPECT_TRUE(stage->Busy);
  EXPECT_EQ(RowText(16), Empty) << "the lower index clears first";
  EXPECT_EQ(stage->ChainText->Text, "*1");
  const int32_t filled = stage->Board->FilledCount;
  MoveTo(5, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->FilledCount, filled) << "no drop while a row clears";
  EXPECT_TRUE(stage->SoundCannotDrop->IsPlaying());

  RunFor(0.6);
  EXPECT_EQ(stage->ChainText->Text, "*2") << "row 17 is still complete after the flow";
  RunFor(0.6);
  EXPECT_EQ(steps, (std::vector<ChainStep>{{1, 100}, {2, 300}}));
  EXPECT_EQ(player->ClearCount(), 2);
  EXPECT_EQ(RowText(17), Empty);
  EXPECT_FALSE(stage->Busy);
  EXPECT_EQ(stage->Chain, 0);
  RunFor(0.5);
  EXPECT_EQ(player->Money(), 300);
  EXPECT_EQ(stage->PendingMoney, 0);
}

TEST_F(RunningStageTest, AChipRowCompletesOnceAnotherClearDowngradesItsChip) {
  Play(1, {{Empty, GapAt5, "012a40123401"}});
  EXPECT_EQ(stage->Board->FindFullRow(), -1);
  Hold(9);
  MoveTo(16, 5);
  Click(mbLeft);
  EXPECT_EQ(RowText(17), "012040123401") << "the chip is a plain gem from the first clear on";
  RunFor(1.2);
  EXPECT_EQ(stage->RowsCleared, 2);
  EXPECT_EQ(Earned(), 300);
  EXPECT_EQ(RowText(17), Empty);
}

TEST_F(RunningStageTest, OneClockwiseTurnEqualsFiveAnticlockwiseAndSixRestore) {
  Play(1, {});
  MoveTo(8, 5);
  Hold(0);
  const auto start = SpritePositions(*stage->HexSet);
  list->RotateMode = 0;
  Click(mbRight);
  const auto clockwise = SpritePositions(*stage->HexSet);
  EXPECT_NE(clockwise, start);
  for (int i = 0; i < 5; ++i) Click(mbRight);
  EXPECT_EQ(SpritePositions(*stage->HexSet), start);

  list->RotateMode = 1;
  for (int i = 0; i < 5; ++i) Click(mbRight);
  EXPECT_EQ(SpritePositions(*stage->HexSet), clockwise);
  EXPECT_TRUE(stage->SoundRotate->IsPlaying());
}

TEST_F(RunningStageTest, WhilePausedALeftClickOnlyPlaysTheCannotDropSound) {
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  list->Pause();
  Click(mbLeft);
  EXPECT_EQ(stage->Board->FilledCount, 0);
  EXPECT_TRUE(stage->SoundCannotDrop->IsPlaying());
  EXPECT_FALSE(stage->SoundDrop->IsPlaying());
  MoveTo(9, 5);
  EXPECT_EQ(stage->HexSet->Origin, stage->Geometry->CellToPixel(9, 5)) << "the set still follows the mouse";
  list->Resume();
  Click(mbLeft);
  EXPECT_EQ(stage->Board->GetCell(9, 5), Red);
}

TEST_F(RunningStageTest, TheCountdownBeatsFromHalfwayThenDropsAtTheMouse) {
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  std::vector<float> beatsAtRemaining;
  uint8_t alpha = stage->CountdownRing->Alpha;
  double waited = 0;
  while (stage->Board->GetCell(8, 5) == CellEmpty && waited < 25) {
    Frame(0.05);
    waited += 0.05;
    if (stage->CountdownRing->Alpha == 80 && alpha != 80) beatsAtRemaining.push_back(stage->CountdownRing->Percent);
    alpha = stage->CountdownRing->Alpha;
  }
  EXPECT_NEAR(waited, 20, 0.01);
  // Elapsed percentages round halves to even: 59.5 already counts as 60, 99.5 as 100.
  ASSERT_EQ(beatsAtRemaining.size(), 6u) << "50, 60, 70, 80, 90 % and the last half percent";
  const float expected[] = {50, 40.5f, 30.5f, 20.5f, 10.5f, 0.5f};
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(beatsAtRemaining[i], expected[i], 0.01) << i;
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red);
  EXPECT_EQ(CountElems("Timeout.bmp"), 1);
  EXPECT_EQ(stage->HexSet->Origin, stage->Geometry->CellToPixel(8, 5));
}

TEST_F(RunningStageTest, WithTheMouseSpotTakenTheCountdownDropsAtTheFirstPlaceUpFromAnEndCell) {
  std::vector<std::string> rows(8, Empty);
  rows[0] = ".....1......";  // row 10, under the mouse
  rows[7] = "1...........";  // row 17: the first end cell is taken, so its source is tried
  Play(1, {rows});
  Hold(9);
  MoveTo(10, 5);
  RunFor(20.05);
  EXPECT_EQ(stage->Board->GetCell(16, 0), Red);
  const TPointF landed = stage->Geometry->CellToPixel(16, 0);
  bool stampThere = false;
  for (TDSPElem* elem : list->DSP->Elems())
    if (auto* stamp = dynamic_cast<TDSPE_FlashBmp*>(elem))
      stampThere |= stamp->X == landed.X - 20 && stamp->Y == landed.Y;
  EXPECT_TRUE(stampThere);
  EXPECT_EQ(stage->HexSet->Origin, stage->Geometry->CellToPixel(10, 5)) << "the new set is back under the mouse";
  EXPECT_TRUE(stage->Playing());
}

TEST_F(RunningStageTest, AFullBoardLosesAtTheEndOfTheCountdownAndAClickStartsAgain) {
  Play(2, {std::vector<std::string>(BoardRows, "abcdeabcdeab")});
  RunFor(18.9);
  // Released late, so it cannot bounce into the mouse and be caught first.
  stage->SpawnBox(5);
  ASSERT_EQ(stage->Boxes.size(), 1u);
  RunFor(0.15);
  EXPECT_FALSE(stage->Playing());
  EXPECT_TRUE(stage->Busy);
  EXPECT_TRUE(stage->GameOverPicture->Visible);
  EXPECT_FALSE(stage->HexSet->Visible);
  EXPECT_TRUE(stage->Boxes.empty());
  EXPECT_EQ(CountKind<TDSPE_Bounce>(), 0);

  stage->PendingMoney = 150;
  RunFor(0.35);
  EXPECT_EQ(player->Money(), 150) << "money earned is still paid while the lost board shows";
  Click(mbLeft);
  // No title yet: the same level starts again.
  EXPECT_TRUE(stage->Playing());
  EXPECT_FALSE(stage->Busy);
  EXPECT_FALSE(stage->GameOverPicture->Visible);
  EXPECT_EQ(player->Level(), 2);
}

}  // namespace
