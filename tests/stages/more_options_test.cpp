// The "More..." options as the running stage plays them: the relaxed pace and the gem set with
// symbols, each on and off.

#include <filesystem>
#include <limits>

#include "running_fixture.h"
#include "support/pictures.h"

namespace {

const std::string Empty(12, '.');

TEST_F(RunningStageTest, RelaxedPlayHasNoCountdownNoHurryUpAndNoAutomaticDrop) {
  struct Case {
    bool relaxed;
    bool ringShown;
    bool lost;
  };
  for (const Case c : {Case{true, false, false}, Case{false, true, true}, Case{true, false, false}}) {
    list->More.RelaxedPace = c.relaxed;
    TLevelSetup full{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
    Play(2, full);
    EXPECT_EQ(stage->CountdownRing->Visible, c.ringShown) << c.relaxed;
    bool hurried = false;
    for (int i = 0; i < 800 && stage->Playing(); ++i) {
      RunFor(0.05);
      // The hurry-up beats light the big ring.
      hurried = hurried || (stage->CountdownRing->Visible && stage->CountdownRing->Alpha == 80);
    }
    EXPECT_EQ(!stage->Playing(), c.lost) << "a full board is lost only at the end of a countdown";
    EXPECT_EQ(hurried, !c.relaxed) << c.relaxed;
    list->SetCurrentStage(title);
  }
}

TEST_F(RunningStageTest, RelaxedLevelsStillPassAndDropsStillClear) {
  list->More.RelaxedPace = true;
  Play(1, {{"01234.123401"}});
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(1);
  EXPECT_EQ(stage->Round->RowsCleared, 1);
  EXPECT_EQ(Earned(), 100);
  EXPECT_FALSE(stage->CountdownRing->Visible) << "not shown again after a clear";
}

TEST_F(RunningStageTest, TurningRelaxedOffInAPauseStartsAFullCountdown) {
  list->More.RelaxedPace = true;
  Play(1, {});
  Hold(9);
  MoveTo(8, 5);
  RunFor(30);
  EXPECT_EQ(stage->Round->Board.FilledCount, 0);
  list->Pause();
  list->More.RelaxedPace = false;
  list->Resume();
  EXPECT_TRUE(stage->CountdownRing->Visible);
  RunFor(1);
  EXPECT_EQ(stage->Round->Board.FilledCount, 0) << "the countdown starts afresh, it does not drop at once";
  EXPECT_GT(stage->CountdownRing->Percent, 80);
}

TEST_F(RunningStageTest, TheSymbolSetIsLoadedForTheBoardAndTheHeldSet) {
  constexpr uint32_t SymbolColour = 0xFFF0E000;
  std::filesystem::create_directories(dir.File("bmp/symbols"));
  SavePicture(SolidPicture(36, 36, SymbolColour), dir.File("bmp/symbols/hexagon13.bmp"));
  struct Case {
    bool symbols;
    uint32_t shown;
  };
  for (const Case c : {Case{false, ChipColour}, Case{true, SymbolColour}}) {
    list->More.Symbols = c.symbols;
    Play(1, {{"...........d"}});
    const TPointF chip = FieldGeometry().CellToPixel(17, 11);
    EXPECT_EQ(PixelARGB(list->DSP->Background(), chip.X + 18, chip.Y + 18), c.shown) << c.symbols;
    const auto* held = static_cast<const TDSPE_Static*>(stage->HeldView->Set.Sprite(0));
    EXPECT_EQ(held->FileName().find("/symbols/") != std::string::npos, c.symbols);
    list->SetCurrentStage(title);
  }
}

TEST_F(RunningStageTest, SymbolsTurnedOnInAPauseRepaintTheBoardAndTheHeldSetInPlace) {
  constexpr uint32_t SymbolColour = 0xFFF0E000;
  std::filesystem::create_directories(dir.File("bmp/symbols"));
  SavePicture(SolidPicture(36, 36, SymbolColour), dir.File("bmp/symbols/hexagon13.bmp"));
  Play(1, {{"...........d"}});
  Hold(9);
  MoveTo(8, 5);
  std::vector<TPointF> before;
  for (int32_t i = 0; i < stage->HeldView->Set.Count(); ++i) before.push_back({stage->HeldView->Set.Sprite(i)->X, stage->HeldView->Set.Sprite(i)->Y});
  list->Pause();
  list->More.Symbols = true;
  list->Resume();
  const TPointF chip = FieldGeometry().CellToPixel(17, 11);
  EXPECT_EQ(PixelARGB(list->DSP->Background(), chip.X + 18, chip.Y + 18), SymbolColour);
  ASSERT_EQ(stage->HeldView->Set.Count(), static_cast<int32_t>(before.size()));
  for (int32_t i = 0; i < stage->HeldView->Set.Count(); ++i) {
    const auto* sprite = static_cast<const TDSPE_Static*>(stage->HeldView->Set.Sprite(i));
    EXPECT_NE(sprite->FileName().find("/symbols/hexagon04.bmp"), std::string::npos);
    EXPECT_EQ(sprite->X, before[i].X);
    EXPECT_EQ(sprite->Y, before[i].Y);
  }
  Click(mbLeft);
  EXPECT_EQ(stage->Round->Board.GetCell(8, 5), Red) << "a gem of the symbol set drops as its colour";
}

TEST_F(RunningStageTest, TheRecordCountsRowsTheLongestChainAndTheBestLevelMoney) {
  Play(1, {{"012340123401", "01234.123401"}});
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(1.5);
  const TPlayerRecord& record = player->Record;
  EXPECT_EQ(record.GamesPlayed, 1);
  EXPECT_EQ(record.RowsCleared, 2);
  EXPECT_EQ(record.LongestChain, 2);
  EXPECT_EQ(record.BestLevelMoney, 300);
  list->SetCurrentStage(map);
  Play(1, {{"01234.123401"}});
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(1);
  EXPECT_EQ(record.GamesPlayed, 1) << "a level after a passed one goes on with the game";
  EXPECT_EQ(record.RowsCleared, 3);
  EXPECT_EQ(record.LongestChain, 2);
  EXPECT_EQ(record.BestLevelMoney, 300) << "100 in this level is not the best";
}

TEST_F(RunningStageTest, RecordCountersStayAtTheTopOfTheirRange) {
  constexpr int64_t Top = std::numeric_limits<int64_t>::max();
  player->Record = {Top, Top, Top, Top, Top, Top, Top};
  Play(1, {{"01234.123401"}});
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  RunFor(1);
  stage->Round->LevelPassed = true;
  RunFor(0.5);
  ASSERT_EQ(list->CurrentStage, map);
  EXPECT_EQ(player->Record, (TPlayerRecord{Top, Top, Top, Top, Top, Top, Top}));
}

TEST_F(RunningStageTest, ALevelPlayedRelaxedAtAnyMomentCountsApart) {
  struct Case {
    bool relaxedAtStart;
    bool relaxedInPause;
    int64_t levels;
    int64_t relaxedLevels;
  };
  for (const Case c : {Case{false, false, 1, 0}, Case{true, false, 0, 1}, Case{false, true, 0, 1}}) {
    player->Record = TPlayerRecord();
    list->More.RelaxedPace = c.relaxedAtStart;
    Play(1, {});
    list->Pause();
    list->More.RelaxedPace = c.relaxedAtStart || c.relaxedInPause;
    list->Resume();
    list->More.RelaxedPace = c.relaxedAtStart;
    stage->Round->LevelPassed = true;
    RunFor(0.3);
    ASSERT_EQ(list->CurrentStage, map);
    EXPECT_EQ(player->Record.LevelsPassed, c.levels);
    EXPECT_EQ(player->Record.RelaxedLevelsPassed, c.relaxedLevels);
  }
}

TEST_F(RunningStageTest, AGameBeginsAgainOnlyAfterALostOne) {
  TLevelSetup full{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
  Play(2, full);
  RunFor(25);
  ASSERT_FALSE(stage->Playing());
  EXPECT_EQ(player->Record.GamesPlayed, 1);
  Click(mbLeft);
  Play(1, {});
  EXPECT_EQ(player->Record.GamesPlayed, 2);
}

}  // namespace
