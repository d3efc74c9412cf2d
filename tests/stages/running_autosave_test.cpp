// The roster is saved during play, driven by the game's own frames and the fake clock.

#include <gtest/gtest.h>

#include "running_fixture.h"
#include "play/level_rules.h"

namespace {

class RunningAutosaveTest : public RunningStageTest {
 protected:
  // Frames as the game's loop runs them: the frame's work, then the save that may be due.
  void FramesFor(double seconds, double step = 0.05) {
    for (double t = 0; t < seconds - 1e-9; t += step) {
      time.AdvanceSeconds(step);
      list->IdleLoop().RunFrame();
    }
  }
  // What each save found: the level, whether play was going on.
  std::vector<std::pair<int32_t, bool>> saves;
  void RecordSaves() {
    list->Autosave->OnSave = [this] { saves.emplace_back(player->Level(), stage->Playing()); };
  }
};

TEST_F(RunningAutosaveTest, ALostGameIsSavedAtTheFrameAfterTheLoss) {
  TLevelSetup full{std::vector<std::string>(BoardRows, "abcdeabcdeab")};
  Play(2, full);
  FramesFor(0.1);  // the player, new to the roster, is saved here
  RecordSaves();
  FramesFor(18.7);
  EXPECT_TRUE(saves.empty()) << "18 s of play is not yet a save";
  FramesFor(0.3);
  ASSERT_FALSE(stage->Playing());
  EXPECT_EQ(saves, (std::vector<std::pair<int32_t, bool>>{{2, false}}));
}

TEST_F(RunningAutosaveTest, APassedLevelIsSavedWithTheNewLevel) {
  WriteLevel(4, {});
  Play(3, {{"01234.123401"}});
  FramesFor(0.1);
  RecordSaves();
  stage->Round->SetRowsCleared(PassRowsForLevel(3) - 1);
  Hold(9);
  MoveTo(17, 5);
  Click(mbLeft);
  FramesFor(1.5);
  ASSERT_EQ(player->Level(), 4);
  EXPECT_EQ(list->CurrentStage, map);
  EXPECT_EQ(saves, (std::vector<std::pair<int32_t, bool>>{{4, false}})) << "saved once, with the map showing";
}

}  // namespace
