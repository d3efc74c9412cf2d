// Playing a level: drops, row-clear chains, turning, pausing, the countdown and losing.

#include "running_fixture.h"
#include "support/pictures.h"

namespace {

const std::string Empty(12, '.'), FullRow = "012340123401", GapAt5 = "01234.123401";

std::vector<TPointF> SpritePositions(const THexaSet& set) {
  std::vector<TPointF> positions;
  for (int32_t i = 0; i < set.Count(); ++i) positions.push_back({set.Sprite(i)->X, set.Sprite(i)->Y});
  return positions;
}

TEST_F(RunningStageTest, ADropCompletingTwoRowsPays100Then200AndNoDropWhileTheyClear) {
  Play(1, {{FullRow, GapAt5}});
  std::vector<std::pair<int32_t, int32_t>> steps;
  stage->OnRowsCleared = [&](int32_t rows) { steps.emplace_back(rows, Earned()); };
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  EXPECT_EQ(RowText(16), Empty) << "the lower index clears first";
  MoveTo(5, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->FilledCount, 12) << "no drop while a row clears";
  EXPECT_TRUE(stage->SoundCannotDrop->IsPlaying());
  RunFor(0.6);
  EXPECT_EQ(stage->ChainText->Text, "*2") << "row 17 is still complete after the flow";
  RunFor(0.6);
  EXPECT_EQ(steps, (std::vector<std::pair<int32_t, int32_t>>{{1, 100}, {2, 300}}));
  EXPECT_EQ(player->ClearCount(), 2);
  EXPECT_FALSE(stage->Busy);
  RunFor(0.5);
  EXPECT_EQ(player->Money(), 300);
}

TEST_F(RunningStageTest, AChipRowCompletesOnceAnotherClearDowngradesItsChip) {
  Play(1, {{GapAt5, "012a40123401"}});
  Hold(9);
  MoveTo(16, 5);
  Click(mbLeft);
  EXPECT_EQ(RowText(17), "012040123401");
  RunFor(1.2);
  EXPECT_EQ(stage->RowsCleared, 2);
  EXPECT_EQ(Earned(), 300);
  EXPECT_EQ(RowText(17), Empty);
}

TEST_F(RunningStageTest, OneClockwiseTurnEqualsFiveAnticlockwiseAndSixRestore) {
  Play(1, {{"...........D"}});
  const TPointF secondTier = stage->Geometry->CellToPixel(17, 11);
  EXPECT_EQ(PixelARGB(list->DSP->Background(), secondTier.X + 18, secondTier.Y + 18), ChipColour)
      << "a second-tier chip shows as a chip of its colour";
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
}

TEST_F(RunningStageTest, WhilePausedALeftClickOnlyPlaysTheCannotDropSound) {
  Play(1, {});
  Hold(9);
  list->Pause();
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Board->FilledCount, 0);
  EXPECT_TRUE(stage->SoundCannotDrop->IsPlaying());
  EXPECT_FALSE(stage->SoundDrop->IsPlaying());
  list->Resume();
  Click(mbLeft);
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red) << "the set followed the mouse while paused";
}

TEST_F(RunningStageTest, TheCountdownBeatsFromHalfwayThenDropsAtTheMouse) {
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  std::vector<float> beatsAtRemaining;
  double waited = 0;
  for (uint8_t alpha = 30; stage->Board->FilledCount == 0 && waited < 25; waited += 0.05) {
    RunFor(0.05);
    if (stage->CountdownRing->Alpha == 80 && alpha != 80) beatsAtRemaining.push_back(stage->CountdownRing->Percent);
    alpha = stage->CountdownRing->Alpha;
  }
  EXPECT_NEAR(waited, 20, 0.01);
  // Elapsed percentages round halves to even: 59.5 already counts as 60, 99.5 as 100.
  const std::vector<float> expected = {50, 40.5f, 30.5f, 20.5f, 10.5f, 0.5f};
  ASSERT_EQ(beatsAtRemaining.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(beatsAtRemaining[i], expected[i], 0.01) << i;
  EXPECT_EQ(stage->Board->GetCell(8, 5), Red);
  EXPECT_EQ(ElemsOf<TDSPE_FlashBmp>().size(), 1u) << "the Timeout stamp";
}

TEST_F(RunningStageTest, WithTheMouseSpotTakenTheCountdownDropsAtTheFirstPlaceUpFromAnEndCell) {
  std::vector<std::string> rows(8, Empty);
  rows[0] = ".....1......";  // row 10, under the mouse
  rows[7] = "1...........";  // the first end cell is taken: its source is next
  Play(1, {rows});
  Hold(9);
  MoveTo(10, 5);
  RunFor(20.05);
  EXPECT_EQ(stage->Board->GetCell(16, 0), Red);
  const TPointF landed = stage->Geometry->CellToPixel(16, 0);
  ASSERT_EQ(ElemsOf<TDSPE_FlashBmp>().size(), 1u);
  // The stamp shows where it landed, moved right only as far as the field's left edge needs.
  EXPECT_EQ(ElemsOf<TDSPE_FlashBmp>()[0]->X, 0);
  EXPECT_LT(landed.X - 20, 0);
  EXPECT_EQ(ElemsOf<TDSPE_FlashBmp>()[0]->Y, landed.Y);
  EXPECT_EQ(stage->HexSet->Origin, stage->Geometry->CellToPixel(10, 5)) << "the new set is back under the mouse";
}

TEST_F(RunningStageTest, TheTimeoutStampOfASetDroppedByTheRightEdgeStaysWhollyInsideTheField) {
  SavePicture(SolidPicture(80, 24, 0xFFFFFFFF), dir.File("bmp/Timeout.bmp"));
  Play(1, {});
  Hold(9);
  MoveTo(8, BoardCols - 1);
  RunFor(20.05);
  ASSERT_EQ(stage->Board->GetCell(8, BoardCols - 1), Red) << "dropped at the mouse, by the edge";
  ASSERT_EQ(ElemsOf<TDSPE_FlashBmp>().size(), 1u);
  const TDSPE_FlashBmp& stamp = *ElemsOf<TDSPE_FlashBmp>()[0];
  ASSERT_EQ(stamp.Width(), 80);
  EXPECT_GE(stamp.X, 0);
  EXPECT_LE(stamp.X + stamp.Width(), list->DSP->Width());
  EXPECT_LE(stamp.Y + stamp.Height(), list->DSP->Height());
}

TEST_F(RunningStageTest, AFullBoardLosesAtTheEndOfTheCountdownAndAClickGoesToTheTitle) {
  TLevelSetup full{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
  full.TopCycle = true;  // the search for a place must not go round it for ever
  Play(2, full);
  RunFor(18.9);
  // Released late, so it cannot bounce into the mouse and be caught first.
  stage->SpawnBox(5);
  RunFor(0.15);
  EXPECT_FALSE(stage->Playing());
  EXPECT_TRUE(stage->GameOverPicture->Visible);
  EXPECT_FALSE(stage->HexSet->Visible);
  EXPECT_TRUE(stage->Boxes.empty());
  EXPECT_TRUE(ElemsOf<TDSPE_Bounce>().empty());
  stage->PendingMoney = 150;
  RunFor(0.35);
  EXPECT_EQ(player->Money(), 150) << "money earned is still paid while the lost board shows";
  Click(mbLeft);
  EXPECT_EQ(list->CurrentStage, title);
  EXPECT_FALSE(stage->GameOverPicture->Visible);
  EXPECT_EQ(player->Level(), 2) << "a lost game keeps the level";
}

}  // namespace
