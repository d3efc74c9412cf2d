// The window size option: the factor handed to Qt, and the window at 150 % (run by ctest with
// QT_SCALE_FACTOR=1.5 as "ui.scaled150"): the drawing keeps its 640 x 560 coordinates and a
// pointer over the board reaches the stage at the same board point.

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

#include <QTest>

#include "app/window_scale.h"
#include "frame/paths.h"
#include "players/players.h"
#include "support/temp_dir.h"
#include "ui/game_application.h"
#include "ui/main_window.h"
#include "ui/window_fit.h"

namespace {

TEST(WindowScale, EachSizeGivesItsFactorAndFullSizeNone) {
  const struct {
    int32_t scale;
    std::optional<std::string> factor;
  } cases[] = {{100, std::nullopt}, {150, "1.5"}, {200, "2"}, {175, std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(ScaleFactorFor(c.scale), c.factor) << c.scale;
}

// A size whose window (and title bar) does not fit the screen's free area gives way to the
// largest one that does; the smallest is used on any screen.
TEST(WindowScale, TheLargestSizeThatFitsTheScreenIsUsed) {
  const struct {
    const char* screen;
    int32_t chosen;
    QSize room;
    int32_t used;
  } cases[] = {
      {"netbook, 150 %", 150, {1024, 600}, 100},
      {"netbook with a panel, 100 %", 100, {1024, 570}, 100},
      {"full HD, 200 %", 200, {1920, 1050}, 150},
      {"full HD, 150 %", 150, {1920, 1050}, 150},
      {"just high enough for 150 %", 150, {960, 840 + TitleBarRoom}, 150},
      {"one row short of 150 %", 150, {960, 839 + TitleBarRoom}, 100},
      {"one column short of 200 %", 200, {1279, 2000}, 150},
      {"4K, 200 %", 200, {3840, 2100}, 200},
      {"4K, 100 %", 100, {3840, 2100}, 100},
  };
  for (const auto& c : cases) EXPECT_EQ(LargestScaleThatFits(c.chosen, c.room), c.used) << c.screen;
}

using TMouseCall = std::tuple<uint8_t, int32_t, float, float>;

class TPointerStage : public TGmStage {
 public:
  explicit TPointerStage(TGmStageList* owner) : TGmStage(owner) {
    OnMouse = [this](uint8_t kind, int32_t button, float x, float y) {
      calls.emplace_back(kind, button, x, y);
    };
  }
  std::string ClassName() const override { return "TPointerStage"; }
  void Init() override {}
  void Enter() override {}
  void Leave() override {}
  void Pause() override {}
  void Resume() override {}
  std::vector<TMouseCall> calls;
};

TEST(ScaledWindow, At150PercentThePointerReachesTheSameBoardPoint) {
  const char* factor = std::getenv("QT_SCALE_FACTOR");
  if (!factor || std::string(factor) != "1.5") GTEST_SKIP() << "run as ui.scaled150";
  TTempProgramDir dir;
  TGameApplication::SetErrorDisplay([](const std::string&) {});
  {
    auto player = std::make_unique<TPlayer>();
    player->SetName("Ann");
    Players.Add(std::move(player));
    Players.SetCurrentIndex(0);
    Players.SaveToFile(GamePath(RosterFileName));
    Players.FreePlayers();
  }
  {
    TfrmMain window;
    auto* stage = new TPointerStage(window.StageList());
    window.show();
    QCoreApplication::processEvents();
    window.StageList()->SetCurrentStage(stage);
    EXPECT_EQ(window.devicePixelRatio(), 1.5);
    EXPECT_EQ(window.size(), QSize(640, 560)) << "the drawing keeps its size";
    EXPECT_EQ(window.grab().size(), QSize(960, 840)) << "the screen shows it half as large again";
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    ASSERT_FALSE(stage->calls.empty());
    const TMouseCall& press = stage->calls.back();
    EXPECT_EQ(std::get<0>(press), MouseDown);
    EXPECT_EQ(std::get<2>(press), 162.0f);
    EXPECT_EQ(std::get<3>(press), 264.0f);
  }
  Players.FreePlayers();
  TGameApplication::SetErrorDisplay(nullptr);
}

}  // namespace
