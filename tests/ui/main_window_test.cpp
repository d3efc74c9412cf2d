// The main window frame: its shape, the mouse routing over the board, the error display and
// the settings saved at close.

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>
#include <vector>

#include <QTest>

#include "frame/errors.h"
#include "frame/paths.h"
#include "players/players.h"
#include "audio/mci_player.h"
#include "ui/game_application.h"
#include "ui/main_window.h"
#include "ui/mouse_routing.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"

namespace {

using TMouseCall = std::tuple<uint8_t, TShiftState, int32_t, float, float>;

class TMouseStage : public TGmStage {
 public:
  explicit TMouseStage(TGmStageList* owner) : TGmStage(owner) {
    OnMouse = [this](uint8_t kind, TShiftState shift, int32_t button, float x, float y) {
      calls.emplace_back(kind, shift, button, x, y);
    };
  }
  std::string ClassName() const override { return "TMouseStage"; }
  void Init() override {}
  void Enter() override {}
  void Leave() override {}
  void Pause() override {}
  void Resume() override {}
  std::vector<TMouseCall> calls;
};

class MouseRoutingTest : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  TFakeTimeSource time;
  TGmStageList list{nullptr, time};
  TMouseStage* stage = new TMouseStage(&list);
};

TEST_F(MouseRoutingTest, NothingHappensWithoutACurrentStageOrHandler) {
  RouteMouseMove(list, 0, 300, 300);
  RouteMouseDown(list, 0, mbLeft, 300, 300);
  list.SetCurrentStage(stage);
  stage->OnMouse = nullptr;
  RouteMouseDown(list, 0, mbLeft, 300, 300);
  EXPECT_TRUE(stage->calls.empty());
}

TEST_F(MouseRoutingTest, MovesAreClampedToTheBoardAndShiftedByHalfASprite) {
  list.SetCurrentStage(stage);
  RouteMouseMove(list, ssShift, 300, 100);
  RouteMouseMove(list, 0, 10, 900);
  RouteMouseMove(list, 0, 700, 0);
  ASSERT_EQ(stage->calls.size(), 3u);
  EXPECT_EQ(stage->calls[0], TMouseCall(MouseMove, ssShift, mbLeft, 62.0f, 64.0f));
  EXPECT_EQ(stage->calls[1], TMouseCall(MouseMove, 0, mbLeft, -18.0f, 482.0f));
  EXPECT_EQ(stage->calls[2], TMouseCall(MouseMove, 0, mbLeft, 382.0f, -18.0f));
}

TEST_F(MouseRoutingTest, ButtonDownsCountOnlyInsideTheBoardIncludingItsEdges) {
  list.SetCurrentStage(stage);
  RouteMouseDown(list, 0, mbRight, 220, 18);
  RouteMouseDown(list, 0, mbLeft, 620, 518);
  RouteMouseDown(list, 0, mbLeft, 219, 100);
  RouteMouseDown(list, 0, mbLeft, 300, 519);
  ASSERT_EQ(stage->calls.size(), 2u);
  EXPECT_EQ(stage->calls[0], TMouseCall(MouseDown, 0, mbRight, -18.0f, -18.0f));
  EXPECT_EQ(stage->calls[1], TMouseCall(MouseDown, 0, mbLeft, 382.0f, 482.0f));
}

TEST(ErrorDisplay, AnEscapingExceptionIsShownAndTheProgramGoesOn) {
  std::vector<std::string> shown;
  TGameApplication::SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
  EXPECT_FALSE(TGameApplication::RunGuarded([]() -> bool { throw EGameError("Open Error [wav/x.wav]"); }));
  EXPECT_TRUE(TGameApplication::RunGuarded([] { return true; }));
  TGameApplication::SetErrorDisplay(nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"Open Error [wav/x.wav]"});
}

TEST(ErrorDisplay, ErrorsWhileAMessageIsOpenDoNotStackUpMoreMessages) {
  int shown = 0;
  TGameApplication::SetErrorDisplay([&](const std::string&) {
    ++shown;
    TGameApplication::ShowError("the same fault, next frame");
  });
  TGameApplication::ShowError("first");
  TGameApplication::ShowError("later, after the box closed");
  TGameApplication::SetErrorDisplay(nullptr);
  EXPECT_EQ(shown, 2);
}

class MainWindowTest : public ::testing::Test {
 protected:
  TTempProgramDir dir;
};

TEST_F(MainWindowTest, FixedWindowWithCaptionAndPlayFieldInPlace) {
  TfrmMain window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Brillor I"));
  EXPECT_EQ(window.size(), QSize(640, 560));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window.PlayField()->geometry(), QRect(221, 20, 400, 500));
  ASSERT_NE(window.StageList(), nullptr);
}

TEST_F(MainWindowTest, RealMouseEventsOverTheBoardReachTheCurrentStage) {
  TfrmMain window;
  auto* stage = new TMouseStage(window.StageList());
  window.StageList()->SetCurrentStage(stage);
  window.show();
  // Over the play field, which lets the mouse through to the window.
  QTest::mouseMove(&window, QPoint(400, 300));
  QTest::mousePress(&window, Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
  QTest::mouseRelease(&window, Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
  QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
  std::vector<TMouseCall> downs;
  for (const auto& call : stage->calls)
    if (std::get<0>(call) == MouseDown) downs.push_back(call);
  ASSERT_EQ(downs.size(), 1u) << "one press inside the board; the release and the outside press are not passed on";
  EXPECT_EQ(std::get<2>(downs[0]), mbRight);
  EXPECT_EQ(std::get<3>(downs[0]), 162.0f);
  EXPECT_EQ(std::get<4>(downs[0]), 264.0f);
}

TEST_F(MainWindowTest, TheRosterIsLoadedAtStartAndSavedWithTheSettingsAtClose) {
  auto ann = std::make_unique<TPlayer>();
  ann->SetName("Ann");
  Players.Add(std::move(ann));
  Players.SaveToFile(GamePath(RosterFileName));
  Players.FreePlayers();
  MCIPlayers.SetVolume(1000);
  {
    TfrmMain window;
    ASSERT_EQ(Players.Count(), 1);
    EXPECT_EQ(Players.Items(0)->Name(), "Ann");
    Players.Items(0)->SetLevel(7);
    window.StageList()->RotateMode = 0;
    window.show();
    window.close();
    EXPECT_EQ(window.StageList(), nullptr) << "the stage list is gone after close";
    EXPECT_EQ(Players.Count(), 0) << "the players are freed after the save";
  }
  EXPECT_EQ(dir.ReadBytes("dat/b00").substr(0, 4), std::string("\xE8\x03\0\0", 4));
  EXPECT_EQ(dir.ReadBytes("dat/b00").substr(8), std::string("\0", 1));
  Players.LoadFromFile(GamePath(RosterFileName));
  ASSERT_EQ(Players.Count(), 1);
  EXPECT_EQ(Players.Items(0)->Level(), 7);
  Players.FreePlayers();
}

TEST_F(MainWindowTest, AnUnreadableRosterIsReportedAndNotOverwrittenAtExit) {
  std::filesystem::create_directories(dir.File("dat/b01"));  // a folder where the file should be
  std::vector<std::string> shown;
  TGameApplication::SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
  {
    TfrmMain window;
    window.close();
  }
  TGameApplication::SetErrorDisplay(nullptr);
  EXPECT_EQ(shown.size(), 1u) << "the failed load is reported once and no save is tried";
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("dat/b01")));
}

TEST_F(MainWindowTest, MissingSoundsAndLevelFilesAreReportedAndPlayStartsAnyway) {
  std::vector<std::string> shown;
  TGameApplication::SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
  {
    TfrmMain window;  // the test folder holds no sounds and no level files
    window.StartPlaying();
    EXPECT_NE(window.StageList()->CurrentStage, nullptr);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    window.close();
  }
  TGameApplication::SetErrorDisplay(nullptr);
  Players.FreePlayers();
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(shown.front().find("wav/"), std::string::npos) << shown.front();
}

TEST_F(MainWindowTest, PlayFieldShowsThePresentedFrame) {
  TfrmMain window;
  QImage frame(400, 500, QImage::Format_ARGB32_Premultiplied);
  frame.fill(QColor(10, 200, 30));
  window.show();
  window.PlayField()->PresentFrame(frame, 221, 20, QRegion(frame.rect()));
  const QImage shown = window.PlayField()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(200, 250), QColor(10, 200, 30));
}

}  // namespace
