// The title screen and the level map: what each shows, where a click leads, the flashing
// prompt, and visits that leave nothing behind.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <thread>

#include "display/line_effects.h"
#include "players/players.h"
#include "stages/clearup_stage.h"
#include "stages/start_stage.h"
#include "support/fake_time.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

// Where the map's click leads; a level is not needed here.
class TPlayStandIn : public TGmStage {
 public:
  using TGmStage::TGmStage;
  std::string ClassName() const override { return "TGmStage_Running"; }
  void Init() override {}
  void Enter() override {}
  void Leave() override {}
  void Pause() override {}
  void Resume() override {}
};

class TitleAndMapTest : public ::testing::Test {
 protected:
  TitleAndMapTest() {
    SavePicture(SolidPicture(400, 500, 0xFFE0D0A0), dir.File("bmp/lambskin.bmp"));
    SavePicture(SolidPicture(18, 20, 0xFFFFFFFF), dir.File("bmp/mappointbig.bmp"));
    SavePicture(SolidPicture(12, 12, 0xFFFFFFFF), dir.File("bmp/mappointsmall.bmp"));
    SavePicture(SolidPicture(96, 14, 0xFFFFFFFF), dir.File("bmp/mappoint.bmp"));
    SavePicture(SolidPicture(170, 28, 0xFFFFFFFF), dir.File("dat/y00"));
    // Not music: the players stay silent.
    dir.WriteBytes("mp3/start.mp3", "");
    dir.WriteBytes("mp3/clearup.mp3", "");
    list = std::make_unique<TGmStageList>(nullptr, time);
    title = new TGmStage_Start(list.get());
    play = new TPlayStandIn(list.get());
    map = new TGmStage_Clearup(list.get());
    for (int32_t i = 0; i < list->Count(); ++i) list->Stage(i)->Init();
    player = Players.Items(Players.Add(std::make_unique<TPlayer>()));
    Players.SetCurrentIndex(0);
  }
  ~TitleAndMapTest() override {
    list.reset();
    Players.FreePlayers();
  }

  void RunFor(double seconds, double step = 0.05) {
    for (double t = 0; t < seconds - 1e-9; t += step) {
      time.AdvanceSeconds(step);
      bool done = false;
      list->CurrentStage->Idle(done);
    }
  }
  void Click() { list->CurrentStage->OnMouse(MouseDown, mbRight, 50, 50); }
  void ShowMap(int32_t level) {
    player->SetLevel(level);
    list->SetCurrentStage(map);
  }
  template <typename Kind>
  std::vector<Kind*> PointsOf() const {
    std::vector<Kind*> found;
    for (const auto& elem : map->Points)
      if (auto* kind = dynamic_cast<Kind*>(elem.get())) found.push_back(kind);
    return found;
  }
  // The points whose markers are on the map, found by where the markers sit.
  std::set<int32_t> MarkedPoints() const {
    std::set<int32_t> marked;
    for (TDSPE_Static* marker : PointsOf<TDSPE_Static>()) {
      if (dynamic_cast<TDSPE_Animation*>(marker)) continue;
      for (int32_t point = 1; point <= MapPointCount; ++point) {
        const TMapPoint& at = MapPoints[point - 1];
        const int32_t half = at.Big ? 9 : 6;
        if (marker->X == at.X - half && marker->Y == at.Y - (at.Big ? 10 : 6)) marked.insert(point);
      }
    }
    return marked;
  }
  int32_t FlashingPrompts() const {
    int32_t count = 0;
    for (TDSPElem* elem : list->DSP->Elems()) count += dynamic_cast<TDSPE_FlashBmp*>(elem) != nullptr;
    return count;
  }

  TTempProgramDir dir;
  TFakeTimeSource time;
  std::unique_ptr<TGmStageList> list;
  TGmStage_Start* title = nullptr;
  TPlayStandIn* play = nullptr;
  TGmStage_Clearup* map = nullptr;
  TPlayer* player = nullptr;
};

TEST_F(TitleAndMapTest, TheTitleShowsItsPicturesAndAClickAtOnceGoesToTheMap) {
  list->SetNextHexSet(4);
  list->SetCurrentStage(title);
  EXPECT_TRUE(title->Backdrop->Visible && title->Title->Visible);
  EXPECT_EQ(list->NextHexSet, -1) << "no next shape beside the title";
  title->OnMouse(MouseMove, mbLeft, 10, 10);
  EXPECT_EQ(list->CurrentStage, title) << "a move does nothing";
  RunFor(0.2);
  ASSERT_EQ(FlashingPrompts(), 1);
  EXPECT_TRUE(title->Prompt->Prompt->FadeIn());
  Click();
  EXPECT_EQ(list->CurrentStage, map);
  EXPECT_FALSE(title->Backdrop->Visible || title->Title->Visible);
  // The map has its own prompt; the title's is gone and makes no other.
  EXPECT_EQ(FlashingPrompts(), 1);
  EXPECT_EQ(title->Prompt->Prompt, nullptr);
  RunFor(2);
  EXPECT_EQ(FlashingPrompts(), 1);
}

TEST_F(TitleAndMapTest, ThePromptFadesInAndOutOnceASecondAndGoesOnWhereItStopped) {
  list->SetCurrentStage(title);
  std::vector<bool> fades{title->Prompt->Prompt->FadeIn()};
  const TDSPE_FlashBmp* last = title->Prompt->Prompt;
  // Its picture is read once for the visit, not for every fade.
  std::filesystem::remove(dir.File("dat/y00"));
  for (int frame = 0; frame < 40; ++frame) {
    RunFor(0.05);
    if (title->Prompt->Prompt != last) fades.push_back(title->Prompt->Prompt->FadeIn());
    last = title->Prompt->Prompt;
    ASSERT_EQ(last->Width(), 170) << "fade " << fades.size();
  }
  // Half a second each (and a frame to start each fade).
  EXPECT_EQ(fades, (std::vector<bool>{true, false, true, false}));
  const bool next = title->Prompt->NextFadeIn;
  list->SetCurrentStage(map);
  list->SetCurrentStage(title);
  EXPECT_EQ(title->Prompt->Prompt->FadeIn(), next);
}

struct TMapCase {
  int32_t Level;
  int32_t Blinking;
  std::string Tens;
  bool TensShown;
  float TensX;
  std::string Ones;
};

TEST_F(TitleAndMapTest, TheMapMarksThePassedPointsOfThisRoundAndBlinksTheNext) {
  const TMapCase cases[] = {
      {1, 1, "0", false, 310, "1"},     {30, 30, "3", true, 310, "0"},  {46, 46, "4", true, 310, "6"},
      {47, 1, "4", true, 310, "7"},     {100, 8, "10", true, 298, "0"}, {1000, 34, "100", true, 286, "0"},
      {-3, 43, "0", false, 310, "-3"},
  };
  for (const TMapCase& c : cases) {
    SCOPED_TRACE(c.Level);
    ShowMap(c.Level);
    std::set<int32_t> expected;
    for (int32_t point = 1; point < c.Blinking; ++point) expected.insert(point);
    EXPECT_EQ(MarkedPoints(), expected);
    EXPECT_EQ(PointsOf<TDSPE_Temp>().size(), expected.size()) << "one glow for each marked point";
    const auto blinking = PointsOf<TDSPE_Animation>();
    ASSERT_EQ(blinking.size(), 1u);
    const TMapPoint& at = MapPoints[c.Blinking - 1];
    EXPECT_EQ(blinking[0]->X, at.X - 8);
    EXPECT_EQ(blinking[0]->Y, at.Y - 7);
    EXPECT_EQ(map->TensText->Text, c.Tens);
    EXPECT_EQ(map->TensText->Visible, c.TensShown);
    EXPECT_EQ(map->TensText->X, c.TensX);
    EXPECT_EQ(map->OnesText->Text, c.Ones);
    EXPECT_EQ(map->OnesText->X, TGmStage_Clearup::OnesTextX);
    EXPECT_TRUE(map->Map->Visible && map->LevelFlag->Visible);
    EXPECT_FALSE(map->Constellation->Visible);
    list->SetCurrentStage(title);
  }
}

TEST_F(TitleAndMapTest, BigPointsUseTheBigMarkerAndAGlowAboveTheirCentre) {
  ShowMap(12);
  const TMapPoint& big = MapPoints[10];  // point 11
  ASSERT_TRUE(big.Big);
  bool foundGlow = false;
  for (TDSPE_Temp* glow : PointsOf<TDSPE_Temp>())
    if (glow->X == big.X && glow->Y == big.Y - 5) foundGlow = glow->Layer == 53;
  EXPECT_TRUE(foundGlow);
  const TMapPoint& small = MapPoints[9];  // point 10
  foundGlow = false;
  for (TDSPE_Temp* glow : PointsOf<TDSPE_Temp>())
    if (glow->X == small.X && glow->Y == small.Y) foundGlow = glow->Layer == 55;
  EXPECT_TRUE(foundGlow);
}

TEST_F(TitleAndMapTest, AfterARoundOf46TheConstellationComesFirstAndItsClickShowsTheNextRound) {
  map->ShowConstellation = true;
  ShowMap(47);
  EXPECT_TRUE(map->Constellation->Visible);
  EXPECT_FALSE(map->Map->Visible || map->LevelFlag->Visible || map->TensText->Visible || map->OnesText->Visible);
  std::set<int32_t> all;
  for (int32_t point = 1; point <= MapPointCount; ++point) all.insert(point);
  EXPECT_EQ(MarkedPoints(), all);
  EXPECT_TRUE(PointsOf<TDSPE_Animation>().empty());
  Click();
  EXPECT_EQ(list->CurrentStage, map) << "the map of the new round, not the level";
  EXPECT_FALSE(map->ShowConstellation);
  EXPECT_TRUE(MarkedPoints().empty());
  EXPECT_EQ(map->TensText->Text, "4");
  EXPECT_EQ(map->OnesText->Text, "7");
  Click();
  EXPECT_EQ(list->CurrentStage, play);
}

TEST_F(TitleAndMapTest, WithoutAPlayerTheMapShowsOnlyItsBackdrop) {
  Players.SetCurrentIndex(-1);
  list->SetCurrentStage(map);
  EXPECT_TRUE(map->Backdrop->Visible);
  EXPECT_FALSE(map->Map->Visible || map->LevelFlag->Visible || map->OnesText->Visible);
  EXPECT_TRUE(map->Points.empty());
  EXPECT_EQ(FlashingPrompts(), 0);
  EXPECT_FALSE(static_cast<bool>(map->OnMouse)) << "nothing to click on the first visit";
}

TEST_F(TitleAndMapTest, ManyVisitsLeaveTheSurfaceAsTheyFoundIt) {
  list->SetCurrentStage(title);
  RunFor(0.1);
  const size_t elements = list->DSP->Elems().size();
  for (int visit = 0; visit < 50; ++visit) {
    map->ShowConstellation = visit % 5 == 0;
    ShowMap(1 + visit * 7);
    RunFor(0.3);
    list->SetCurrentStage(title);
    RunFor(0.3);
  }
  EXPECT_EQ(list->DSP->Elems().size(), elements);
}

// Real music: the title starts it from the beginning on every visit.
TEST_F(TitleAndMapTest, TheTitleMusicStartsFromItsBeginningOnEveryVisit) {
  const std::string wav = dir.File("mp3/tone.wav"), mp3 = dir.File("mp3/start.mp3");
  const std::string command = "sox -n -r 44100 -c 2 '" + wav + "' synth 3 sine 440 && lame --quiet '" + wav +
                              "' '" + mp3 + "'";
  if (std::system(command.c_str()) != 0) GTEST_SKIP() << "sox and lame are needed to make a tune";
  auto stage = std::make_unique<TGmStage_Start>(list.get());
  stage->Init();
  if (stage->Music->Silent()) GTEST_SKIP() << "no sound output";
  list->SetCurrentStage(stage.get());
  EXPECT_EQ(stage->Music->Mode(), MusicPlaying);
  for (int i = 0; i < 200 && stage->Music->Position() < 4410; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const int64_t played = stage->Music->Position();
  ASSERT_GE(played, 4410);
  list->SetCurrentStage(map);
  EXPECT_EQ(stage->Music->Mode(), MusicStopped);
  list->SetCurrentStage(stage.get());
  EXPECT_LT(stage->Music->Position(), played);
  list->SetCurrentStage(map);
  list->Clear();
  stage.release();  // the list owned it (a stage appends itself)
}

}  // namespace
