// The main window's answers to the window system: painting, keys, the pointer, being shown,
// minimised or activated, and closing.

#include "ui/main_window.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "ui/editor_window.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/mouse_routing.h"
#include "ui/picture_scaling.h"

void TfrmMain::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  SetPictureScaling(painter, devicePixelRatioF());
  if (background_.isNull())
    painter.fillRect(rect(), Qt::white);
  else
    painter.drawImage(0, 0, background_);
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
  // Still shown after Space (a window system that does not minimise): a key brings it back.
  if (ResumeAfterSpace()) return;
  if (frmEditor_ && frmEditor_->MainWindowKey(*event)) return;
  for (TImgBtn* button : buttons_)
    if (button->Answers(*event)) {
      button->OnClick();
      return;
    }
  switch (event->key()) {
    case Qt::Key_Space:
      // The game holds at once, whatever the window system makes of the request.
      HoldUntilBack();
      showMinimized();
      return;
    case Qt::Key_Escape:
      // From a button, the keys go back to the game.
      pb_->setFocus(Qt::OtherFocusReason);
      return;
    default:
      if (!stageList_ || !RouteKey(*stageList_, event->key())) QWidget::keyPressEvent(event);
  }
}

bool TfrmMain::ResumeAfterSpace() {
  if (!inactivePause_ || !isActiveWindow()) return false;
  inactivePause_ = false;
  ResumeGame();
  return true;
}

void TfrmMain::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // Shown again after a minimise, or active again after another of the game's windows (the
  // editor's tools) had the focus: the application itself may have stayed active meanwhile.
  // (The focus given is enough: the minimised state may be told after it.)
  const bool shown = event->type() == QEvent::WindowStateChange && !isMinimized();
  if ((shown || event->type() == QEvent::ActivationChange) && inactivePause_ && isActiveWindow() &&
      QGuiApplication::applicationState() == Qt::ApplicationActive) {
    inactivePause_ = false;
    ResumeGame();
  }
}

void TfrmMain::showEvent(QShowEvent* event) {
  FitCaptions(this);
  QWidget::showEvent(event);
  // Shown while the application is already active (another of its windows had the focus),
  // no activation follows: the first one is made here.
  if (firstActivation_ && QGuiApplication::applicationState() == Qt::ApplicationActive)
    QTimer::singleShot(0, this, [this] { FirstActivation(); });
  // A screen that reports no sensible refresh rate keeps the default pace of 60 frames.
  if (stageList_ && screen() && screen()->refreshRate() >= 20)
    stageList_->IdleLoop().SetFrameRateCap(screen()->refreshRate());
}

void TfrmMain::mouseMoveEvent(QMouseEvent* event) {
  if (stageList_) {
    const QPoint at = event->position().toPoint();
    RouteMouseMove(*stageList_, at.x(), at.y());
  }
  QWidget::mouseMoveEvent(event);
}

void TfrmMain::mousePressEvent(QMouseEvent* event) {
  // Still shown after Space (a window system that does not minimise): a click brings it back.
  if (ResumeAfterSpace()) return;
  // A click leaves the keys with the game, whichever button had them.
  pb_->setFocus(Qt::MouseFocusReason);
  if (stageList_) {
    const QPoint at = event->position().toPoint();
    RouteMouseDown(*stageList_, ButtonOf(event->button()), at.x(), at.y());
  }
  QWidget::mousePressEvent(event);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormDestroy();
  // The help window has no owner: left open, it would keep the game running without its window.
  if (frmHelp_) frmHelp_->close();
  // A dialog still open (the first choice of a player, a question) ends with Cancel, so its
  // loop lets the game quit.
  for (QDialog* dialog : findChildren<QDialog*>())
    if (dialog->isVisible()) dialog->reject();
  event->accept();
}
