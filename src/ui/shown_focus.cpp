#include "ui/shown_focus.h"

#include <QEvent>
#include <QWindow>

TShownFocus::TShownFocus(QWidget* window, QWidget* home) : QObject(window), window_(window), home_(home) {
  window_->installEventFilter(this);
  Watch();
}

void TShownFocus::Watch() {
  // Keys come to the window system's window before any widget: it is made when first shown.
  if (watching_ || !window_->windowHandle()) return;
  watching_ = true;
  window_->windowHandle()->installEventFilter(this);
}

bool TShownFocus::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::WinIdChange:
    case QEvent::Show:
      if (watched == window_) Watch();
      break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::FocusIn:
      if (watched == window_->windowHandle()) SendHomeIfHidden();
      break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

void TShownFocus::SendHomeIfHidden() {
  QWidget* focused = window_->focusWidget();
  if (!focused || focused->isVisible()) return;
  // Clearing it also clears every parent's memory of it, the window's included.
  focused->clearFocus();
  if (home_ && home_->isVisible()) home_->setFocus(Qt::OtherFocusReason);
}
