// Playing a level as it is seen and heard: where the held set starts, the multiplier over a
// clearing row, refused drops, turns of the held pictures, the countdown's ring and stamp, and a
// lost game.

#include <algorithm>

#include "running_fixture.h"
#include "support/pictures.h"

namespace {

const std::string Empty(12, '.'), FullRow = "012340123401", GapAt5 = "01234.123401";

std::vector<TPointF> SpritePositions(const THexaSet& set) {
  std::vector<TPointF> positions;
  for (int32_t i = 0; i < set.Count(); ++i) positions.push_back({set.Sprite(i)->X, set.Sprite(i)->Y});
  return positions;
}

TEST_F(RunningStageTest, ALevelStartsWithTheSetUnderThePointer) {
  const TPointF cell = FieldGeometry().CellToPixel(9, 6);
  list->Pointer = TPointF{cell.X + 3, cell.Y - 2};
  Play(1, {{FullRow, GapAt5}});
  EXPECT_FLOAT_EQ(stage->Controls->X, cell.X + 3);
  EXPECT_FLOAT_EQ(stage->Controls->Y, cell.Y - 2);
  EXPECT_EQ(stage->Round->Held.Anchor.Row, 9);
  EXPECT_EQ(stage->Round->Held.Anchor.Col, 6);
}

TEST_F(RunningStageTest, ALevelBegunFromTheKeysHoldsTheSetWholeWhereItCanDrop) {
  // Never over the field, the pointer does not lead the set. The top two rows are taken: the
  // set starts just under them, near the middle.
  list->Pointer.reset();
  std::vector<std::string> rows(BoardRows, Empty);
  rows[0] = rows[1] = "aaaaaaaaaaaa";
  Play(1, {rows});
  EXPECT_TRUE(stage->Round->CanDrop());
  int32_t top = BoardRows;
  for (const THeldGem& gem : stage->Round->Held.Landing()) {
    top = std::min(top, gem.Cell.Row);
    EXPECT_TRUE(gem.Cell.Col >= 3 && gem.Cell.Col <= 8) << "column " << gem.Cell.Col;
  }
  EXPECT_EQ(top, 2);
  const TGmPoint start = stage->Round->Held.Anchor;
  const TPointF at = FieldGeometry().CellToPixel(start.Row, start.Col);
  EXPECT_EQ(stage->HeldView->Set.Origin, at);
  // Held as keys hold it: the pointer reported where it already was does not take it.
  stage->OnMouse(MouseMove, mbLeft, at.X + 30, at.Y + 30);
  EXPECT_EQ(stage->Round->Held.Anchor, start);
  MoveTo(9, 3);
  EXPECT_EQ(stage->Round->Held.Anchor, (TGmPoint{9, 3}));
}

TEST_F(RunningStageTest, AChainShowsItsMultiplierRefusesDropsAudiblyAndPaysThePlayer) {
  Play(1, {{FullRow, GapAt5}});
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->RowClear->ChainText->Text, "*1");
  EXPECT_TRUE(stage->RowClear->ChainText->Visible);
  MoveTo(5, 5);
  Click(mbLeft);
  EXPECT_TRUE(stage->Sound(TPlaySound::CannotDrop).IsPlaying()) << "no drop while a row clears";
  RunFor(0.6);
  EXPECT_EQ(stage->RowClear->ChainText->Text, "*2") << "row 17 is still complete after the flow";
  RunFor(0.6);
  EXPECT_FALSE(stage->RowClear->ChainText->Visible);
  EXPECT_EQ(player->ClearCount(), 2);
  RunFor(0.5);
  EXPECT_EQ(player->Money(), 300);
}

TEST_F(RunningStageTest, TheHeldPicturesTurnWithTheSetAndASecondTierChipShowsAsAChip) {
  Play(1, {{"...........D"}});
  const TPointF secondTier = FieldGeometry().CellToPixel(17, 11);
  EXPECT_EQ(PixelARGB(list->DSP->Background(), secondTier.X + 18, secondTier.Y + 18), ChipColour)
      << "a second-tier chip shows as a chip of its colour";
  MoveTo(8, 5);
  Hold(0);
  const auto start = SpritePositions(stage->HeldView->Set);
  list->RotateMode = 0;
  Click(mbRight);
  const auto clockwise = SpritePositions(stage->HeldView->Set);
  EXPECT_NE(clockwise, start);
  for (int i = 0; i < 5; ++i) Click(mbRight);
  EXPECT_EQ(SpritePositions(stage->HeldView->Set), start);
  list->RotateMode = 1;
  for (int i = 0; i < 5; ++i) Click(mbRight);
  EXPECT_EQ(SpritePositions(stage->HeldView->Set), clockwise);
}

TEST_F(RunningStageTest, WhilePausedALeftClickOnlyPlaysTheCannotDropSound) {
  Play(1, {});
  Hold(9);
  list->Pause();
  MoveTo(8, 5);
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.FilledCount, 0);
  EXPECT_TRUE(stage->Sound(TPlaySound::CannotDrop).IsPlaying());
  EXPECT_FALSE(stage->Sound(TPlaySound::Drop).IsPlaying());
  list->Resume();
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red) << "the set followed the mouse while paused";
}

TEST_F(RunningStageTest, TheCountdownBeatsFromHalfwayThenDropsAtTheMouse) {
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  std::vector<float> beatsAtRemaining;
  double waited = 0;
  for (uint8_t alpha = 30; stage->Round->Board.FilledCount == 0 && waited < 25; waited += 0.05) {
    RunFor(0.05);
    if (stage->CountdownRing->Alpha == 80 && alpha != 80) beatsAtRemaining.push_back(stage->CountdownRing->Percent);
    alpha = stage->CountdownRing->Alpha;
  }
  EXPECT_NEAR(waited, 20, 0.01);
  // Elapsed percentages round halves to even: 59.5 already counts as 60, 99.5 as 100.
  const std::vector<float> expected = {50, 40.5f, 30.5f, 20.5f, 10.5f, 0.5f};
  ASSERT_EQ(beatsAtRemaining.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(beatsAtRemaining[i], expected[i], 0.01) << i;
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red);
  EXPECT_EQ(ElemsOf<TDSPE_FlashBmp>().size(), 1u) << "the Timeout stamp";
}

TEST_F(RunningStageTest, TheTimeoutStampShowsWhereTheSetLandedWhollyInsideTheField) {
  SavePicture(SolidPicture(80, 24, 0xFFFFFFFF), dir.File("bmp/Timeout.bmp"));
  std::vector<std::string> rows(8, Empty);
  rows[0] = ".....1......";  // row 10, under the mouse
  rows[7] = "1...........";  // the first end cell is taken: its source is next
  struct Case {
    std::vector<std::string> rows;
    TGmPoint mouse, landed;
  };
  for (const Case& c : {Case{rows, {10, 5}, {16, 0}}, Case{{}, {8, BoardCols - 1}, {8, BoardCols - 1}}}) {
    Play(1, {c.rows});
    Hold(9);
    MoveTo(c.mouse.Row, c.mouse.Col);
    RunFor(20.05);
    ASSERT_EQ(stage->Round->Board.GetCell(c.landed.Row, c.landed.Col), Red);
    ASSERT_EQ(ElemsOf<TDSPE_FlashBmp>().size(), 1u);
    const TDSPE_FlashBmp& stamp = *ElemsOf<TDSPE_FlashBmp>()[0];
    const TPointF landed = FieldGeometry().CellToPixel(c.landed.Row, c.landed.Col);
    // Where it landed, moved only as far as the field's edges need.
    EXPECT_EQ(stamp.X, std::clamp(landed.X - 20, 0.0f, float(list->DSP->Width() - stamp.Width())));
    EXPECT_EQ(stamp.Y, landed.Y);
    EXPECT_EQ(stage->HeldView->Set.Origin, FieldGeometry().CellToPixel(c.mouse.Row, c.mouse.Col))
        << "the new set is back under the mouse";
    RunFor(2.1);  // the stamp fades out before the next case
  }
}

TEST_F(RunningStageTest, AFullBoardLosesAtTheEndOfTheCountdownAndAClickGoesToTheTitle) {
  TLevelSetup full{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
  full.TopCycle = true;  // the search for a place must not go round it for ever
  Play(2, full);
  RunFor(18.9);
  // Released late, so it cannot bounce into the mouse and be caught first.
  stage->Round->SpawnBox(5);
  RunFor(0.15);
  EXPECT_FALSE(stage->Playing());
  EXPECT_TRUE(stage->GameOverPicture->Visible);
  EXPECT_FALSE(stage->HeldView->Set.Visible);
  EXPECT_TRUE(stage->Boxes->empty());
  EXPECT_TRUE(ElemsOf<TDSPE_Bounce>().empty());
  stage->Round->PendingMoney = 150;
  RunFor(0.35);
  EXPECT_EQ(player->Money(), 150) << "money earned is still paid while the lost board shows";
  Click(mbLeft);
  EXPECT_EQ(list->CurrentStage, title);
  EXPECT_FALSE(stage->GameOverPicture->Visible);
  EXPECT_EQ(player->Level(), 2) << "a lost game keeps the level";
}

}  // namespace
