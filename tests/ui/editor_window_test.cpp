// The level editor's tool window in the game's main window: where its controls sit, the keys
// that reach it, and what its buttons do with the fields and files; drawn inside the game's
// window where the window system places windows itself.

#include "ui/editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>

#include "frame/paths.h"
#include "players/players.h"
#include "stages/editor_stage.h"
#include "stages/running_stage.h"
#include "support/temp_dir.h"
#include "ui/game_application.h"
#include "ui/game_dialog.h"
#include "ui/main_window.h"

namespace {

class EditorWindowTest : public ::testing::Test {
 protected:
  EditorWindowTest() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    TGameDialog::SetModalRunner([](TGameDialog&) { return mrOK; });
    window = std::make_unique<TfrmMain>();
    Players.SetCurrentIndex(Players.Add(std::make_unique<TPlayer>()));
    editor = window->EditorWindow();
    editor->SetNoticeDisplay([this](const QString& text) { notices.push_back(text.toStdString()); });
    editor->SetFileChooser([this](QFileDialog& dialog) {
      dialogs.push_back(&dialog);
      if (choices.empty()) return QString();
      const QString choice = QString::fromStdString(choices.front());
      choices.pop_front();
      return choice;
    });
    stage = editor->Stage();
  }
  ~EditorWindowTest() override {
    window.reset();
    TGameApplication::SetErrorDisplay(nullptr);
    TGameDialog::SetModalRunner(nullptr);
    Players.FreePlayers();
  }

  // "Open" with a file name chosen in the dialog.
  void Open(const std::string& relative) {
    choices.push_back(dir.File(relative));
    editor->Button1Click();
  }
  void SetFields(const TParamTexts& texts) {
    for (int i = 0; i < 6; ++i) editor->Edits[i]->setText(QString::fromStdString(texts[i]));
  }
  bool Key(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    return editor->MainWindowKey(event);
  }

  TTempProgramDir dir;
  std::unique_ptr<TfrmMain> window;
  TfrmEditor* editor = nullptr;
  TGmStage_Editor* stage = nullptr;
  std::vector<std::string> notices;
  std::deque<std::string> choices;
  std::vector<QFileDialog*> dialogs;
};

TEST_F(EditorWindowTest, TheToolWindowIsMadeHiddenWithTheEditorAsTheFourthStage) {
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("frmEditor"));
  EXPECT_TRUE(editor->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(editor->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_EQ(editor->font().family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(editor->font().pixelSize(), 11);
  ASSERT_EQ(window->StageList()->Count(), 4);
  EXPECT_EQ(window->StageList()->Stage(3), stage);
  EXPECT_EQ(stage->Params->PassRows, TStageParam().PassRows) << "made ready with the others";
}

TEST_F(EditorWindowTest, FileDialogsAreMadeWhenFirstUsedAndThenKept) {
  // A file dialog reads its folder as it is made: none may slow the game's start.
  EXPECT_TRUE(window->findChildren<QFileDialog*>().isEmpty());
  for (int round = 0; round < 2; ++round) {
    Open("dat/a01");
    editor->Button11Click();  // the layout's "Save", cancelled
    editor->LoadClick();      // cancelled
  }
  ASSERT_EQ(dialogs.size(), 6u);
  EXPECT_EQ(window->findChildren<QFileDialog*>().size(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(dialogs[i], dialogs[i + 3]) << "dialog " << i << " made again";
  EXPECT_EQ(dialogs[0], window->sd);
  EXPECT_EQ(dialogs[1], editor->sd);
  EXPECT_EQ(dialogs[2], editor->odLayout);
}

TEST_F(EditorWindowTest, TheControlsSitInTheirPlacesAndTheExtraButtonsOverlapNone) {
  const struct {
    QWidget* control;
    QRect place;
    const char* caption;
  } controls[] = {
      {editor->Button1, {6, 16, 33, 25}, "Open"},       {editor->Button2, {6, 48, 33, 25}, "Clear"},
      {editor->Button3, {6, 80, 33, 25}, "Save"},       {editor->Edits[0], {48, 24, 113, 21}, ""},
      {editor->Edits[5], {48, 240, 113, 21}, ""},       {editor->ColourButtons[0], {8, 296, 33, 25}, "white"},
      {editor->ColourButtons[4], {8, 328, 33, 25}, "Red"}, {editor->Button10, {48, 328, 33, 25}, "Chip"},
      {editor->Button12, {88, 328, 33, 25}, "None"},    {editor->Button11, {128, 328, 33, 25}, "Save"},
      {editor->eLevel, {8, 392, 73, 21}, "1"},          {editor->Button4, {88, 390, 75, 25}, "SetLevel"},
      {editor->Bevel1, {8, 280, 153, 9}, nullptr},
  };
  for (const auto& c : controls) {
    EXPECT_EQ(c.control->geometry(), c.place) << c.caption;
    if (auto* button = qobject_cast<QPushButton*>(c.control)) {
      EXPECT_EQ(button->text(), QString(c.caption));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(c.control)) {
      EXPECT_EQ(edit->text(), QString(c.caption));
    }
    for (QPushButton* extra : {editor->btnCheck, editor->btnPlay, editor->btnLoad})
      EXPECT_FALSE(extra->geometry().intersects(c.place)) << extra->text().toStdString() << " over " << c.caption;
  }
  EXPECT_EQ(editor->EditLabels[4]->text(), QStringLiteral("BreakgroundPower"));
  for (QWidget* extra : {editor->btnCheck, editor->btnPlay, editor->btnLoad})
    EXPECT_TRUE(editor->rect().contains(extra->geometry())) << extra->geometry().bottom();
}

TEST_F(EditorWindowTest, CtrlEShowsTheWindowAndTheMainWindowPassesItsKeysOn) {
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_TRUE(editor->isVisible());
  Open("dat/a01");
  QTest::mouseClick(editor->ColourButtons[3], Qt::LeftButton);
  EXPECT_EQ(stage->BrushCode(), Blue);
  const int32_t row = 3, col = 4;
  stage->MoveMatrix().SetSourceCount(row, col, 2);
  stage->SelRow = row;
  stage->SelCol = col;
  QTest::keyClick(window.get(), Qt::Key_C, Qt::NoModifier);
  EXPECT_EQ(stage->MoveMatrix().SourceCount(row, col), 0) << "the main window's key c";
}

TEST_F(EditorWindowTest, OnlyALowerCaseCWithoutModifiersClearsAndOnlyWhileEditing) {
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    bool editing, clears;
  } cases[] = {
      {Qt::Key_C, Qt::NoModifier, "c", true, true},       {Qt::Key_C, Qt::ShiftModifier, "C", true, false},
      {Qt::Key_C, Qt::ControlModifier, "\x03", true, false}, {Qt::Key_C, Qt::AltModifier, "c", true, false},
      {Qt::Key_C, Qt::NoModifier, "c", false, false},
  };
  for (const auto& c : cases) {
    if (c.editing)
      window->StageList()->SetCurrentStage(stage);
    else
      window->StageList()->SwitchToStage("TGmStage_Start");
    stage->MoveMatrix().SetSourceCount(2, 2, 1);
    stage->SelRow = stage->SelCol = 2;
    EXPECT_EQ(Key(c.key, c.modifiers, QString::fromLatin1(c.text)), c.clears) << c.text;
    EXPECT_EQ(stage->MoveMatrix().SourceCount(2, 2), c.clears ? 0 : 1) << c.text;
  }
}

TEST_F(EditorWindowTest, OpenUsesTheMainWindowsDialogAndShowsTheParametersEvenForANewFile) {
  stage->Params->LaserPower = 33;
  Open("dat/a70");
  ASSERT_EQ(dialogs.size(), 1u);
  EXPECT_EQ(dialogs[0], window->sd);
  EXPECT_EQ(window->StageList()->CurrentStage, stage);
  EXPECT_EQ(editor->Edits[3]->text(), QStringLiteral("33"));
  EXPECT_FALSE(std::filesystem::exists(dir.File("dat/a70")));
  window->StageList()->SwitchToStage("TGmStage_Start");
  editor->Button1Click();  // cancelled
  EXPECT_EQ(window->StageList()->CurrentStage, stage) << "cancelled or not, the editor is shown";
}

TEST_F(EditorWindowTest, SaveChecksAllSixFieldsFirstAndSaysWhichIsWrong) {
  Open("dat/a02");
  SetFields({"5", "12", "7", "3", "four", "1"});
  editor->Button3Click();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "BreakgroundPower must be a whole number, not \"four\". Nothing was saved.");
  EXPECT_EQ(stage->Params->PassRows, TStageParam().PassRows) << "no field stored";
  EXPECT_FALSE(std::filesystem::exists(dir.File("dat/a02")));
  SetFields({"5", "12", "7", "3", "4", "1"});
  editor->Button3Click();
  EXPECT_EQ(notices.back(), "Done.");
  EXPECT_EQ(std::filesystem::file_size(dir.File("dat/a02")), 864u + 52u);
  EXPECT_EQ(stage->Params->BreakgroundPower, 4);
}

TEST_F(EditorWindowTest, SaveBeforeAnyOpenSaysSo) {
  window->StageList()->SetCurrentStage(stage);
  SetFields({"5", "12", "7", "3", "4", "1"});
  editor->Button3Click();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("\"Open\""), std::string::npos) << notices[0];
}

TEST_F(EditorWindowTest, ButtonsButOpenDoNothingUnlessTheEditorIsCurrent) {
  window->StageList()->SwitchToStage("TGmStage_Start");
  SetFields({"5", "12", "7", "3", "4", "1"});
  editor->eLevel->setText(QStringLiteral("9"));
  for (QPushButton* button : {editor->ColourButtons[1], editor->Button3, editor->Button4, editor->btnCheck,
                              editor->btnPlay, editor->btnLoad, editor->Button11})
    button->click();
  EXPECT_EQ(stage->BrushCode(), CellEmpty);
  EXPECT_EQ(Players.Current()->Level(), 1);
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(dialogs.empty());
  EXPECT_EQ(window->StageList()->CurrentStage, window->StageList()->FindStage("TGmStage_Start"));
}

TEST_F(EditorWindowTest, SetLevelTakesAWholeNumberFromOneUp) {
  Open("dat/a00");
  const struct {
    const char* text;
    int32_t level;
    bool refused;
  } cases[] = {{"12", 12, false}, {"0", 12, true}, {"x", 12, true}, {" 3", 3, false}};
  for (const auto& c : cases) {
    notices.clear();
    editor->eLevel->setText(QString::fromLatin1(c.text));
    editor->Button4Click();
    EXPECT_EQ(Players.Current()->Level(), c.level) << c.text;
    EXPECT_EQ(notices.size(), c.refused ? 1u : 0u) << c.text;
  }
}

TEST_F(EditorWindowTest, PlayStartsATrialAndEscComesBack) {
  Open("dat/a05");
  SetFields({"3", "20", "10", "10", "10", "10"});
  editor->PlayClick();
  auto* running = dynamic_cast<TGmStage_Running*>(window->StageList()->CurrentStage);
  ASSERT_NE(running, nullptr);
  EXPECT_TRUE(running->InTrial());
  EXPECT_FALSE(Key(Qt::Key_C, Qt::NoModifier, "c"));
  EXPECT_TRUE(Key(Qt::Key_Escape, Qt::NoModifier, ""));
  EXPECT_EQ(window->StageList()->CurrentStage, stage);
  EXPECT_FALSE(Key(Qt::Key_Escape, Qt::NoModifier, "")) << "no trial to end";
}

TEST_F(EditorWindowTest, ClosingTheToolWindowWhileEditingGoesBackToTheTitle) {
  Open("dat/a07");
  editor->show();
  editor->close();
  EXPECT_EQ(window->StageList()->CurrentStage, window->StageList()->FindStage("TGmStage_Start"));
}

}  // namespace

namespace {

// Where the window system places windows itself, the tools are a panel inside the game's window.
class EditorPanelTest : public ::testing::Test {
 protected:
  EditorPanelTest() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    TGameDialog::SetModalRunner([](TGameDialog&) { return mrOK; });
    TGameDialog::SetDrawnInside(true);
    window = std::make_unique<TfrmMain>();
    Players.SetCurrentIndex(Players.Add(std::make_unique<TPlayer>()));
    editor = window->EditorWindow();
    window->show();
    window->setFocus();
    QCoreApplication::processEvents();
  }
  ~EditorPanelTest() override {
    window.reset();
    TGameDialog::SetDrawnInside(std::nullopt);
    TGameDialog::SetModalRunner(nullptr);
    TGameApplication::SetErrorDisplay(nullptr);
    Players.FreePlayers();
  }

  // Drags the panel by its strip from the point at to to, both in the game's window.
  void Drag(QPoint at, QPoint to) {
    const auto send = [this](QEvent::Type type, QPoint point, Qt::MouseButtons held) {
      const QPointF local = editor->mapFrom(window.get(), point);
      QMouseEvent event(type, local, editor->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(editor, &event);
    };
    send(QEvent::MouseButtonPress, at, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
  }

  TTempProgramDir dir;
  std::unique_ptr<TfrmMain> window;
  TfrmEditor* editor = nullptr;
};

TEST_F(EditorPanelTest, TheToolsAreAPanelThatKeepsItsKeysDragsWithinTheWindowAndClosesToTheTitle) {
  ASSERT_FALSE(editor->isWindow());
  EXPECT_FALSE(editor->isVisible()) << "hidden until asked for";
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  ASSERT_TRUE(editor->isVisible());
  EXPECT_TRUE(TGameDialog::OpenInside(window.get())) << "the board leaves the panel's pixels to Qt";
  EXPECT_TRUE(editor->isAncestorOf(window->childAt(QPoint(20, 40))) || window->childAt(QPoint(20, 40)) == editor)
      << "the panel is on top";
  ASSERT_NE(editor->btnClose, nullptr);
  for (QWidget* control : editor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control == editor->btnClose || !control->isVisibleTo(editor)) continue;
    EXPECT_GE(control->y(), editor->btnClose->geometry().bottom()) << "under the strip";
  }

  // A key the panel's controls leave does not reach the game (P would pause it).
  editor->Button2->setFocus();
  QTest::keyClick(editor->Button2, Qt::Key_P);
  EXPECT_FALSE(window->StageList()->IsPaused());

  // Dragged by the strip, never out of the window.
  Drag(QPoint(30, 8), QPoint(130, 58));
  EXPECT_EQ(editor->pos(), QPoint(100, 50));
  Drag(QPoint(130, 58), QPoint(5000, 5000));
  EXPECT_EQ(editor->geometry().bottomRight(), window->rect().bottomRight());
  Drag(QPoint(editor->x() + 60, editor->y() + 40), QPoint(0, 0));
  EXPECT_EQ(editor->pos(), QPoint(window->width() - editor->width(), window->height() - editor->height()))
      << "only the strip drags";

  window->StageList()->SetCurrentStage(editor->Stage());
  editor->btnClose->click();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_FALSE(TGameDialog::OpenInside(window.get()));
  EXPECT_EQ(window->StageList()->CurrentStage, window->StageList()->FindStage("TGmStage_Start"));
  EXPECT_EQ(QApplication::focusWidget(), window->PlayField()) << "the game has the keys";
}

TEST_F(EditorPanelTest, NoticesAndFileDialogsAreDrawnCentredInTheGamesWindowOverThePanel) {
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  const struct {
    const char* what;
    std::function<void()> click;
  } cases[] = {
      {"Open's file dialog", [this] { editor->Button1Click(); }},
      {"the level's notice", [this] { editor->Button4Click(); }},
      {"Load's file dialog", [this] { editor->LoadClick(); }},
  };
  editor->eLevel->setText(QStringLiteral("none"));
  for (const auto& c : cases) {
    QDialog* seen = nullptr;
    QTimer::singleShot(50, [&] {
      for (QDialog* open : window->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (open->isVisible()) seen = open;
      if (!seen) {
        // A window of its own: ended here, or the test would wait for ever.
        ADD_FAILURE() << c.what << " is not drawn inside the game's window";
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget())) other->reject();
        return;
      }
      EXPECT_EQ(seen->parentWidget(), window.get()) << c.what;
      const QPoint off = seen->geometry().center() - window->rect().center();
      EXPECT_LE(off.manhattanLength(), 2) << c.what;
      const QPoint overPanel = editor->geometry().center();
      if (seen->geometry().contains(overPanel)) {
        EXPECT_TRUE(seen->isAncestorOf(window->childAt(overPanel))) << c.what << " is over the panel";
      } else {
        EXPECT_FALSE(editor->isAncestorOf(window->childAt(overPanel))) << c.what << ": the panel is covered";
      }
      seen->reject();
    });
    c.click();
    EXPECT_NE(seen, nullptr) << c.what << " was not shown";
    EXPECT_TRUE(editor->isVisible()) << c.what;
  }
}

}  // namespace
