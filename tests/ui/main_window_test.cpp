// The main window frame: its shape, the mouse routing over the board, the error display and
// the settings saved at close.

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <limits>
#include <tuple>
#include <vector>

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include "display/picture.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "players/players.h"
#include "audio/mci_player.h"
#include "ui/game_application.h"
#include "ui/help_page.h"
#include "ui/help_window.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/players_window.h"
#include "ui/mouse_routing.h"
#include "stages/running_stage.h"
#include "support/fake_time.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

using TMouseCall = std::tuple<uint8_t, int32_t, float, float>;

class TMouseStage : public TGmStage {
 public:
  explicit TMouseStage(TGmStageList* owner) : TGmStage(owner) {
    OnMouse = [this](uint8_t kind, int32_t button, float x, float y) {
      calls.emplace_back(kind, button, x, y);
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

TEST_F(MouseRoutingTest, NothingHappensWithoutACurrentStageOrHandlerButThePointerIsKept) {
  RouteMouseMove(list, 300, 300);
  RouteMouseDown(list, mbLeft, 300, 300);
  list.SetCurrentStage(stage);
  stage->OnMouse = nullptr;
  RouteMouseDown(list, mbLeft, 300, 300);
  EXPECT_TRUE(stage->calls.empty());
  RouteMouseMove(list, 700, 0);
  ASSERT_TRUE(list.Pointer);
  EXPECT_EQ(list.Pointer->X, 382.0f);
  EXPECT_EQ(list.Pointer->Y, -18.0f);
}

TEST_F(MouseRoutingTest, MovesAreClampedToTheBoardAndShiftedByHalfASprite) {
  list.SetCurrentStage(stage);
  RouteMouseMove(list, 300, 100);
  RouteMouseMove(list, 10, 900);
  RouteMouseMove(list, 700, 0);
  ASSERT_EQ(stage->calls.size(), 3u);
  EXPECT_EQ(stage->calls[0], TMouseCall(MouseMove, mbLeft, 62.0f, 64.0f));
  EXPECT_EQ(stage->calls[1], TMouseCall(MouseMove, mbLeft, -18.0f, 482.0f));
  EXPECT_EQ(stage->calls[2], TMouseCall(MouseMove, mbLeft, 382.0f, -18.0f));
}

TEST_F(MouseRoutingTest, ButtonDownsCountOnlyInsideTheBoardIncludingItsEdges) {
  list.SetCurrentStage(stage);
  RouteMouseDown(list, mbRight, 220, 18);
  RouteMouseDown(list, mbLeft, 620, 518);
  RouteMouseDown(list, mbLeft, 219, 100);
  RouteMouseDown(list, mbLeft, 300, 519);
  ASSERT_EQ(stage->calls.size(), 2u);
  EXPECT_EQ(stage->calls[0], TMouseCall(MouseDown, mbRight, -18.0f, -18.0f));
  EXPECT_EQ(stage->calls[1], TMouseCall(MouseDown, mbLeft, 382.0f, 482.0f));
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

// A main window whose dialogs are answered by a script instead of a player.
class MainWindowTest : public ::testing::Test {
 protected:
  using TStep = std::function<int(TGameDialog&)>;

  // The test folder holds no game files: the load errors are noted instead of shown in a box.
  MainWindowTest() {
    TGameApplication::SetErrorDisplay([this](const std::string& message) { errors.push_back(message); });
    TGameDialog::SetModalRunner([this](TGameDialog& dialog) { return Run(dialog); });
  }
  ~MainWindowTest() override {
    TGameApplication::SetErrorDisplay(nullptr);
    TGameDialog::SetModalRunner(nullptr);
    TfrmMain::SetUrlOpener(nullptr);
    SetHelpLanguage({});
    Players.FreePlayers();
  }

  int Run(TGameDialog& dialog) {
    shown.emplace_back(dialog.metaObject()->className());
    if (auto* box = dynamic_cast<TfrmMessageBox*>(&dialog)) messages.push_back(box->GetText());
    if (script.empty()) {
      ADD_FAILURE() << "a dialog nobody expected";
      return mrCancel;
    }
    TStep step = std::move(script.front());
    script.pop_front();
    dialog.setResult(mrNone);
    return step(dialog);
  }
  // Steps: what the player does in the next dialog shown.
  static TStep Answer(int result) {
    return [result](TGameDialog&) { return result; };
  }
  static TStep Choose(int row) {
    return [row](TGameDialog& dialog) {
      auto& players = dynamic_cast<TfrmPlayers&>(dialog);
      players.lbPlayers->setCurrentRow(row);
      players.SelectClick();
      return players.result() == mrOK ? mrOK : mrCancel;
    };
  }
  static TStep CreatePlayer(const QString& name) {
    return [name](TGameDialog& dialog) {
      auto& input = dynamic_cast<TfrmInput&>(dialog);
      input.eInput->setText(name);
      input.Accept();
      return input.result() == mrOK ? mrOK : mrCancel;
    };
  }
  void MakeRoster(const std::vector<std::string>& names, int32_t current) {
    for (const std::string& name : names) {
      auto player = std::make_unique<TPlayer>();
      player->SetName(name);
      Players.Add(std::move(player));
    }
    Players.SetCurrentIndex(current);
    Players.SaveToFile(GamePath(RosterFileName));
    Players.FreePlayers();
  }
  // Shows the window; its first activation has run when this returns.
  static void Activate(TfrmMain& window) {
    window.show();
    QCoreApplication::processEvents();
  }

  TTempProgramDir dir;
  std::vector<std::string> errors;
  std::deque<TStep> script;
  std::vector<QString> messages;
  // The class of every dialog shown, in turn.
  std::vector<std::string> shown;
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
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  auto* stage = new TMouseStage(window.StageList());
  window.show();
  QCoreApplication::processEvents();
  window.StageList()->SetCurrentStage(stage);
  // Over the play field, which lets the mouse through to the window.
  QTest::mouseMove(&window, QPoint(400, 300));
  QTest::mousePress(&window, Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
  QTest::mouseRelease(&window, Qt::RightButton, Qt::NoModifier, QPoint(400, 300));
  QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
  std::vector<TMouseCall> downs;
  for (const auto& call : stage->calls)
    if (std::get<0>(call) == MouseDown) downs.push_back(call);
  ASSERT_EQ(downs.size(), 1u) << "one press inside the board; the release and the outside press are not passed on";
  EXPECT_EQ(std::get<1>(downs[0]), mbRight);
  EXPECT_EQ(std::get<2>(downs[0]), 162.0f);
  EXPECT_EQ(std::get<3>(downs[0]), 264.0f);
}

TEST_F(MainWindowTest, TheRosterIsLoadedAtStartAndSavedWithTheSettingsAtClose) {
  MakeRoster({"Ann"}, 0);
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

TEST_F(MainWindowTest, AnUnreadableRosterIsReportedMovedAsideAndNeverOverwritten) {
  std::filesystem::create_directories(dir.File("dat/b01/inside"));  // a folder where the file should be
  std::vector<std::string> shown;
  TGameApplication::SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
  {
    TfrmMain window;
    QCoreApplication::processEvents();  // the start-up message
    window.close();
  }
  TGameApplication::SetErrorDisplay(nullptr);
  const auto aboutRoster = std::find_if(shown.begin(), shown.end(), [](const std::string& message) {
    return message.find("dat/b01") != std::string::npos;
  });
  ASSERT_NE(aboutRoster, shown.end());
  EXPECT_EQ(std::count_if(shown.begin(), shown.end(),
                          [](const std::string& message) { return message.find("dat/b01") != std::string::npos; }),
            1) << "the failed load is reported once and the save at exit works";
  EXPECT_NE(aboutRoster->find("b01.damaged"), std::string::npos) << *aboutRoster;
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("dat/b01.damaged/inside")));
  EXPECT_TRUE(std::filesystem::is_regular_file(dir.File("dat/b01")));
}

TEST_F(MainWindowTest, AFolderThatCannotBeWrittenIsToldOnceTheRosterFirst) {
  MakeRoster({"Ann"}, 0);
  std::vector<std::string> shown;
  TGameApplication::SetErrorDisplay([&](const std::string& message) { shown.push_back(message); });
  testing::internal::CaptureStderr();
  {
    TfrmMain window;
    Players.Items(0)->SetLevel(3);
    // Folders in the way of every temporary file stand for a disk that fails during play.
    for (const char* file : {"dat/b00.tmp", "dat/b01.tmp", "dat/records.txt.tmp", "dat/options.txt.tmp"})
      std::filesystem::create_directories(dir.File(file) + "/blocker");
    window.close();
  }
  const std::string logged = testing::internal::GetCapturedStderr();
  TGameApplication::SetErrorDisplay(nullptr);
  EXPECT_EQ(shown, std::vector<std::string>{"Cannot create file \"" + dir.File("dat/b01") + "\": Is a directory"});
  for (const char* file : {"dat/records.txt", "dat/b00", "dat/options.txt"})
    EXPECT_NE(logged.find("Cannot create file \"" + dir.File(file) + "\": Is a directory"), std::string::npos)
        << file << " in " << logged;
}

TEST_F(MainWindowTest, PlayIsSavedWhenAMessageOpensAndEveryThirtySecondsWithoutClosing) {
  TScopedFakeTime time;
  time.Install();
  TGameApplication::SetErrorDisplay([](const std::string&) {});
  TPlayers found;
  MakeRoster({"Ann"}, 0);
  {
    TfrmMain window;
    Activate(window);
    window.StageList()->SwitchToStage("TGmStage_Running");  // no level files here: a message about them opens
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(found.LoadFromFile(GamePath(RosterFileName)));
    EXPECT_EQ(found.Count(), 1) << "the player was saved when the message opened";
    // The held set over the middle of the board, where the countdown drops it.
    RouteMouseMove(*window.StageList(), 420, 270);
    for (int frame = 0; frame < 45 * 20; ++frame) {
      time.AdvanceSeconds(0.05);
      window.StageList()->IdleLoop().RunFrame();
    }
    // Read while the game still runs, as after a kill.
    ASSERT_TRUE(found.LoadFromFile(GamePath(RosterFileName)));
    ASSERT_EQ(found.Count(), 1);
    EXPECT_GE(found.Items(0)->PlaySeconds(), 30);
    EXPECT_TRUE(std::filesystem::exists(dir.File("dat/b01.bak"))) << "each save keeps the one before";
    window.close();
  }
  TGameApplication::SetErrorDisplay(nullptr);
  found.FreePlayers();
  Players.FreePlayers();
}

TEST_F(MainWindowTest, MissingSoundsAndLevelFilesAreReportedAndPlayStartsAnyway) {
  MakeRoster({"Ann"}, 0);
  {
    TfrmMain window;  // the test folder holds no sounds and no level files
    Activate(window);
    EXPECT_EQ(window.StageList()->CurrentStage->ClassName(), "TGmStage_Start");
    window.StageList()->SwitchToStage("TGmStage_Running");
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    window.close();
  }
  auto mentioned = [&](const char* file) {
    return std::any_of(errors.begin(), errors.end(),
                       [&](const std::string& message) { return message.find(file) != std::string::npos; });
  };
  EXPECT_TRUE(mentioned("wav/rotate.wav") && mentioned("mp3/start.mp3") && mentioned("dat/a00"));
  EXPECT_TRUE(mentioned("bmp/ibt01.bmp") && mentioned("bmp/ibt00.bmp"));
}

TEST_F(MainWindowTest, EveryPictureThatFailsIsNamedOnceFirstInTheStartUpMessage) {
  MakeRoster({"Ann"}, 0);
  // A gem picture whose header claims 60000 x 60000 pixels; the folder holds no other picture.
  auto le32 = [](uint32_t value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
  };
  const std::string header = "BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(60000) + le32(60000) +
                             std::string("\x01\x00\x18\x00", 4) + std::string(24, '\0');
  dir.WriteBytes("bmp/hexagon01.bmp", header + std::string(40, '\0'));
  auto times = [&](const std::string& text) {
    size_t count = 0;
    for (const std::string& message : errors)
      for (size_t at = message.find(text); at != std::string::npos; at = message.find(text, at + 1)) ++count;
    return count;
  };
  TfrmMain window;
  QCoreApplication::processEvents();
  ASSERT_EQ(errors.size(), 1u) << "one message at start";
  EXPECT_EQ(times("[" + GamePath("bmp/hexagon01.bmp") + "]: the picture is too large (60000 x 60000)."), 1u) << errors[0];
  EXPECT_EQ(times("[" + GamePath("bmp/ibt01.bmp") + "]"), 1u) << "two buttons share the picture";
  EXPECT_EQ(times("[" + GamePath("dat/c00") + "]"), 1u) << "the high-score background";
  EXPECT_EQ(times("wav/rotate.wav"), 1u);
  // A picture failing later is named in a message of its own, once however often it is loaded.
  dir.WriteBytes("bmp/later.bmp", "not a picture");
  for (int i = 0; i < 2; ++i) LoadPicture("bmp/later.bmp");
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[1], "Cannot load picture [" + GamePath("bmp/later.bmp") + "]: the file is not a picture.");
}

TEST_F(MainWindowTest, AFirstStartWithoutPlayersInsistsOnOneThenShowsTheTitle) {
  TfrmMain window;
  // Nothing is shown for a player nobody has chosen yet: no name, no figures, no medal, no rank.
  for (const QLabel* label : {window.lPlayerName, window.lLevel, window.lMoney, window.lUnitPrice, window.lEff,
                              window.lTitle})
    EXPECT_EQ(label->text(), QString()) << label->geometry().y();
  for (const QLabel* medal : window.Medals) EXPECT_TRUE(medal->isHidden());
  for (int32_t category = 0; category < 4; ++category) window.UpdateMedal(category);
  EXPECT_EQ(window.lTitle->text(), QString()) << "no rank without a player";
  SaveShot(window.grab().toImage(), "first_start_panel");
  script = {Answer(mrCancel), Answer(mrOK),
            [&window](TGameDialog&) {
              window.PlayersWindow()->NewClick();
              window.PlayersWindow()->SelectClick();
              return window.PlayersWindow()->result() == mrOK ? mrOK : mrCancel;
            },
            CreatePlayer(QStringLiteral("Zo\u00eb"))};
  Activate(window);
  EXPECT_TRUE(script.empty());
  EXPECT_EQ(messages, std::vector<QString>{QString::fromLatin1(TfrmMain::ChoosePlayerNotice)});
  ASSERT_NE(Players.Current(), nullptr);
  EXPECT_EQ(window.lPlayerName->text(), QStringLiteral("Zo\u00eb"));
  EXPECT_EQ(window.StageList()->CurrentStage->ClassName(), "TGmStage_Start");
  window.close();
  Players.LoadFromFile(GamePath(RosterFileName));
  ASSERT_NE(Players.Current(), nullptr);
  EXPECT_EQ(Players.Current()->Name(), QStringLiteral("Zo\u00eb").toStdString()) << "saved as current, read back as typed";
}

TEST_F(MainWindowTest, ThePlayerButtonResumesAsksBeforeChangingAndInsistsAfterADelete) {
  MakeRoster({"Ann", "Bob", "Cid"}, 0);
  TfrmMain window;
  Activate(window);
  TGmStageList& stages = *window.StageList();
  stages.SwitchToStage("TGmStage_Clearup");
  window.PauseClick();
  ASSERT_TRUE(stages.IsPaused());
  // The current player again: nothing asked, nothing restarted, and the game runs again.
  script = {Choose(0)};
  window.PlayerClick();
  EXPECT_FALSE(stages.IsPaused());
  EXPECT_EQ(stages.CurrentStage->ClassName(), "TGmStage_Clearup");
  EXPECT_TRUE(messages.empty());
  // Another player: asked, and Cancel keeps everything.
  script = {Choose(1), Answer(mrCancel)};
  window.PlayerClick();
  EXPECT_EQ(messages.back(), QStringLiteral("Are you sure to quit current game and change to \"Bob\"?"));
  EXPECT_EQ(Players.CurrentIndex(), 0);
  EXPECT_EQ(stages.CurrentStage->ClassName(), "TGmStage_Clearup");
  script = {Choose(1), Answer(mrOK)};
  window.PlayerClick();
  EXPECT_EQ(Players.Current()->Name(), "Bob");
  EXPECT_EQ(window.lPlayerName->text(), QStringLiteral("Bob"));
  EXPECT_EQ(stages.CurrentStage->ClassName(), "TGmStage_Start");
  // Deleting the current player: the window then insists on a new choice.
  stages.SwitchToStage("TGmStage_Clearup");
  script = {[](TGameDialog& dialog) {
              auto& players = dynamic_cast<TfrmPlayers&>(dialog);
              players.lbPlayers->setCurrentRow(1);
              players.DeleteClick();
              return mrCancel;
            },
            Answer(mrOK), Answer(mrCancel), Answer(mrOK), Choose(1)};
  window.PlayerClick();
  EXPECT_TRUE(script.empty());
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[2], QStringLiteral("Are you sure to delete player \"Bob\"?\nYour selected player \"Bob\" is "
                                        "running now, you must select another player after deleted."));
  EXPECT_EQ(messages[3], QString::fromLatin1(TfrmMain::ChoosePlayerNotice));
  EXPECT_EQ(Players.Current()->Name(), "Cid");
  EXPECT_EQ(stages.CurrentStage->ClassName(), "TGmStage_Start");
  EXPECT_FALSE(stages.IsPaused());
}

TEST_F(MainWindowTest, MedalsFollowTheHighScoresAndCountIntoTheRankTitle) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  TPlayer rival;
  TPlayers table;
  table.Add(Players.Current());
  table.Add(&rival);
  window.HighScores = &table;
  const std::pair<std::array<int32_t, 4>, const char*> cases[] = {
      // The rival's level, money, clear count and seconds against Ann's 10, 1000, 10, 10.
      {{11, 2000, 10, 1}, "Beginner"},        // rival best everywhere
      {{11, 0, 0, 100}, "Expert"},            // Ann best in all but the level
      {{0, 0, 0, 100}, "King Of Brillor"},    // Ann best in all four
      {{11, 2000, 0, 100}, "Excellent Brillor"}, {{11, 2000, 10, 100}, "Practician"},
  };
  TPlayer& ann = *Players.Current();
  ann.SetClearCount(10);
  ann.SetPlaySeconds(10);
  ann.SetMoney(1000);
  for (const auto& [values, title] : cases) {
    rival.SetLevel(values[0]);
    rival.SetMoney(values[1]);
    rival.SetClearCount(values[2]);
    rival.SetPlaySeconds(values[3]);
    ann.SetLevel(9);
    ann.SetLevel(10);  // any change re-ranks its category
    for (int32_t category = 1; category < 4; ++category) window.UpdateMedal(category);
    EXPECT_EQ(window.lTitle->text(), QString::fromLatin1(title)) << title;
  }
  window.HighScores = nullptr;
  window.UpdateMedal(0);
}

TEST_F(MainWindowTest, TheMoneyMedalFollowsTheHighScoresAsThePlayerEarns) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  Activate(window);
  EXPECT_EQ(window.lTitle->text(), QStringLiteral("Beginner")) << "the built-in entries outrank a new player";
  for (const QLabel* medal : window.Medals) EXPECT_TRUE(medal->isHidden());
  Players.Current()->SetMoney(250000);
  EXPECT_FALSE(window.Medals[1]->isHidden());
  EXPECT_EQ(window.lMoney->text(), QStringLiteral("$250000"));
  EXPECT_EQ(window.lTitle->text(), QStringLiteral("Practician"));
  Players.Current()->SetLevel(99);
  EXPECT_EQ(window.lTitle->text(), QStringLiteral("Excellent Brillor"));
  script = {Answer(mrOK), Answer(mrOK)};
  window.HighScoresClick();
  window.SettingClick();
  EXPECT_TRUE(script.empty()) << "both windows open, with or without their tune";
  EXPECT_FALSE(window.StageList()->IsPaused());
}

TEST_F(MainWindowTest, AThumbnailOutsideTheTenShowsTheEmptyOne) {
  TfrmMain window;
  auto shown = [&] { return window.imgNextHexSet->pixmap().toImage().convertToFormat(QImage::Format_ARGB32); };
  const QImage emptyOne = QImage(QStringLiteral(":/pictures/thumb9.png")).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(emptyOne.isNull());
  window.ShowNextHexSet(3);
  EXPECT_NE(shown(), emptyOne);
  for (int32_t index : {-1, 10, 9}) {
    window.ShowNextHexSet(index);
    EXPECT_EQ(shown(), emptyOne) << index;
  }
}

TEST_F(MainWindowTest, TheProgressBarSplitsAtTheRoundedShareAndStaysInItsBox) {
  const std::pair<float, int> cases[] = {{0.f, 0}, {0.5f, 96}, {95.f / 193 + 0.5f / 193, 96}, {1.f, 193}, {1.7f, 193},
                                         {-1.f, 0}, {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const auto& [fraction, split] : cases) EXPECT_EQ(TLevelProgressBox::SplitAt(193, fraction), split) << fraction;
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  Activate(window);
  EXPECT_EQ(window.ProgressBox()->Fraction(), 0.f) << "no level is played at the title";
  EXPECT_EQ(window.ProgressBox()->geometry(), QRect(344, 534, 193, 6));
}

// Counts the paintings a widget receives.
class TPaintCounter : public QObject {
 public:
  explicit TPaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

TEST_F(MainWindowTest, TheProgressBarIsPaintedEmptyOnceTheLevelIsLeft) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  Activate(window);
  auto* running = dynamic_cast<TGmStage_Running*>(window.StageList()->FindStage("TGmStage_Running"));
  ASSERT_NE(running, nullptr);
  for (const char* leftFor : {"TGmStage_Start", "TGmStage_Clearup"}) {
    window.StageList()->SetCurrentStage(running);
    running->Round->Param.PassRows = 10;
    running->Round->RowsCleared = 6;
    running->OnRowsCleared(6);
    QCoreApplication::processEvents();
    ASSERT_EQ(window.ProgressBox()->Fraction(), 0.6f);
    TPaintCounter counter(window.ProgressBox());
    window.StageList()->SwitchToStage(leftFor);
    QCoreApplication::processEvents();
    EXPECT_GE(counter.paints, 1) << "painted again after leaving for " << leftFor;
    EXPECT_EQ(window.ProgressBox()->Fraction(), 0.f);
  }
}

// The Pause button's pause is shown: the field dimmed under "Paused", painted once and left
// alone (no frames) until the button is pressed again.
TEST_F(MainWindowTest, ThePauseButtonsPauseIsShownOverTheFieldUntilPlayGoesOn) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  Activate(window);
  QImage frame(400, 500, QImage::Format_ARGB32_Premultiplied);
  frame.fill(QColor(200, 200, 200));
  window.PlayField()->PresentFrame(frame, 221, 20, QRegion(frame.rect()));
  EXPECT_TRUE(window.PauseCover()->isHidden());
  TPaintCounter counter(window.PauseCover());
  window.PauseClick();
  ASSERT_TRUE(window.StageList()->IsPaused());
  EXPECT_TRUE(window.PauseCover()->isVisible());
  EXPECT_EQ(window.PauseCover()->geometry(), window.PlayField()->geometry());
  const int frames = window.StageList()->FrameCount;
  QTest::qWait(300);
  EXPECT_EQ(counter.paints, 1) << "drawn once";
  EXPECT_EQ(window.StageList()->FrameCount, frames) << "no frames while paused";
  const QImage shown = window.grab().toImage();
  SaveShot(shown, "paused");
  const QColor corner = shown.pixelColor(221 + 5, 20 + 5);
  EXPECT_LT(corner.lightness(), 120) << "the field is dimmed";
  int white = 0;
  for (int y = 250; y < 290; ++y)
    for (int x = 321; x < 521; ++x) white += shown.pixelColor(x, y).lightness() > 240;
  EXPECT_GT(white, 100) << "\"Paused\" is written over the middle of the field";
  window.PauseClick();
  EXPECT_FALSE(window.StageList()->IsPaused());
  EXPECT_TRUE(window.PauseCover()->isHidden());
  window.PauseClick();
  script = {Answer(mrCancel)};
  window.PlayerClick();  // the player list resumes play and takes the sign away
  EXPECT_TRUE(window.PauseCover()->isHidden());
}

TEST_F(MainWindowTest, ButtonsSitInTheirPlacesAndHelpThatCannotOpenIsReported) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  const std::vector<std::pair<QString, QPoint>> places{
      {"Player", {35, 389}}, {"High Scores", {109, 389}}, {"Setting", {35, 425}}, {"Help", {35, 461}},
      {"Pause", {109, 425}}, {"Quit", {109, 461}},        {"About Brillor I", {35, 497}}};
  ASSERT_EQ(window.Buttons().size(), places.size());
  for (size_t i = 0; i < places.size(); ++i) {
    EXPECT_EQ(window.Buttons()[i]->Caption, places[i].first);
    EXPECT_EQ(window.Buttons()[i]->pos(), places[i].second);
  }
  std::vector<QUrl> opened;
  TfrmMain::SetUrlOpener([&](const QUrl& url) {
    opened.push_back(url);
    return false;
  });
  script = {Answer(mrOK), Answer(mrOK)};
  window.HelpClick();
  window.AboutClick();
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_TRUE(opened[0].toLocalFile().endsWith(QStringLiteral("/Brillor_v1.0.html")));
  EXPECT_EQ(opened[1].fragment(), QStringLiteral("about"));
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_TRUE(messages[0].contains(opened[0].toString()));
  EXPECT_TRUE(messages[1].startsWith(QStringLiteral("Launch your default web browser failed.\nPlease enter the URL \"")));
  EXPECT_TRUE(messages[1].endsWith(QStringLiteral("\" into your web browser manually.")));
  EXPECT_FALSE(window.StageList()->IsPaused()) << "the pause for the message is undone";
}

// A desktop that shows no web page: Help and About show the page in the game's own window, in
// the player's language, at the section asked for.
TEST_F(MainWindowTest, WithoutABrowserHelpShowsThePageInTheGamesOwnWindowAtTheSectionAsked) {
  // Long enough to scroll, its About section in the middle.
  const auto page = [](const std::string& title, const std::string& first, const std::string& about) {
    std::string more;
    for (int i = 0; i < 60; ++i) more += "<p>More to read.</p>";
    return "<title>" + title + "</title><h1>" + first + "</h1>" + more + "<h2 id=\"about\">" + about + "</h2>" + more;
  };
  dir.WriteBytes("Brillor_v1.0.html", page("Brillor I - Help", "How to play", "About Brillor I"));
  dir.WriteBytes("Brillor_v1.0.de.html", page("Brillor I - Hilfe", "So wird gespielt", "Über Brillor I"));
  TfrmMain::SetUrlOpener([](const QUrl&) { return false; });
  TfrmMain window;
  const struct {
    const char* language;
    void (TfrmMain::*click)();
    std::string title, topLine;
  } cases[] = {
      {"", &TfrmMain::HelpClick, "Brillor I - Help", "How to play"},
      {"", &TfrmMain::AboutClick, "Brillor I - Help", "About Brillor I"},
      {"", &TfrmMain::HelpClick, "Brillor I - Help", "How to play"},
      {"de", &TfrmMain::AboutClick, "Brillor I - Hilfe", "Über Brillor I"},
  };
  const TfrmHelp* first = nullptr;
  for (const auto& c : cases) {
    SetHelpLanguage(c.language);
    (window.*c.click)();
    TfrmHelp* help = window.HelpWindow();
    ASSERT_TRUE(help);
    if (!first) first = help;
    EXPECT_EQ(help, first) << "asked again, the same window comes forward";
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle().toStdString(), c.title);
    EXPECT_EQ(help->Browser()->cursorForPosition(QPoint(40, 8)).block().text().toStdString(), c.topLine) << c.language;
  }
  EXPECT_TRUE(messages.empty()) << "the notice is only for a missing page";
}

// Reading the help there holds the game, as reading it in a browser does, until the game's
// window is active again.
TEST_F(MainWindowTest, TheGameHoldsWhileItsHelpWindowIsReadUntilItsWindowIsActiveAgain) {
  MakeRoster({"Ann"}, 0);
  dir.WriteBytes("Brillor_v1.0.html", "<title>Help</title><p>How to play</p>");
  TfrmMain::SetUrlOpener([](const QUrl&) { return false; });
  TfrmMain window;
  Activate(window);
  window.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_FALSE(window.StageList()->IsPaused());
  window.HelpClick();
  QCoreApplication::processEvents();
  EXPECT_TRUE(window.StageList()->IsPaused());
  window.activateWindow();
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.StageList()->IsPaused());
}

TEST_F(MainWindowTest, PlayFieldShowsThePresentedFrame) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  QImage frame(400, 500, QImage::Format_ARGB32_Premultiplied);
  frame.fill(QColor(10, 200, 30));
  window.show();
  window.PlayField()->PresentFrame(frame, 221, 20, QRegion(frame.rect()));
  const QImage shown = window.PlayField()->grab().toImage();
  EXPECT_EQ(shown.pixelColor(200, 250), QColor(10, 200, 30));
}

}  // namespace

namespace {

// Space holds the game at once, whether or not the window system minimises the window (here it
// does not); a click on the window still shown brings play back, and only then does the board
// take clicks again.
TEST_F(MainWindowTest, SpaceHoldsTheGameByItselfAndAClickOnTheWindowStillShownResumes) {
  MakeRoster({"Ann"}, 0);
  TfrmMain window;
  Activate(window);
  window.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_TRUE(window.isActiveWindow());
  ASSERT_FALSE(window.StageList()->IsPaused());
  QTest::keyClick(&window, Qt::Key_Space);
  EXPECT_TRUE(window.StageList()->IsPaused()) << "paused by Space itself";
  QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
  EXPECT_FALSE(window.StageList()->IsPaused()) << "one click undoes the pause";
}

// Every key of the window, sent through the window system's window as a desktop sends it, does
// what its button does, whether dialogs are windows of their own or drawn inside the game's
// window (where the hidden name input once took every key: Return showed "Not a valid
// value."). Tab goes round the buttons as they are read, then to the field, whose keys are the
// game's; Return presses the button with the keys, Esc gives the keys back to the field.
TEST_F(MainWindowTest, EveryKeyActsInBothWindowModesAndTabGoesRoundTheButtons) {
  for (const bool inside : {false, true}) {
    SCOPED_TRACE(inside ? "dialogs drawn inside" : "dialogs as windows");
    TGameDialog::SetDrawnInside(inside);
    MakeRoster({"Ann"}, 0);
    TfrmMain window;
    std::vector<QUrl> opened;
    TfrmMain::SetUrlOpener([&](const QUrl& url) {
      opened.push_back(url);
      return true;
    });
    Activate(window);
    window.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.isActiveWindow());
    shown.clear();
    const auto shownLast = [&](const char* name) { return !shown.empty() && shown.back() == name; };
    const auto stageIs = [&](const char* name) {
      return window.StageList()->CurrentStage == window.StageList()->FindStage(name);
    };
    const auto focusIs = [&](const QWidget* control) { return QApplication::focusWidget() == control; };
    const std::vector<TImgBtn*>& buttons = window.Buttons();
    const struct {
      QKeyCombination Key;
      std::function<bool()> Done;
    } presses[] = {
        {Qt::Key_Return, [&] { return stageIs("TGmStage_Clearup"); }},
        {Qt::Key_P, [&] { return window.PauseCover()->isVisible(); }},
        {Qt::Key_Pause, [&] { return window.PauseCover()->isHidden(); }},
        {Qt::Key_Space, [&] { return window.StageList()->IsPaused(); }},
        {Qt::Key_Space, [&] { return !window.StageList()->IsPaused(); }},
        {Qt::Key_F2, [&] { return shownLast("TfrmPlayers"); }},
        {Qt::Key_F3, [&] { return shownLast("TfrmTop10"); }},
        {Qt::Key_F4, [&] { return shownLast("TfrmOptions"); }},
        {Qt::Key_F1, [&] { return opened.size() == 1 && opened.back().fragment().isEmpty(); }},
        {Qt::ShiftModifier | Qt::Key_F1, [&] { return opened.size() == 2 && opened.back().fragment() == "about"; }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[0]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[1]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[2]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[4]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[3]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[5]); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[6]); }},
        {Qt::Key_Tab, [&] { return focusIs(window.PlayField()); }},
        {Qt::ShiftModifier | Qt::Key_Backtab, [&] { return focusIs(buttons[6]); }},
        {Qt::Key_Escape, [&] { return focusIs(window.PlayField()); }},
        {Qt::Key_Tab, [&] { return focusIs(buttons[0]); }},
        {Qt::Key_Return, [&] { return shown.size() == 4 && shownLast("TfrmPlayers") && focusIs(buttons[0]); }},
        {Qt::ControlModifier | Qt::Key_Q, [&] { return !window.isVisible(); }},
    };
    script = {Answer(mrCancel), Answer(mrOK), Answer(mrOK), Answer(mrCancel)};
    // A hidden dialog given the keys, as the name input gives them to its edit as it is made.
    window.Input()->eInput->setFocus();
    for (size_t i = 0; i < std::size(presses); ++i) {
      QTest::keyClick(window.windowHandle(), presses[i].Key.key(), presses[i].Key.keyboardModifiers());
      EXPECT_TRUE(presses[i].Done()) << "press " << i << ", " << QKeySequence(presses[i].Key).toString().toStdString();
    }
    EXPECT_TRUE(script.empty());
    EXPECT_EQ(shown.size(), 4u) << "no dialog but the buttons' own";
  }
  TGameDialog::SetDrawnInside(std::nullopt);
}

}  // namespace
