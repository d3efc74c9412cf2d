// The "More..." page of the options and the record panel of the players window.

#include <gtest/gtest.h>

#include <QTest>

#include "frame/paths.h"
#include "stages/stage_list.h"
#include "players/players.h"
#include "support/fake_time.h"
#include "support/temp_dir.h"
#include "ui/game_application.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/window_fit.h"
#include "ui/message_box.h"
#include "ui/more_options_window.h"
#include "ui/options_window.h"
#include "ui/players_window.h"

namespace {

class MorePageTest : public ::testing::Test {
 protected:
  ~MorePageTest() override {
    TGameDialog::SetModalRunner(nullptr);
    Players.FreePlayers();
  }
  // The More page answers with the given result after the script has clicked.
  void AnswerMorePage(int result, std::function<void(TfrmMoreOptions&)> script) {
    TGameDialog::SetModalRunner([=](TGameDialog& dialog) {
      if (auto* page = dynamic_cast<TfrmMoreOptions*>(&dialog)) script(*page);
      return result;
    });
  }

  TTempProgramDir dir;
  TFakeTimeSource time;
};

TEST_F(MorePageTest, TheMoreButtonSitsBesideOKAndLeavesTheOtherControlsInPlace) {
  TGmStageList stages(nullptr, time);
  TfrmOptions options(nullptr, &stages);
  EXPECT_EQ(options.size(), QSize(287, 377));
  EXPECT_EQ(options.btnMore->geometry(), QRect(196, 328, 72, 24));
  EXPECT_EQ(options.btnMore->Caption, QStringLiteral("More..."));
  EXPECT_EQ(options.pbVolume1->pos(), QPoint(28, 60));
  EXPECT_EQ(options.Image2->geometry(), QRect(28, 262, 50, 50));
}

TEST_F(MorePageTest, OKKeepsTheChoicesInTheirOwnFileAndTellsTheOwnerCancelDropsThem) {
  struct Case {
    int result;
    bool kept;
  };
  for (const Case c : {Case{mrCancel, false}, Case{mrOK, true}}) {
    TGmStageList stages(nullptr, time);
    stages.More = TMoreOptions();
    TfrmOptions options(nullptr, &stages);
    int told = 0;
    options.OnMoreOptions = [&] { ++told; };
    AnswerMorePage(c.result, [](TfrmMoreOptions& page) {
      EXPECT_FALSE(page.cbSymbols->isChecked()) << "everything starts off";
      EXPECT_TRUE(page.rbScale[0]->isChecked());
      page.cbSymbols->setChecked(true);
      page.cbPreview->setChecked(true);
      page.rbScale[1]->setChecked(true);
    });
    options.MoreClick();
    EXPECT_EQ(stages.More.Symbols, c.kept);
    EXPECT_EQ(stages.More.DropPreview, c.kept);
    EXPECT_FALSE(stages.More.RelaxedPace);
    EXPECT_EQ(stages.More.WindowScale, c.kept ? 150 : 100);
    EXPECT_EQ(told, c.kept ? 1 : 0);
    TMoreOptions saved;
    saved.Load(PlayerPath(MoreOptionsFileName));
    EXPECT_EQ(saved.Symbols, c.kept);
    if (!c.kept) continue;
    // Shown again as chosen.
    AnswerMorePage(mrCancel, [](TfrmMoreOptions& page) {
      EXPECT_TRUE(page.cbSymbols->isChecked());
      EXPECT_TRUE(page.rbScale[1]->isChecked());
    });
    options.MoreClick();
  }
}

TEST_F(MorePageTest, ThePlayersWindowShowsTheSelectedPlayersRecord) {
  for (const char* name : {"Ann", "Bob"}) Players.Items(Players.Add(std::make_unique<TPlayer>()))->SetName(name);
  Players.Items(1)->Record = {3, 7, 2, 45, 4, 1500, 3723};
  TfrmMessageBox messageBox(nullptr);
  TfrmInput input(nullptr, &messageBox);
  TfrmPlayers players(nullptr, &messageBox, &input);
  players.FillList();
  players.lbPlayers->setCurrentRow(1);
  const QString shown = players.lRecord[0]->text() + QLatin1Char('\n') + players.lRecord[1]->text();
  for (const char* part : {"Games: 3", "Levels: 7 +2 relaxed", "Time: 1:02:03", "Rows: 45", "Longest chain: 4",
                           "Best level: $1500"})
    EXPECT_TRUE(shown.contains(QLatin1String(part))) << part << " in " << shown.toStdString();
  players.lbPlayers->setCurrentRow(0);
  EXPECT_TRUE(players.lRecord[0]->text().contains(QLatin1String("Games: 0")));
  EXPECT_FALSE(players.lRecord[0]->text().contains(QLatin1String("relaxed")));
  players.lbPlayers->clearSelection();
  EXPECT_EQ(players.lRecord[0]->text(), QString());
}

// Figures earned since the selection last changed, or read after the list was filled, show as
// soon as the window opens again.
TEST_F(MorePageTest, TheRecordPanelShowsTheFiguresOfTheMomentEachTimeTheWindowOpens) {
  Players.Items(Players.Add(std::make_unique<TPlayer>()))->SetName("Ann");
  Players.SetCurrentIndex(0);
  TfrmMessageBox messageBox(nullptr);
  TfrmInput input(nullptr, &messageBox);
  TfrmPlayers players(nullptr, &messageBox, &input);
  players.FillList();
  QString shownAtOpen;
  TGameDialog::SetModalRunner([&](TGameDialog&) {
    shownAtOpen = players.lRecord[0]->text() + QLatin1Char('\n') + players.lRecord[1]->text();
    return int(mrCancel);
  });
  for (int32_t games : {5, 6}) {
    Players.Items(0)->Record.GamesPlayed = games;
    Players.Items(0)->Record.RowsCleared = games * 10;
    players.ShowModal();
    EXPECT_TRUE(shownAtOpen.contains(QStringLiteral("Games: %1").arg(games))) << shownAtOpen.toStdString();
    EXPECT_TRUE(shownAtOpen.contains(QStringLiteral("Rows: %1").arg(games * 10))) << shownAtOpen.toStdString();
  }
}

TEST_F(MorePageTest, ANewWindowSizeIsAnnouncedOnceForTheNextStartAndWarnsWhenTooLarge) {
  TGameApplication::SetErrorDisplay([](const std::string&) {});
  std::vector<QString> notices;
  TGameDialog::SetModalRunner([&](TGameDialog& dialog) {
    if (auto* box = dynamic_cast<TfrmMessageBox*>(&dialog)) notices.push_back(box->GetText());
    return mrOK;
  });
  {
    TfrmMain window;
    const QSize room = window.screen()->availableGeometry().size();
    const struct {
      int32_t scale;
      bool announced;
    } steps[] = {{100, false}, {150, true}, {150, false}, {100, true}};
    for (const auto& step : steps) {
      notices.clear();
      window.StageList()->More.WindowScale = step.scale;
      window.OptionsWindow()->OnMoreOptions();
      ASSERT_EQ(notices.size(), step.announced ? 1u : 0u) << step.scale;
      if (!step.announced) continue;
      EXPECT_TRUE(notices[0].contains(QStringLiteral("%1 %").arg(step.scale)));
      const bool tooLarge = !WindowScaleFits(step.scale, room);
      const QString fits = QStringLiteral("does not fit this screen: %1 %").arg(LargestScaleThatFits(step.scale, room));
      EXPECT_EQ(notices[0].contains(fits), tooLarge) << step.scale;
    }
  }
  Players.FreePlayers();
  TGameApplication::SetErrorDisplay(nullptr);
}

}  // namespace

namespace {

// The page names the size in use while the choice that did not fit the screen stands.
TEST(MorePageScaleNote, ASizeTooLargeForTheScreenIsNamedWithTheSizeInUse) {
  const struct {
    int32_t chosenAtStart, inUse, shown;
    const char* note;
  } cases[] = {
      {150, 100, 150, "Too large for this screen: 100 % used"},
      {200, 150, 200, "Too large for this screen: 150 % used"},
      {150, 100, 200, "Used from the next start"},
      {150, 150, 150, "Used from the next start"},
  };
  for (const auto& c : cases) {
    TfrmMoreOptions page(nullptr);
    page.SetScaleAtStart(c.chosenAtStart, c.inUse);
    TMoreOptions options;
    options.WindowScale = c.shown;
    page.Prepare(options);
    EXPECT_EQ(page.lScaleNote->text().toStdString(), c.note) << c.chosenAtStart << " " << c.inUse << " " << c.shown;
  }
}

}  // namespace
