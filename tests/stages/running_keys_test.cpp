// The keys in a level and on the title and the map: the held set steered, turned and dropped,
// the pointer taking it back only when it moves, a box caught near a set the keys brought,
// the laser aimed and fired, and Return going on where a click does.

#include <algorithm>

#include "running_fixture.h"

namespace {

using RunningKeysTest = RunningStageTest;

TEST_F(RunningKeysTest, KeysSteerTheSetUntilThePointerReallyMoves) {
  Play(2, {});
  Hold(9);
  struct TLine {
    // A key, or (Key < 0) the pointer reported over the cell (Row, Col).
    int32_t Key;
    int32_t Row, Col;
    TGmPoint Held;
    // Refused: the sound a click gives where the set cannot drop.
    bool Refused = false;
  };
  const TLine lines[] = {
      {-1, 8, 5, {8, 5}},       {KeyDown, 0, 0, {9, 5}},  {KeyLeft, 0, 0, {9, 4}},   {KeyUp, 0, 0, {8, 4}},
      {KeyRight, 0, 0, {8, 5}}, {KeyRight, 0, 0, {8, 6}},
      // The pointer where it was: the set stays where the keys put it; moved, the set follows.
      {-1, 8, 5, {8, 6}},       {-1, 8, 5, {8, 6}},       {-1, 3, 2, {3, 2}},        {KeyDown, 0, 0, {4, 2}},
      // Return drops where the keys hold the set; the next set lands on that gem and is refused.
      {KeyGoOn, 0, 0, {4, 2}},  {KeyGoOn, 0, 0, {4, 2}, true},
  };
  for (const TLine& line : lines) {
    stage->Sound(TPlaySound::CannotDrop).Stop();
    if (line.Key < 0)
      MoveTo(line.Row, line.Col);
    else
      stage->OnKey(static_cast<uint8_t>(line.Key));
    const TGmPoint held = stage->Round->Held.Anchor;
    EXPECT_EQ(held, line.Held) << "key " << line.Key << " / pointer (" << line.Row << ", " << line.Col << "): held at ("
                               << held.Row << ", " << held.Col << ")";
    EXPECT_EQ(stage->HeldView->Set.Origin, FieldGeometry().CellToPixel(held.Row, held.Col)) << "the picture goes along";
    EXPECT_EQ(stage->Sound(TPlaySound::CannotDrop).IsPlaying(), line.Refused) << "key " << line.Key;
  }
  EXPECT_EQ(stage->Round->Board.GetCell(4, 2), Red) << "dropped by Return";
  // Z turns anticlockwise and X clockwise, whichever way the right button turns.
  for (uint8_t mode : {0, 1}) {
    list->RotateMode = mode;
    Hold(0);
    stage->OnKey(KeyTurnLeft);
    EXPECT_EQ(stage->Round->Held.Turns, 1);
    stage->OnKey(KeyTurnRight);
    stage->OnKey(KeyTurnRight);
    EXPECT_EQ(stage->Round->Held.Turns, TurnsPerCircle - 1);
  }
  // Turned by the keys at the board's edges, a set the keys hold stays whole on the board.
  for (const uint8_t edge : {KeyRight, KeyLeft, KeyUp, KeyDown}) {
    for (int32_t step = 0; step < BoardRows; ++step) stage->OnKey(edge);
    for (int32_t turn = 0; turn < TurnsPerCircle; ++turn) {
      stage->OnKey(KeyTurnLeft);
      for (const THeldGem& gem : stage->Round->Held.Landing())
        EXPECT_TRUE(IsOnBoard(gem.Cell)) << "key " << int{edge} << ", turn " << turn;
    }
  }
}

TEST_F(RunningKeysTest, ASetTheKeysBroughtCatchesABoxAndTheKeysAimAndFireTheLaser) {
  Play(2, {{"111111111111", "222222222222", "333333333333", "444444444444", "aaaaaaaaaaaa", "bbbbbbbbbbbb"}});
  Hold(9);
  MoveTo(3, 3);
  for (uint8_t key : {KeyDown, KeyDown, KeyDown, KeyRight, KeyRight}) stage->OnKey(key);
  stage->Round->SpawnBox(5);
  TBox& box = stage->Round->Boxes.back();
  box.Kind = TBoxKind::Laser;
  const TPointF at = FieldGeometry().CellToPixel(6, 5);
  box.Motion.X = at.X + 10;
  box.Motion.Y = at.Y;
  RunFor(0.1);
  ASSERT_TRUE(stage->Round->Boxes.empty()) << "caught near the set, away from the pointer";
  ASSERT_EQ(stage->Round->Mode, TPlayMode::Aiming);
  // The aim moves a row at a time; at 15.5 rows its band takes rows 15 and 16.
  const float start = stage->Laser->AimBeam->Y;
  stage->OnKey(KeyDown);
  EXPECT_EQ(stage->Laser->AimBeam->Y, start + 27);
  stage->OnKey(KeyUp);
  stage->OnKey(KeyUp);
  EXPECT_EQ(stage->Laser->AimBeam->Y, std::max(start - 27, 0.0f)) << "kept on the field";
  stage->OnMouse(MouseMove, mbLeft, 0, 15 * 27 + 23.5f - 27);
  stage->OnKey(KeyDown);
  EXPECT_EQ(stage->Laser->AimBeam->Y, 15 * 27 + 23.5f);
  stage->OnKey(KeyGoOn);
  EXPECT_EQ(RowText(15) + RowText(16), std::string(24, '.'));
}

TEST_F(RunningKeysTest, ReturnGoesOnFromTheTitleTheMapAndTheLostGame) {
  list->SetCurrentStage(title);
  for (uint8_t key : {KeyLeft, KeyDown, KeyTurnLeft}) list->CurrentStage->OnKey(key);
  EXPECT_EQ(list->CurrentStage, title) << "only Return goes on";
  title->OnKey(KeyGoOn);
  EXPECT_EQ(list->CurrentStage, map);
  map->OnKey(KeyGoOn);
  EXPECT_EQ(list->CurrentStage, stage);
  stage->Round->Lose();
  stage->OnKey(KeyDown);
  EXPECT_EQ(list->CurrentStage, stage);
  stage->OnKey(KeyGoOn);
  EXPECT_EQ(list->CurrentStage, title) << "after the game is over";
}

}  // namespace
