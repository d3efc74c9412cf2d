// The image button, the tiled background and the three small windows, driven as a player would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "players/players.h"
#include "support/pictures.h"
#include "support/temp_dir.h"
#include "ui/game_application.h"
#include "ui/input_window.h"
#include "ui/message_box.h"
#include "ui/more_options_window.h"
#include "ui/players_window.h"

namespace {

// Types each character as a key press carrying that text, as a keyboard layout would.
void Type(QWidget* target, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QCoreApplication::sendEvent(target, &press);
  }
}

class DialogsTest : public ::testing::Test {
 protected:
  DialogsTest() {
    SavePicture(SolidPicture(72, 24, 0xFF806040), dir.File("bmp/ibt00.bmp"));
    SavePicture(SolidPicture(50, 30, 0xFF00FF00), dir.File("dat/c09"));
    TGameDialog::SetModalRunner([this](TGameDialog& dialog) {
      if (auto* box = dynamic_cast<TfrmMessageBox*>(&dialog)) messages.push_back(box->GetText());
      return answer;
    });
  }
  ~DialogsTest() override {
    TGameDialog::SetModalRunner(nullptr);
    Players.FreePlayers();
  }
  void MakePlayers(int count) {
    for (int i = 0; i < count; ++i) {
      auto player = std::make_unique<TPlayer>();
      player->SetName("P" + std::to_string(i));
      Players.Add(std::move(player));
    }
  }

  TTempProgramDir dir;
  int answer = mrOK;
  std::vector<QString> messages;
};

TEST_F(DialogsTest, AButtonClicksOnReleaseWithAnyButtonButNotAfterLeavingItsFace) {
  QWidget window;
  window.resize(200, 100);
  TImgBtn button(&window);
  button.LoadPicture("bmp/ibt00.bmp");
  int clicks = 0;
  button.OnClick = [&] { ++clicks; };
  window.show();
  QTest::mousePress(&button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_TRUE(button.Pressed);
  QTest::mouseRelease(&button, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks, 1) << "the right button clicks too";
  QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QMouseEvent dragOff(QEvent::MouseMove, QPointF(150, 10), button.mapToGlobal(QPointF(150, 10)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&button, &dragOff);
  EXPECT_FALSE(button.Pressed);
  QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(clicks, 1) << "dragged off the face and back: no click";
}

// Pixels of the keys' mark on a button's face.
int MarkPixels(TImgBtn* button) {
  const QImage face = button->grab().toImage();
  int count = 0;
  for (int y = 0; y < face.height(); ++y)
    for (int x = 0; x < face.width(); ++x) count += face.pixel(x, y) == TImgBtn::FocusMarkColor;
  return count;
}

TEST_F(DialogsTest, TheKeysGoFromButtonToButtonShownByAMarkAndSpaceClicks) {
  TfrmMessageBox box(nullptr);
  box.SetText(QStringLiteral("Sure?"));
  const QList<TImgBtn*> buttons = box.findChildren<TImgBtn*>();
  ASSERT_EQ(buttons.size(), 2);
  box.show();
  box.activateWindow();
  QApplication::setActiveWindow(&box);
  buttons[0]->setFocus();
  ASSERT_TRUE(buttons[0]->hasFocus());
  EXPECT_GT(MarkPixels(buttons[0]), 20);
  EXPECT_EQ(MarkPixels(buttons[1]), 0);
  // Key, the button that has the keys after it.
  const std::pair<int, int> moves[] = {{Qt::Key_Right, 1}, {Qt::Key_Left, 0}, {Qt::Key_Down, 1},
                                       {Qt::Key_Up, 0},    {Qt::Key_Tab, 1}};
  for (const auto& [key, focused] : moves) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
    EXPECT_TRUE(buttons[focused]->hasFocus()) << key;
    EXPECT_EQ(MarkPixels(buttons[1 - focused]), 0) << key;
  }
  EXPECT_GT(MarkPixels(buttons[1]), 20);
  if (const char* shots = std::getenv("SHOT_DIR")) box.grab().save(QString::fromUtf8(shots) + "/dialog-focus.png");
  QTest::keyClick(buttons[1], Qt::Key_Space);
  EXPECT_EQ(box.result(), mrCancel) << "Space clicks the button that has the keys";
}

TEST_F(DialogsTest, ACheckBoxOrRadioButtonWithTheKeysIsFramedAndTheFrameGoesWithThem) {
  TfrmMoreOptions page(nullptr);
  page.show();
  page.activateWindow();
  QApplication::setActiveWindow(&page);
  // The mark: the one shown widget of no control class laid over the controls.
  const auto mark = [&]() -> QWidget* {
    for (QWidget* widget : page.findChildren<QWidget*>())
      if (widget->isVisible() && widget->testAttribute(Qt::WA_TransparentForMouseEvents) &&
          widget->metaObject() == &QWidget::staticMetaObject)
        return widget;
    return nullptr;
  };
  for (QAbstractButton* control : std::initializer_list<QAbstractButton*>{page.cbRelaxed, page.rbScale[1]}) {
    control->setFocus();
    QWidget* frame = mark();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->parentWidget(), control->parentWidget());
    EXPECT_TRUE(frame->geometry().contains(control->geometry())) << control->text().toStdString();
  }
  const QList<TImgBtn*> buttons = page.findChildren<TImgBtn*>();
  ASSERT_FALSE(buttons.empty());
  buttons[0]->setFocus();
  EXPECT_EQ(mark(), nullptr) << "a button marks itself";
}

TEST_F(DialogsTest, AButtonTakesItsPictureSizeOnceAndAMissingPictureIsNamed) {
  TImgBtn button(nullptr);
  button.LoadPicture("bmp/ibt00.bmp");
  EXPECT_EQ(button.size(), QSize(72, 24));
  button.resize(10, 10);
  button.LoadPicture("bmp/ibt00.bmp");
  EXPECT_EQ(button.size(), QSize(10, 10)) << "the same name again does nothing";
  try {
    button.LoadPicture("bmp/none.bmp");
    ADD_FAILURE() << "no error for a missing picture";
  } catch (const std::exception& error) {
    EXPECT_NE(std::string(error.what()).find("bmp/none.bmp"), std::string::npos);
  }
  EXPECT_EQ(button.size(), QSize(72, 24)) << "a plain face of the dialog button's size";
}

TEST_F(DialogsTest, TheBackgroundTilesFromTheCornerInsideABrownFrame) {
  QWidget panel;
  panel.resize(120, 70);
  TBkgPaintBox box(&panel);
  box.LoadPicture("dat/c09");
  EXPECT_EQ(box.geometry(), QRect(0, 0, 120, 70));
  const QImage shown = box.grab().toImage();
  const QRgb frame = TBkgPaintBox::FrameColor;
  for (QPoint corner : {QPoint(1, 1), QPoint(1, 69), QPoint(119, 69), QPoint(119, 1), QPoint(60, 1), QPoint(1, 35)})
    EXPECT_EQ(shown.pixel(corner) | 0xFF000000, frame) << corner.x() << "," << corner.y();
  for (QPoint inside : {QPoint(25, 15), QPoint(75, 45), QPoint(110, 65)})
    EXPECT_EQ(shown.pixel(inside) | 0xFF000000, 0xFF00FF00u) << inside.x() << "," << inside.y();
}

TEST_F(DialogsTest, TheInputTakesThirtyStorableCharactersAndRefusesEmptyText) {
  TfrmMessageBox messageBox(nullptr);
  TfrmInput input(nullptr, &messageBox);
  EXPECT_EQ(input.size(), QSize(316, 136));
  input.show();
  input.eInput->setFocus();
  QTest::keyClicks(input.eInput, QString(31, QLatin1Char('x')));
  EXPECT_EQ(input.eInput->text().size(), 30);
  input.eInput->clear();
  Type(input.eInput, QStringLiteral("A\u00e9\u20ac\u4e2dB"));
  EXPECT_EQ(input.eInput->text(), QStringLiteral("A\u00e9B")) << "characters the roster cannot store are not taken";
  const QString refused = QStringLiteral("A name can only hold Western European letters.");
  EXPECT_EQ(messages, std::vector<QString>(2, refused)) << "each refused character is named";
  messages.clear();
  input.eInput->setText(QString(30, QLatin1Char('x')));
  Type(input.eInput, QStringLiteral("y"));
  EXPECT_TRUE(messages.empty()) << "a full field just stops";
  input.eInput->clear();
  QTest::keyClick(input.eInput, Qt::Key_Return);
  EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("Not a valid value.")});
  EXPECT_TRUE(input.isVisible()) << "empty input keeps the window open";
  QTest::keyClicks(input.eInput, QStringLiteral("   "));
  QTest::keyClick(input.eInput, Qt::Key_Enter);
  EXPECT_EQ(input.result(), mrOK) << "blanks are a name";
}

TEST_F(DialogsTest, DeletingAsksAndLeavesTheLastRowSelected) {
  MakePlayers(5);
  Players.SetCurrentIndex(0);
  TfrmMessageBox messageBox(nullptr);
  TfrmInput input(nullptr, &messageBox);
  TfrmPlayers players(nullptr, &messageBox, &input);
  EXPECT_EQ(players.size(), QSize(330, 255));
  players.SetRecordShown(true);
  EXPECT_EQ(players.size(), QSize(330, 255 + TfrmPlayers::RecordPanelHeight)) << "the record panel below, as an option";
  players.SetRecordShown(false);
  players.FillList();
  EXPECT_EQ(players.SelectedRow(), 0);
  players.lbPlayers->setCurrentRow(2);
  answer = mrCancel;
  players.DeleteClick();
  EXPECT_EQ(Players.Count(), 5) << "Cancel deletes nothing";
  answer = mrOK;
  players.DeleteClick();
  EXPECT_EQ(messages.back(), QStringLiteral("Are you sure to delete player \"P2\"?"));
  ASSERT_EQ(players.lbPlayers->count(), 4);
  EXPECT_EQ(Players.Count(), 4);
  EXPECT_EQ(players.SelectedRow(), 3);
  EXPECT_EQ(players.lbPlayers->item(2)->text(), QStringLiteral("P3")) << "rows follow the roster";
  for (int i = 0; i < 4; ++i) {
    players.lbPlayers->setCurrentRow(0);
    players.DeleteClick();
  }
  EXPECT_EQ(players.SelectedRow(), -1);
  players.SelectClick();
  EXPECT_EQ(messages.back(), QStringLiteral("Please select a existent player or create a new player."));
  EXPECT_NE(players.result(), mrOK);
}

TEST_F(DialogsTest, NewTwiceWithOneNameMakesTwoPlayersAndSelectsTheLast) {
  TfrmMessageBox messageBox(nullptr);
  TfrmInput input(nullptr, &messageBox);
  TfrmPlayers players(nullptr, &messageBox, &input);
  TGameDialog::SetModalRunner([&](TGameDialog& dialog) {
    EXPECT_EQ(&dialog, &input);
    EXPECT_EQ(input.lMsg->text(), QStringLiteral("Please input a player name:"));
    EXPECT_TRUE(input.eInput->text().isEmpty()) << "the field starts empty";
    input.eInput->setText(QStringLiteral("Sam"));
    return mrOK;
  });
  players.NewClick();
  players.NewClick();
  ASSERT_EQ(Players.Count(), 2);
  EXPECT_NE(Players.Items(0), Players.Items(1));
  EXPECT_EQ(Players.Items(1)->Name(), "Sam");
  EXPECT_EQ(players.SelectedRow(), 1);
  players.show();
  QTest::keyClick(&players, Qt::Key_Return);
  EXPECT_EQ(players.result(), mrOK) << "Enter selects";
}

}  // namespace
