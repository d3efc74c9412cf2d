// Dialogs drawn inside the game's window (as on Wayland, where the window system places windows
// itself): centred, above a cover that keeps the mouse from the window under them, the keys kept
// to themselves, nested dialogs over each other, and the focus given back when they close; Qt's
// own dialogs (the editor's file dialogs and notices, the error box) the same way.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/pictures.h"
#include "support/temp_dir.h"
#include "ui/input_window.h"
#include "ui/message_box.h"

namespace {

// A stand-in for the game's window: it counts the clicks and keys that reach it.
class THostWindow : public QWidget {
 public:
  THostWindow() {
    resize(640, 560);
    setFocusPolicy(Qt::StrongFocus);
  }
  int clicks = 0, keys = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++clicks; }
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

class DrawnInsideTest : public ::testing::Test {
 protected:
  DrawnInsideTest() {
    SavePicture(SolidPicture(72, 24, 0xFF806040), dir.File("bmp/ibt00.bmp"));
    SavePicture(SolidPicture(50, 30, 0xFF00FF00), dir.File("dat/c09"));
    TGameDialog::SetDrawnInside(true);
  }
  ~DrawnInsideTest() override { TGameDialog::SetDrawnInside(std::nullopt); }

  // Runs step inside the modal loop that is open when it comes due.
  static void WhileOpen(std::function<void()> step) { QTimer::singleShot(50, std::move(step)); }

  TTempProgramDir dir;
};

void ExpectCentredIn(const QWidget& dialog, const QWidget& window, const char* which) {
  EXPECT_EQ(dialog.parentWidget(), &window) << which;
  EXPECT_TRUE(dialog.isVisible()) << which;
  const QPoint off = dialog.geometry().center() - window.rect().center();
  EXPECT_LE(off.manhattanLength(), 2) << which << " is off centre by " << off.x() << ", " << off.y();
}

TEST_F(DrawnInsideTest, DialogsAreCentredOverACoverNestedAndGiveTheFocusBack) {
  THostWindow window;
  TfrmMessageBox box(&window);
  TfrmInput input(&window, &box);
  ASSERT_TRUE(input.Inside());
  window.show();
  window.setFocus();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), &window);

  bool checkedInput = false, checkedBox = false;
  WhileOpen([&] {
    checkedInput = true;
    ExpectCentredIn(input, window, "the name input");
    EXPECT_EQ(QApplication::focusWidget(), input.eInput) << "the edit takes the keys";
    // The board corner and the middle of the dialog's bottom edge: the cover, not the window.
    for (const QPoint at : {QPoint(10, 10), QPoint(630, 550)}) {
      QWidget* under = window.childAt(at);
      ASSERT_NE(under, nullptr) << at.x() << "," << at.y();
      QTest::mouseClick(under, Qt::LeftButton, Qt::NoModifier, under->mapFrom(&window, at));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    // An empty name: the notice opens over the input, itself centred and on top.
    input.eInput->clear();
    WhileOpen([&] {
      checkedBox = true;
      ExpectCentredIn(box, window, "the notice");
      EXPECT_EQ(window.childAt(window.rect().center()), box.childAt(box.mapFrom(&window, window.rect().center())))
          << "the notice is on top";
      QWidget* overInput = window.childAt(input.geometry().topLeft() + QPoint(3, 3));
      EXPECT_FALSE(input.isAncestorOf(overInput) || overInput == &input) << "the input is covered";
      box.Close(mrOK);
    });
    QTest::keyClick(input.eInput, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), input.eInput)
        << "the input has the keys again, not "
        << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");
    input.eInput->setText(QStringLiteral("Robin"));
    QTest::keyClick(input.eInput, Qt::Key_Return);
  });
  EXPECT_EQ(input.ShowModal(), mrOK);
  EXPECT_TRUE(checkedInput && checkedBox);
  EXPECT_EQ(window.clicks, 0) << "no click went through";
  EXPECT_EQ(window.keys, 0) << "no key went through";
  EXPECT_FALSE(input.isVisible());
  EXPECT_EQ(window.childAt(QPoint(10, 10)), nullptr) << "the cover went with the dialog";
  EXPECT_EQ(QApplication::focusWidget(), &window) << "the window has the keys again";
  QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(window.clicks, 1);
}

TEST_F(DrawnInsideTest, QtsOwnDialogsAreDrawnInsideTheSameWayAndBecomeWindowsAgain) {
  THostWindow window;
  QWidget tool(&window, Qt::Tool);
  window.show();
  window.setFocus();
  QCoreApplication::processEvents();
  QMessageBox notice(QMessageBox::Information, QStringLiteral("Brillor I"), QStringLiteral("Done."), QMessageBox::Ok,
                     &tool);
  QFileDialog files(&tool, QString(), QString::fromStdString(dir.File("dat")));
  files.setOption(QFileDialog::DontUseNativeDialog);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&notice, &files}) {
    const char* which = dialog->metaObject()->className();
    bool checked = false;
    WhileOpen([&] {
      checked = true;
      EXPECT_FALSE(dialog->isWindow()) << which;
      ExpectCentredIn(*dialog, window, which);
      // An assertion here would leave the dialog open for ever.
      if (QWidget* corner = window.childAt(QPoint(3, 3)))
        QTest::mouseClick(corner, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
      else
        ADD_FAILURE() << "no cover under " << which;
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      dialog->reject();
    });
    EXPECT_EQ(ExecOverWindow(*dialog, &window), QDialog::Rejected) << which;
    EXPECT_TRUE(checked) << which;
    EXPECT_TRUE(dialog->isWindow()) << which << " is a window of its own again";
    EXPECT_EQ(dialog->parentWidget(), &tool) << which;
  }
  EXPECT_EQ(window.clicks, 0) << "no click went through";
  EXPECT_EQ(window.keys, 0) << "no key went through";
  EXPECT_EQ(window.childAt(QPoint(3, 3)), nullptr) << "the cover went with the dialog";
}

}  // namespace
