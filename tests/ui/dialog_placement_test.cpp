// Dialogs drawn inside the game's window (as on Wayland, where the window system places windows
// itself): centred, above a cover that keeps the mouse from the window under them, the keys kept
// to themselves, nested dialogs over each other, and the focus given back when they close; Qt's
// own dialogs (the editor's file dialogs and notices, the error box) the same way.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/pictures.h"
#include "support/temp_dir.h"
#include "ui/input_window.h"
#include "ui/message_box.h"
#include "ui/notice_box.h"

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

// A notice drawn inside has the keys as it opens, as a window of its own has them (the editor's
// "No problems found." once closed only with a click): Return and Space press OK, Esc closes
// it. A text taller than the window scrolls, and OK stays in sight.
TEST_F(DrawnInsideTest, NoticesTakeTheirKeysAsTheyOpenAndALongTextScrollsWithOKInSight) {
  THostWindow window;
  window.show();
  window.activateWindow();
  QCoreApplication::processEvents();
  const QString report = QStringLiteral("Cell (3, 4) feeds a cell that feeds it back.\n").repeated(60);
  const struct {
    QString Text;
    Qt::Key Key;
    int Result;
  } cases[] = {
      {QStringLiteral("No problems found."), Qt::Key_Return, QDialog::Accepted},
      {QStringLiteral("No problems found."), Qt::Key_Space, QDialog::Accepted},
      {QStringLiteral("No problems found."), Qt::Key_Escape, QDialog::Rejected},
      {report, Qt::Key_Return, QDialog::Accepted},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QKeySequence(c.Key).toString().toStdString() + (c.Text == report ? " on the long report" : ""));
    TNoticeBox notice(&window, QMessageBox::Information, c.Text);
    bool checked = false;
    WhileOpen([&] {
      checked = true;
      EXPECT_TRUE(window.rect().contains(notice.geometry())) << "the notice is inside the window";
      EXPECT_LE(notice.width(), 420) << "as wide as its text needs";
      const QPushButton* ok = notice.findChild<QPushButton*>();
      ASSERT_NE(ok, nullptr);
      EXPECT_TRUE(window.rect().contains(QRect(ok->mapTo(&window, QPoint()), ok->size()))) << "OK in sight";
      EXPECT_EQ(notice.TextArea()->verticalScrollBar()->maximum() > 0, c.Text == report) << "only the long text scrolls";
      QTest::keyClick(window.windowHandle(), c.Key);
      // A notice the key left open is closed here, or the test would wait for ever.
      if (notice.isVisible()) notice.done(-1);
    });
    notice.Run();
    EXPECT_TRUE(checked);
    EXPECT_EQ(notice.result(), c.Result);
  }
  EXPECT_EQ(window.keys, 0) << "no key went through";
}

}  // namespace
