// The stage list: current stage, nested pausing, frames, the one-second tick and the settings.

#include "stages/stage_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "audio/audio_device.h"
#include "audio/mci_player.h"
#include "frame/paths.h"
#include "players/players.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"

namespace {

// A stage that records every call made on it.
class TRecordingStage : public TGmStage {
 public:
  TRecordingStage(TGmStageList* owner, std::string name, std::vector<std::string>& log)
      : TGmStage(owner), name_(std::move(name)), log_(log) {}
  std::string ClassName() const override { return name_; }
  void Init() override { Record("Init"); }
  void Enter() override { Record("Enter"); }
  void Leave() override { Record("Leave"); }
  void Pause() override { Record("Pause"); }
  void Resume() override { Record("Resume"); }

 private:
  void Record(const char* what) { log_.push_back(name_ + "." + what); }
  std::string name_;
  std::vector<std::string>& log_;
};

class StageListTest : public ::testing::Test {
 protected:
  StageListTest() { MCIPlayers.SetVolume(1000); }
  ~StageListTest() override { Players.FreePlayers(); }

  TTempProgramDir dir;
  TFakeTimeSource time{1000};
  std::vector<std::string> log;

  std::unique_ptr<TGmStageList> MakeList() { return std::make_unique<TGmStageList>(nullptr, time); }
  static int32_t SoundVolume(const TGmStageList& list) { return list.Sound ? list.Sound->Elems->Volume() : 0; }
};

// A running stage whose game can be started and stopped.
class TPlayingStage : public TRecordingStage {
 public:
  TPlayingStage(TGmStageList* owner, std::vector<std::string>& log) : TRecordingStage(owner, "TGmStage_Running", log) {}
  bool Playing() const override { return playing; }
  bool PlaysEffects() const override { return true; }
  // The level's opening sound plays as it is entered: the output's pace must be set by then.
  void Enter() override {
    TRecordingStage::Enter();
    quickAtEnter = Owner->Sound->Device->QuickEffects();
  }
  bool playing = true;
  bool quickAtEnter = false;
};

TEST_F(StageListTest, SwitchingStagesLeavesTheOldAndEntersTheNew) {
  auto list = MakeList();
  auto* start = new TRecordingStage(list.get(), "TGmStage_Start", log);
  auto* running = new TRecordingStage(list.get(), "TGmStage_Running", log);
  EXPECT_EQ(list->Count(), 2);
  list->SetCurrentStage(start);
  list->SetCurrentStage(running);
  EXPECT_EQ(log, (std::vector<std::string>{"TGmStage_Start.Enter", "TGmStage_Start.Leave",
                                           "TGmStage_Running.Enter"}));
  EXPECT_EQ(list->CurrentStage, running);
  EXPECT_TRUE(list->IdleLoop().Attached());
}

TEST_F(StageListTest, TheSoundOutputIsQuickFromTheEntryOfAStageThatPlaysEffectsUntilItIsLeft) {
  auto list = MakeList();
  ASSERT_TRUE(list->Sound && list->Sound->Device) << "the dummy output gives a device";
  auto* title = new TRecordingStage(list.get(), "TGmStage_Start", log);
  auto* running = new TPlayingStage(list.get(), log);
  list->SetCurrentStage(title);
  EXPECT_FALSE(list->Sound->Device->QuickEffects());
  list->SetCurrentStage(running);
  EXPECT_TRUE(running->quickAtEnter);
  list->SetCurrentStage(title);
  EXPECT_FALSE(list->Sound->Device->QuickEffects());
}

TEST_F(StageListTest, FindStageIgnoresCaseAndReturnsNoneForUnknownNames) {
  auto list = MakeList();
  new TRecordingStage(list.get(), "TGmStage_Start", log);
  auto* running = new TRecordingStage(list.get(), "TGmStage_Running", log);
  EXPECT_EQ(list->FindStage("tgmstage_running"), running);
  EXPECT_EQ(list->FindStage("TGmStage_Clearup"), nullptr);
}

TEST_F(StageListTest, NestedPauseFreezesOnceAndResumesOnce) {
  auto list = MakeList();
  auto* stage = new TRecordingStage(list.get(), "TGmStage_Running", log);
  list->SetCurrentStage(stage);
  log.clear();
  list->Pause();
  list->Pause();
  EXPECT_FALSE(list->IdleLoop().Attached()) << "no frames while paused";
  list->Resume();
  EXPECT_TRUE(list->IsPaused());
  EXPECT_FALSE(list->IdleLoop().Attached());
  list->Resume();
  EXPECT_FALSE(list->IsPaused());
  EXPECT_TRUE(list->IdleLoop().Attached());
  EXPECT_EQ(log, (std::vector<std::string>{"TGmStage_Running.Pause", "TGmStage_Running.Resume"}));
}

TEST_F(StageListTest, PauseWithoutCurrentStageOnlyCounts) {
  auto list = MakeList();
  new TRecordingStage(list.get(), "TGmStage_Start", log);
  list->Pause();
  EXPECT_EQ(list->PauseDepth, 1);
  list->Resume();
  EXPECT_EQ(list->PauseDepth, 0);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(list->IdleLoop().Attached());
}

TEST_F(StageListTest, SwitchWhilePausedRunsFramesAndResumeThawsTheFrozenStage) {
  auto list = MakeList();
  auto* running = new TRecordingStage(list.get(), "TGmStage_Running", log);
  auto* start = new TRecordingStage(list.get(), "TGmStage_Start", log);
  list->SetCurrentStage(running);
  list->Pause();
  log.clear();
  list->SetCurrentStage(start);
  EXPECT_TRUE(list->IdleLoop().Attached()) << "frames run again at once";
  list->Resume();
  EXPECT_EQ(log, (std::vector<std::string>{"TGmStage_Running.Leave", "TGmStage_Start.Enter",
                                           "TGmStage_Running.Resume"}));
  EXPECT_EQ(list->CurrentStage, start);
}

TEST_F(StageListTest, PausedTimersDoNotAdvance) {
  auto list = MakeList();
  auto* stage = new TRecordingStage(list.get(), "TGmStage_Running", log);
  list->SetCurrentStage(stage);
  TTTimer timer(*list->Clock, false, 1000);
  int fired = 0;
  timer.OnTimer = [&] { ++fired; };
  timer.SetEnabled(true);
  list->Clock->Tick();
  time.AdvanceSeconds(0.5);
  list->Clock->Tick();
  list->Pause();
  time.AdvanceSeconds(30);
  list->Resume();
  list->Clock->Tick();
  time.AdvanceSeconds(0.49);
  list->Clock->Tick();
  EXPECT_EQ(fired, 0);
  time.AdvanceSeconds(0.01);
  list->Clock->Tick();
  EXPECT_EQ(fired, 1);
}

TEST_F(StageListTest, IdleProducesOneFramePerCall) {
  auto list = MakeList();
  auto* stage = new TRecordingStage(list.get(), "TGmStage_Start", log);
  list->SetCurrentStage(stage);
  bool done = true;
  stage->Idle(done);
  EXPECT_FALSE(done) << "the loop must call again at once";
  time.AdvanceSeconds(0.01);
  stage->Idle(done);
  EXPECT_EQ(list->FrameCount, 2);
  EXPECT_EQ(list->Clock->Now, time.Now());
}

TEST_F(StageListTest, FrameRateIsReportedOnlyWhenItChanges) {
  auto list = MakeList();
  std::vector<int32_t> reported;
  list->OnFrameRate = [&](int32_t rate) { reported.push_back(rate); };
  for (int frames : {30, 30, 0, 25}) {
    list->FrameCount = frames;
    list->SecondTick();
  }
  EXPECT_EQ(reported, (std::vector<int32_t>{30, 0, 25}));
  EXPECT_EQ(list->FrameCount, 0);
  EXPECT_EQ(list->LastFrameRate, 25);
}

TEST_F(StageListTest, SecondTimerTicksOncePerSecond) {
  auto list = MakeList();
  std::vector<int32_t> reported;
  list->OnFrameRate = [&](int32_t rate) { reported.push_back(rate); };
  list->Clock->Tick();  // the enabled timer's first update ends a period at once
  EXPECT_TRUE(reported.empty()) << "0 frames, as in the second before";
  list->FrameCount = 42;
  time.AdvanceSeconds(0.999);
  list->Clock->Tick();
  EXPECT_TRUE(reported.empty());
  time.AdvanceSeconds(0.001);
  list->Clock->Tick();
  EXPECT_EQ(reported, (std::vector<int32_t>{42}));
}

TEST_F(StageListTest, PlaySecondsCountOnlyWhileTheRunningStagePlaysUnpaused) {
  auto list = MakeList();
  auto* start = new TRecordingStage(list.get(), "TGmStage_Start", log);
  auto* running = new TPlayingStage(list.get(), log);
  Players.Add(std::make_unique<TPlayer>());
  Players.SetCurrentIndex(0);
  auto second = [&] {
    time.AdvanceSeconds(1);
    list->Clock->Tick();
  };
  list->Clock->Tick();
  list->SetCurrentStage(start);
  second();
  EXPECT_EQ(Players.Current()->PlaySeconds(), 0) << "the title does not count";
  list->SetCurrentStage(running);
  second();
  second();
  EXPECT_EQ(Players.Current()->PlaySeconds(), 2);
  list->Pause();
  second();
  second();
  list->Resume();
  EXPECT_EQ(Players.Current()->PlaySeconds(), 2) << "paused seconds do not count";
  running->playing = false;
  second();
  second();
  EXPECT_EQ(Players.Current()->PlaySeconds(), 2) << "a lost game does not count";
}

TEST_F(StageListTest, PlaySecondsStayAtTheTopOfTheirRangeInTheRosterAndTheRecord) {
  constexpr int32_t RosterTop = std::numeric_limits<int32_t>::max();
  constexpr int64_t RecordTop = std::numeric_limits<int64_t>::max();
  struct Case {
    int32_t roster;
    int64_t record;
    int32_t rosterAfter;
    int64_t recordAfter;
  };
  // Four seconds of play each.
  for (const Case c : {Case{5, 7, 9, 11}, Case{RosterTop, 0, RosterTop, 4}, Case{RosterTop - 2, RecordTop - 1, RosterTop, RecordTop},
                       Case{0, RecordTop, 4, RecordTop}}) {
    auto list = MakeList();
    auto* running = new TPlayingStage(list.get(), log);
    auto player = std::make_unique<TPlayer>();
    player->SetPlaySeconds(c.roster);
    player->Record.SecondsPlayed = c.record;
    Players.Add(std::move(player));
    Players.SetCurrentIndex(0);
    list->SetCurrentStage(running);
    for (int i = 0; i < 4; ++i) list->SecondTick();
    EXPECT_EQ(Players.Current()->PlaySeconds(), c.rosterAfter) << c.roster;
    EXPECT_EQ(Players.Current()->Record.SecondsPlayed, c.recordAfter) << c.record;
    Players.FreePlayers();
  }
}

TEST_F(StageListTest, NextHexSetIsStoredAndAnnounced) {
  auto list = MakeList();
  EXPECT_EQ(list->NextHexSet, -1);
  int32_t shown = -2;
  list->OnNextHexSet = [&](int32_t index) { shown = index; };
  list->SetNextHexSet(7);
  EXPECT_EQ(list->NextHexSet, 7);
  EXPECT_EQ(shown, 7);
}

TEST_F(StageListTest, SettingsTakeEffectWithTheEffectVolumeBroughtIntoRange) {
  auto list = MakeList();
  ASSERT_NE(list->Sound, nullptr) << "the dummy output gives a device";
  const struct {
    TSettings given, kept;
  } cases[] = {
      {{350, -1200, 0}, {350, -1200, 0}},
      {{1000, -20000, 1}, {1000, -10000, 1}},
      {{0, 7, 1}, {0, 0, 1}},
  };
  for (const auto& c : cases) {
    list->ApplySettings(c.given);
    EXPECT_EQ(MCIPlayers.Volume(), c.kept.MusicVolume);
    EXPECT_EQ(SoundVolume(*list), c.kept.SoundVolume);
    EXPECT_EQ(list->Settings(), c.kept);
  }
}

TEST_F(StageListTest, WithoutASoundDeviceTheAppliedEffectVolumeIsKeptAsItWas) {
  auto list = MakeList();
  list->Sound.reset();  // as when no sound output could be opened
  for (const int32_t volume : {-2500, 0, -10000}) {
    list->ApplySettings({700, volume, 1});
    EXPECT_EQ(list->Settings(), (TSettings{700, volume, 1}));
  }
}

TEST_F(StageListTest, DestroyingTheListDestroysItsStages) {
  static int destroyed = 0;
  struct TCountingStage : TRecordingStage {
    using TRecordingStage::TRecordingStage;
    ~TCountingStage() override { ++destroyed; }
  };
  destroyed = 0;
  {
    auto list = MakeList();
    new TCountingStage(list.get(), "A", log);
    new TCountingStage(list.get(), "B", log);
  }
  EXPECT_EQ(destroyed, 2);
}

}  // namespace
