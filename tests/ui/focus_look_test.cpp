// The game's own focus look in its windows: the dotted mark round the control that has the keys,
// in a colour that reads on its ground, and none of Qt's own focus frames or highlights.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdlib>

#include "players/players.h"
#include "support/pictures.h"
#include "support/temp_dir.h"
#include "ui/editor_window.h"
#include "ui/game_application.h"
#include "ui/image_button.h"
#include "ui/input_window.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/options_window.h"
#include "ui/players_window.h"

namespace {

class FocusLookTest : public ::testing::Test {
 protected:
  FocusLookTest() {
    TGameApplication::SetErrorDisplay([](const std::string&) {});
    TGameDialog::SetModalRunner([](TGameDialog&) { return mrOK; });
    // A dark tile, as the game's: light text and gold marks on it.
    SavePicture(SolidPicture(72, 24, 0xFF806040), dir.File("bmp/ibt00.bmp"));
    SavePicture(SolidPicture(50, 30, 0xFF302010), dir.File("dat/c09"));
    // The main window reads the roster as it is made: the players come after it.
    main = std::make_unique<TfrmMain>();
    for (const char* name : {"Ann", "Bob", "Cy"}) {
      auto player = std::make_unique<TPlayer>();
      player->SetName(name);
      Players.Add(std::move(player));
    }
    Players.SetCurrentIndex(1);
  }
  ~FocusLookTest() override {
    main.reset();
    TGameApplication::SetErrorDisplay(nullptr);
    TGameDialog::SetModalRunner(nullptr);
    Players.FreePlayers();
  }

  // Shows the control's window, active, and gives the control the keys as Tab would.
  static void FocusByTab(QWidget* control) {
    QWidget* window = control->window();
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
  }
  // How many pixels of a colour lie on the row just above the control, within its width.
  static int MarkPixelsAbove(QWidget* control, QRgb colour) {
    QWidget* window = control->window();
    const QImage shown = window->grab().toImage();
    const QPoint corner = control->mapTo(window, QPoint(0, 0));
    int count = 0;
    for (int x = corner.x(); x < corner.x() + control->width(); ++x)
      count += (shown.pixel(x, corner.y() - 1) | 0xFF000000) == colour;
    return count;
  }
  static void Shoot(QWidget* window, const char* name) {
    if (const char* shots = std::getenv("SHOT_DIR")) window->grab().save(QString::fromUtf8(shots) + "/" + name);
  }

  TTempProgramDir dir;
  std::unique_ptr<TfrmMain> main;
};

TEST_F(FocusLookTest, TheControlWithTheKeysIsFramedInAColourThatReadsOnItsGround) {
  TfrmMessageBox box(nullptr);
  TfrmInput input(nullptr, &box);
  TfrmPlayers players(nullptr, &box, &input);
  players.FillList();
  TfrmOptions options(nullptr, nullptr);
  TfrmEditor* editor = main->EditorWindow();
  constexpr QRgb gold = TImgBtn::FocusMarkColor, brown = TBkgPaintBox::FrameColor;
  const struct {
    QWidget* control;
    QRgb colour;
    const char* shot;
  } cases[] = {
      {options.pbVolume1, gold, "options-music-bar.png"}, {options.pbVolume2, gold, "options-sound-bar.png"},
      {options.Clockwise, brown, nullptr},                {players.lbPlayers, gold, "players-list.png"},
      {input.eInput, gold, "input-name.png"},             {editor->Button2, brown, "editor-button.png"},
      {editor->Edits[0], brown, "editor-field.png"},
  };
  for (const auto& c : cases) {
    const std::string name = c.control->metaObject()->className();
    c.control->window()->show();
    EXPECT_EQ(MarkPixelsAbove(c.control, c.colour), 0) << name << ": no mark before it has the keys";
    FocusByTab(c.control);
    EXPECT_GT(MarkPixelsAbove(c.control, c.colour), c.control->width() / 4) << name;
    if (c.shot) Shoot(c.control->window(), c.shot);
    c.control->clearFocus();
    EXPECT_EQ(MarkPixelsAbove(c.control, c.colour), 0) << name << ": the mark goes with the keys";
    c.control->window()->hide();
  }
}

// The outer two pixels of a control, where Qt's style draws its focus frame.
QImage Rim(QWidget* control) {
  QImage shown = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect inside = shown.rect().adjusted(2, 2, -2, -2);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) shown.setPixel(x, y, 0);
  return shown;
}

TEST_F(FocusLookTest, QtsOwnFocusFrameIsLeftOutAndTheChosenRowStaysMarked) {
  TfrmMessageBox box(nullptr);
  TfrmInput input(nullptr, &box);
  TfrmPlayers players(nullptr, &box, &input);
  players.FillList();
  TfrmEditor* editor = main->EditorWindow();
  for (QWidget* control : std::initializer_list<QWidget*>{players.lbPlayers, editor->Edits[0]}) {
    const std::string name = control->metaObject()->className();
    control->window()->show();
    const QImage unfocused = Rim(control);
    FocusByTab(control);
    EXPECT_TRUE(Rim(control) == unfocused) << name;
    control->window()->hide();
  }
  // The chosen row in the frame's dark brown, with or without the keys.
  FocusByTab(players.lbPlayers);
  const QRect row = players.lbPlayers->visualItemRect(players.lbPlayers->item(1));
  const QImage list = players.lbPlayers->viewport()->grab().toImage();
  EXPECT_EQ(list.pixel(row.right() - 4, row.center().y()) | 0xFF000000, 0xFF462814u);
}

TEST_F(FocusLookTest, TheToolWindowsKeysGoFromControlToControlAndReturnClicks) {
  TfrmEditor* editor = main->EditorWindow();
  FocusByTab(editor->Button1);
  const struct {
    Qt::Key key;
    QWidget* focused;
  } moves[] = {{Qt::Key_Down, editor->Button2}, {Qt::Key_Right, editor->Button3}, {Qt::Key_Up, editor->Button2},
               {Qt::Key_Left, editor->Button1}, {Qt::Key_Tab, editor->Button2}};
  for (const auto& m : moves) {
    QTest::keyClick(QApplication::focusWidget(), m.key);
    EXPECT_EQ(QApplication::focusWidget(), m.focused) << m.key;
  }
  int clicks = 0;
  QObject::connect(editor->Button2, &QPushButton::clicked, [&] { ++clicks; });
  QTest::keyClick(editor->Button2, Qt::Key_Return);
  EXPECT_EQ(clicks, 1) << "Return clicks the button with the keys";
}

TEST_F(FocusLookTest, ThePlayerListAndTheNameFieldAnswerReturnAndEscape) {
  TfrmMessageBox box(nullptr);
  TfrmInput input(nullptr, &box);
  TfrmPlayers players(nullptr, &box, &input);
  const struct {
    TGameDialog* window;
    QWidget* control;
    Qt::Key key;
    int result;
  } cases[] = {
      {&players, players.lbPlayers, Qt::Key_Return, mrOK}, {&players, players.lbPlayers, Qt::Key_Escape, mrCancel},
      {&input, input.eInput, Qt::Key_Return, mrOK},        {&input, input.eInput, Qt::Key_Escape, mrCancel},
  };
  for (const auto& c : cases) {
    players.FillList();
    input.eInput->setText(QStringLiteral("Dee"));
    c.window->setResult(mrNone);
    FocusByTab(c.control);
    QTest::keyClick(c.control, c.key);
    EXPECT_EQ(c.window->result(), c.result) << c.control->metaObject()->className() << " key " << c.key;
  }
  // The arrows choose another row, shown in the record panel.
  players.FillList();
  FocusByTab(players.lbPlayers);
  QTest::keyClick(players.lbPlayers, Qt::Key_Down);
  EXPECT_EQ(players.SelectedRow(), 2);
  QTest::keyClick(players.lbPlayers, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), players.findChildren<TImgBtn*>().value(0)) << "Tab goes on to New";
}

}  // namespace
