// The high-score window and the options window: tables, colours, volume bars and the turning
// direction, and a missing tune that leaves both usable.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include <functional>

#include "audio/mci_player.h"
#include "frame/paths.h"
#include "stages/stage_list.h"
#include "players/players.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"
#include "ui/game_application.h"
#include "ui/options_window.h"
#include "ui/top10_window.h"

namespace {

class ScoresAndOptionsTest : public ::testing::Test {
 protected:
  ScoresAndOptionsTest() {
    TGameApplication::SetErrorDisplay([this](const std::string& message) { errors.push_back(message); });
    MCIPlayers.SetVolume(1000);
  }
  ~ScoresAndOptionsTest() override {
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
    MCIPlayers.SetVolume(1000);
  }

  TTempProgramDir dir;
  TFakeTimeSource time;
  std::vector<std::string> errors;
};

TEST_F(ScoresAndOptionsTest, TheTablesShowTheRankedRowsWithTheCurrentPlayerInMaroon) {
  auto ann = std::make_unique<TPlayer>();
  ann->SetName("Ann");
  ann->SetMoney(250000);
  Players.Add(std::move(ann));
  Players.SetCurrentIndex(0);
  TfrmTop10 top10(nullptr);
  EXPECT_EQ(top10.size(), QSize(405, 505));
  top10.Refresh();
  top10.Prepare();
  QLabel* first = top10.findChild<QLabel*>(QStringLiteral("lM0"));
  ASSERT_EQ(first, top10.NameLabels[1][0]);
  EXPECT_EQ(first->text(), QStringLiteral("Ann"));
  EXPECT_EQ(top10.findChild<QLabel*>(QStringLiteral("lMV0"))->text(), QStringLiteral("250000"));
  EXPECT_EQ(first->palette().color(QPalette::WindowText), QColor::fromRgb(TfrmTop10::Maroon));
  EXPECT_EQ(top10.NameLabels[1][1]->text(), QStringLiteral("Mirlo"));
  EXPECT_EQ(top10.NameLabels[1][1]->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(top10.NameLabels[0][0]->text(), QStringLiteral("Radovoz"));
  EXPECT_EQ(top10.NameLabels[3][9]->geometry(), QRect(212, 440, 105, 13));
  EXPECT_EQ(top10.ValueLabels[2][0]->geometry(), QRect(136, 272, 56, 13));
  top10.show();
  QTest::keyClick(&top10, Qt::Key_Return);
  EXPECT_EQ(top10.result(), mrOK) << "Enter closes it";
  top10.Finish();
  EXPECT_EQ(top10.Music.Player, nullptr);
}

TEST_F(ScoresAndOptionsTest, AMissingTuneIsNamedOnceAndTheWindowsStillOpen) {
  TfrmTop10 top10(nullptr);
  for (int opening = 0; opening < 2; ++opening) {
    top10.Prepare();
    EXPECT_EQ(top10.NameLabels[0][0]->text(), QStringLiteral("Radovoz")) << "the tables are filled all the same";
    top10.Finish();
  }
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("mp3/about.mp3"), std::string::npos);
}

TEST_F(ScoresAndOptionsTest, ClicksOnTheBarsSetTheVolumesOnPressAndOnRelease) {
  TGmStageList stages(nullptr, time);
  ASSERT_NE(stages.Sound, nullptr) << "the dummy sound driver gives a device";
  TfrmOptions options(nullptr, &stages);
  options.Prepare();
  EXPECT_EQ(options.pbVolume1->Value, 1000) << "both bars full with the default settings";
  EXPECT_EQ(options.pbVolume2->Value, 5000);
  const std::pair<int, int32_t> music[] = {{116, 498}, {233, 1000}, {300, 1000}, {0, 0}, {-20, 0}, {117, 502}};
  for (const auto& [x, volume] : music) {
    QTest::mousePress(options.pbVolume1, Qt::LeftButton, Qt::NoModifier, QPoint(x, 5));
    EXPECT_EQ(MCIPlayers.Volume(), volume) << x;
  }
  QTest::mouseRelease(options.pbVolume1, Qt::RightButton, Qt::NoModifier, QPoint(116, 5));
  EXPECT_EQ(MCIPlayers.Volume(), 498) << "the release sets it too";
  QTest::mousePress(options.pbVolume2, Qt::LeftButton, Qt::NoModifier, QPoint(58, 5));
  EXPECT_EQ(options.pbVolume2->Value, 1245);
  EXPECT_EQ(stages.Sound->Elems->Volume(), -3755);
  options.Finish();
}

TEST_F(ScoresAndOptionsTest, TabReachesTheBarsAndTheirKeysSetTheVolumesAsAClickDoes) {
  TGmStageList stages(nullptr, time);
  ASSERT_NE(stages.Sound, nullptr);
  TfrmOptions options(nullptr, &stages);
  options.Prepare();
  options.show();
  options.activateWindow();
  QApplication::setActiveWindow(&options);
  // From the music bar, Tab goes down the window: the sound bar, then the turning choice.
  options.pbVolume1->setFocus(Qt::TabFocusReason);
  QRadioButton* chosen = options.Anticlockwise->isChecked() ? options.Anticlockwise : options.Clockwise;
  for (QWidget* next : {static_cast<QWidget*>(options.pbVolume2), static_cast<QWidget*>(chosen)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
  }
  const auto music = [] { return MCIPlayers.Volume(); };
  const auto sound = [&] { return stages.Sound->Elems->Volume(); };
  const struct {
    TVolumeBar* bar;
    Qt::Key key;
    int32_t from, to;
    std::function<int32_t()> live;
    int32_t heard;
  } cases[] = {
      {options.pbVolume1, Qt::Key_Left, 1000, 950, music, 950},   {options.pbVolume1, Qt::Key_Down, 498, 448, music, 448},
      {options.pbVolume1, Qt::Key_Right, 980, 1000, music, 1000}, {options.pbVolume1, Qt::Key_Up, 0, 50, music, 50},
      {options.pbVolume1, Qt::Key_Left, 20, 0, music, 0},         {options.pbVolume1, Qt::Key_End, 300, 1000, music, 1000},
      {options.pbVolume1, Qt::Key_Home, 300, 0, music, 0},        {options.pbVolume2, Qt::Key_Left, 5000, 4750, sound, -250},
      {options.pbVolume2, Qt::Key_Home, 2500, 0, sound, -5000},   {options.pbVolume2, Qt::Key_Up, 4900, 5000, sound, 0},
  };
  for (const auto& c : cases) {
    c.bar->setFocus(Qt::TabFocusReason);
    c.bar->SetValue(c.from);
    QTest::keyClick(c.bar, c.key);
    EXPECT_EQ(c.bar->Value, c.to) << c.from << " key " << c.key;
    EXPECT_EQ(c.live(), c.heard) << c.from << " key " << c.key;
  }
  options.pbVolume2->clearFocus();
  QTest::mouseClick(options.pbVolume2, Qt::LeftButton, Qt::NoModifier, QPoint(58, 5));
  EXPECT_FALSE(options.pbVolume2->hasFocus()) << "a click sets the value as before and leaves the keys where they were";
  options.Finish();
}

TEST_F(ScoresAndOptionsTest, WithoutASoundDeviceTheSoundBarOpensFullAndOnlyMoves) {
  TGmStageList stages(nullptr, time);
  stages.Sound.reset();
  TfrmOptions options(nullptr, &stages);
  options.Prepare();
  EXPECT_EQ(options.pbVolume2->Value, 5000);
  QTest::mousePress(options.pbVolume2, Qt::LeftButton, Qt::NoModifier, QPoint(58, 5));
  EXPECT_EQ(options.pbVolume2->Value, 1245);
  options.Finish();
}

TEST_F(ScoresAndOptionsTest, TheClockwiseIconChoosesTheTurnAppliedWhenTheWindowCloses) {
  auto stages = std::make_unique<TGmStageList>(nullptr, time);
  TfrmOptions options(nullptr, stages.get());
  options.Prepare();
  EXPECT_TRUE(options.Anticlockwise->isChecked());
  QTest::mouseClick(options.Image2, Qt::LeftButton);
  EXPECT_TRUE(options.Clockwise->isChecked());
  EXPECT_EQ(stages->RotateMode, 1) << "not before the window closes";
  options.Finish();
  EXPECT_EQ(stages->RotateMode, 0);
  // Kept in the settings and chosen again at the next start.
  const TSettings kept = stages->Settings();
  stages.reset();
  stages = std::make_unique<TGmStageList>(nullptr, time);
  stages->ApplySettings(kept);
  TfrmOptions again(nullptr, stages.get());
  again.Prepare();
  EXPECT_TRUE(again.Clockwise->isChecked());
  QTest::mouseClick(again.Image1, Qt::LeftButton);
  again.Finish();
  EXPECT_EQ(stages->RotateMode, 1);
}

}  // namespace
