// The level in progress kept in the player's round file: resumed as it was, waiting for a click,
// counted once; a file that cannot be used is set aside with one message and the level starts
// afresh; a passed or lost level leaves no file, and a trial writes none.

#include <filesystem>
#include <functional>

#include "frame/paths.h"
#include "frame/safe_file.h"
#include "play/level_rules.h"
#include "play/round_state.h"
#include "players/player_records.h"
#include "running_fixture.h"
#include "support/pictures.h"

namespace {

constexpr int32_t OneRed = 9;
// Each red dropped at (17, 5) completes the bottom row; the level is passed with two rows.
const TLevelSetup TwoToPass{{"0.1.2.3.4...", "01234.123401", "01234.123401"}};
constexpr int32_t PassRows = 2;

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

class RunningResumeTest : public RunningStageTest {
 protected:
  std::string RoundFile() const { return PlayerPath(RoundFileName(Players, *player)); }
  void DropRedAtTheGap() {
    Hold(OneRed);
    MoveTo(17, 5);
    Click(mbLeft);
  }
  // What the player's record and the high scores are made of, time played apart.
  std::vector<int64_t> Figures() const {
    const TPlayerRecord& r = player->Record;
    return {player->Money(),      player->ClearCount(), player->Level(),  r.GamesPlayed,    r.LevelsPassed,
            r.RelaxedLevelsPassed, r.RowsCleared,        r.LongestChain,   r.BestLevelMoney};
  }
  // Passes level 2 in two drops, with a quit and a resume between them when asked, from a
  // player with nothing to their name; returns the figures then.
  std::vector<int64_t> PassLevel2(bool quitBetween) {
    player->Record = {};
    player->SetMoney(0);
    player->SetClearCount(0);
    Play(2, TwoToPass);
    stage->Round->Param.PassRows = PassRows;
    DropRedAtTheGap();
    RunFor(1.5);
    if (quitBetween) QuitAndResume();
    DropRedAtTheGap();
    RunFor(4);
    EXPECT_EQ(player->Level(), 3) << "passed";
    EXPECT_FALSE(Exists(RoundFile())) << "a passed level leaves no round file";
    return Figures();
  }
  void QuitAndResume() {
    ASSERT_EQ(stage->KeepRound(), "");
    ASSERT_TRUE(Exists(RoundFile()));
    const TRoundState saved = stage->Round->State();
    const int32_t money = player->Money();
    list->SetCurrentStage(title);
    stage->CountdownRing->Percent = 100;  // as the stage of a game started afresh shows it
    list->SetCurrentStage(stage);
    stage->Round->Param.PassRows = PassRows;
    EXPECT_TRUE(stage->Round->State() == saved) << "the model as saved, field by field";
    const TGmPoint anchor = saved.HeldAnchor;
    EXPECT_EQ(stage->HeldView->Set.Origin, FieldGeometry().CellToPixel(anchor.Row, anchor.Col))
        << "the set is shown where it was held, before the pointer moves";
    EXPECT_TRUE(stage->WaitingForClick());
    ASSERT_GT(saved.Drop.Fraction, 0.02f);
    EXPECT_FLOAT_EQ(stage->CountdownRing->Percent, 100 - saved.Drop.Fraction * 100)
        << "the ring shows the countdown as saved while the level waits";
    EXPECT_TRUE(stage->ContinueText->Visible);
    EXPECT_EQ(stage->ContinueText->Text, "Click to continue");
    RunFor(2);
    SaveShot(list->DSP->BackBuffer(), "resumed_level");
    EXPECT_TRUE(stage->Round->State() == saved) << "nothing moves before the click";
    EXPECT_EQ(player->Money(), money) << "nor is anything paid";
    list->Pause();
    list->Resume();
    RunFor(1);
    EXPECT_TRUE(stage->Round->State() == saved) << "another pause does not end the wait";
    Click(mbLeft);
    EXPECT_FALSE(stage->WaitingForClick());
    EXPECT_FALSE(stage->ContinueText->Visible);
    EXPECT_EQ(stage->Round->Board.FilledCount, [&] {
      int32_t filled = 0;
      for (const uint8_t code : saved.Cells) filled += code != CellEmpty;
      return filled;
    }()) << "the click only continues";
  }
};

TEST_F(RunningResumeTest, AResumedLevelGoesOnAsSavedAfterAClickAndCountsNothingTwice) {
  // The shipped pictures where they were built, for the picture of a resumed level.
  WriteGeneratedPictures();
  const std::vector<int64_t> resumed = PassLevel2(true);
  // A lost game between the two makes the next level 2 a new game again.
  Play(2, TwoToPass);
  stage->Round->Lose();
  const std::vector<int64_t> straight = PassLevel2(false);
  EXPECT_EQ(resumed, straight);
  EXPECT_EQ(straight, (std::vector<int64_t>{200, 2, 3, 1, 1, 0, 2, 1, 200}))
      << "two rows of 100 each, level 3 reached, one game";
}

TEST_F(RunningResumeTest, TheFirstFrameAfterTheClickIsTheLastFrameBeforeTheQuit) {
  WriteGeneratedPictures();
  Play(1, TwoToPass);
  DropRedAtTheGap();
  RunFor(1.5);
  // The held set off the field: a new set's outline fades in afresh after the resume.
  stage->OnMouse(MouseMove, mbLeft, -300, -300);
  RunFor(0, 0);
  const QImage before = list->DSP->BackBuffer().copy();
  ASSERT_EQ(stage->KeepRound(), "");
  list->SetCurrentStage(title);
  list->SetCurrentStage(stage);
  Click(mbLeft);
  RunFor(0, 0);
  EXPECT_TRUE(list->DSP->BackBuffer() == before) << "the board, the countdown and all else as they were";
}

TEST_F(RunningResumeTest, ARoundThatCannotBeUsedIsSetAsideWithOneMessageAndTheLevelStartsAfresh) {
  struct Case {
    const char* what;
    std::function<void()> spoil;
    const char* reason;
  };
  const auto writeRound = [this](const std::string& text) { dir.WriteBytes(RoundFileName(Players, *player), text); };
  const Case cases[] = {
      {"damaged", [&] { writeRound("brillor-round 1\nlevel"); }, "cut short"},
      {"another version", [&] { writeRound("brillor-round 2\n"); }, "another version"},
      {"level changed", [this] { WriteLevel(2, {{"01234.123401"}}); }, "changed since"},
  };
  for (const Case& c : cases) {
    Play(2, TwoToPass);
    DropRedAtTheGap();
    RunFor(1.5);
    ASSERT_EQ(stage->KeepRound(), "");
    list->SetCurrentStage(title);
    c.spoil();
    levelErrors.clear();
    list->SetCurrentStage(stage);
    ASSERT_EQ(levelErrors.size(), 1u) << c.what;
    EXPECT_NE(levelErrors[0].find(c.reason), std::string::npos) << levelErrors[0];
    EXPECT_NE(levelErrors[0].find("starts afresh"), std::string::npos) << levelErrors[0];
    EXPECT_FALSE(stage->WaitingForClick()) << c.what;
    EXPECT_EQ(stage->Round->RowsCleared, 0) << c.what;
    EXPECT_FALSE(Exists(RoundFile())) << c.what;
    EXPECT_TRUE(Exists(RoundFile() + ".damaged")) << "set aside, " << c.what;
    std::filesystem::remove(RoundFile() + ".damaged");
    EXPECT_EQ(player->Level(), 2) << "nothing else is lost";
  }
}

TEST_F(RunningResumeTest, ALostLevelLeavesNoRoundFileAndATrialWritesNone) {
  Play(2, TwoToPass);
  ASSERT_EQ(stage->KeepRound(), "");
  ASSERT_TRUE(Exists(RoundFile()));
  stage->Round->Lose();
  EXPECT_FALSE(Exists(RoundFile()));
  EXPECT_EQ(stage->KeepRound(), "");
  EXPECT_FALSE(Exists(RoundFile())) << "a lost round is not kept";

  std::string level, layout;
  ASSERT_TRUE(ReadWholeFile(dir.File(LevelParamFileName(LevelParamNumber(2))), level));
  ASSERT_TRUE(ReadWholeFile(dir.File(LayoutFileName(LayoutNumber(2))), layout));
  list->SetCurrentStage(title);
  stage->StartTrial({level, layout, TGmStage_Start::StageName});
  EXPECT_TRUE(stage->InTrial());
  EXPECT_EQ(stage->KeepRound(), "");
  EXPECT_FALSE(Exists(RoundFile()));
}

}  // namespace
