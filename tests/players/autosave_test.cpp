// When the roster is saved during play: at the moments worth keeping and after 30 seconds of
// play, between frames only, never twice within a second, with failures reported once.

#include <gtest/gtest.h>

#include "frame/errors.h"
#include "players/autosave.h"
#include "roster_test_helpers.h"
#include "support/fake_time.h"

namespace {

class AutosaveTest : public ::testing::Test {
 protected:
  AutosaveTest() { autosave.OnSave = [this] { ++saves; }; }
  // Ann current, Bob listed.
  static TPlayers& LoadedRoster(TPlayers& roster) {
    roster.Add(MakePlayer("Ann", 1, 0, 0, 0));
    roster.Add(MakePlayer("Bob", 1, 0, 0, 0));
    roster.SetCurrentIndex(0);
    return roster;
  }
  // One frame at the given second of the test.
  void FrameAt(double second) {
    time.AdvanceSeconds(second - elapsed);
    elapsed = second;
    autosave.FrameDone();
  }

  TFakeTimeSource time;
  double elapsed = 0;
  TPlayers roster;
  TAutosave autosave{time, LoadedRoster(roster)};
  int saves = 0;
};

TEST_F(AutosaveTest, MomentsAreSavedAtTheNextFrameAndNotBefore) {
  FrameAt(0.1);
  EXPECT_EQ(saves, 0) << "nothing to keep yet";
  autosave.Request();  // a level passed, mid-frame
  EXPECT_EQ(saves, 0) << "never in the middle of a frame's work";
  FrameAt(0.2);
  EXPECT_EQ(saves, 1);
  FrameAt(0.3);
  EXPECT_EQ(saves, 1) << "one moment, one save";
  roster.SetCurrentIndex(1);  // another player
  FrameAt(1.3);
  EXPECT_EQ(saves, 2);
}

TEST_F(AutosaveTest, NeverMoreThanOnceASecondButNoMomentIsLost) {
  FrameAt(0);
  autosave.Request();
  FrameAt(0.5);
  ASSERT_EQ(saves, 1);
  const std::pair<double, int> frames[] = {{0.6, 1}, {1.0, 1}, {1.49, 1}, {1.5, 2}, {1.6, 2}};
  autosave.Request();  // a game lost just after the save
  for (const auto& [second, expected] : frames) {
    FrameAt(second);
    EXPECT_EQ(saves, expected) << "at " << second << " s";
  }
}

TEST_F(AutosaveTest, ThirtySecondsOfPlayMakeASave) {
  for (int second = 1; second <= 75; ++second) {
    autosave.PlaySecond();
    FrameAt(second);
    EXPECT_EQ(saves, second / TAutosave::PlaySecondsBetweenSaves) << "after " << second << " s of play";
  }
}

TEST_F(AutosaveTest, AModalWindowSavesAtOnceUnlessASaveIsUnderASecondOld) {
  FrameAt(5);
  autosave.SaveBeforeModal();
  EXPECT_EQ(saves, 1);
  time.AdvanceSeconds(0.2);
  autosave.SaveBeforeModal();
  EXPECT_EQ(saves, 1);
  FrameAt(6.5);
  EXPECT_EQ(saves, 2) << "the second modal window's save follows at the next frame";
}

TEST_F(AutosaveTest, AFailureIsReportedOnceAndAgainOnlyAfterASuccess) {
  std::vector<std::string> reported;
  bool full = true;
  autosave.OnSave = [&] {
    if (full) throw EGameError("Cannot create file \"dat/b01\": No space left on device");
  };
  autosave.OnError = [&](const std::string& message) { reported.push_back(message); };
  for (int k = 1; k <= 3; ++k) {
    autosave.Request();
    FrameAt(2 * k);
  }
  EXPECT_EQ(reported.size(), 1u);
  full = false;
  autosave.Request();
  FrameAt(8);
  full = true;
  autosave.Request();
  FrameAt(10);
  EXPECT_EQ(reported.size(), 2u);
}

}  // namespace
