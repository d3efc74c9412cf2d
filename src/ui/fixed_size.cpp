#include "ui/fixed_size.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {
constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
constexpr int GiveUpMs = 2000;
}  // namespace

TFixedSize::TFixedSize(QWidget* window, QSize size) : QObject(window), window_(window), size_(size) {
  window_->setFixedSize(size_);
  window_->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  window_->installEventFilter(this);
  giveUp_.setSingleShot(true);
  giveUp_.setInterval(GiveUpMs);
  connect(&giveUp_, &QTimer::timeout, this, [this] {
    if (window_->windowState() & Enlarged) return;
    // The window keeps what the window system applied, not what was asked.
    if (QWindow* handle = window_->windowHandle()) handle->setWindowStates(window_->windowState());
    Restore();
  });
  if (window_->windowHandle()) Watch(window_->windowHandle());
}

void TFixedSize::Watch(QWindow* handle) {
  if (watching_) return;
  watching_ = true;
  // Qt's own title bar asks through the window, without an event to the widget.
  connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) { StatesAsked(state); });
}

bool TFixedSize::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    if (event->type() == QEvent::WinIdChange || event->type() == QEvent::Show) {
      if (window_->windowHandle()) Watch(window_->windowHandle());
    } else if (event->type() == QEvent::WindowStateChange && event->spontaneous()) {
      // What the window system has applied (a change asked by the game itself is not yet).
      StatesApplied(window_->windowState());
    } else if (event->type() == QEvent::Resize && event->spontaneous() && !released_) {
      // Resized all the same with no state to undo (an X server inside a Wayland desktop
      // maximises a window of fixed size and tells nobody): the window's own size is asked
      // again once the window system's answer is taken in whole.
      QTimer::singleShot(0, this, [this] {
        if (!released_ && !(window_->windowState() & Enlarged) && window_->size() != size_) window_->resize(size_);
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

void TFixedSize::StatesAsked(Qt::WindowStates states) {
  // The window system's answer must find the window free to take the size it gives.
  if (states & Enlarged) Release();
}

void TFixedSize::StatesApplied(Qt::WindowStates states) {
  if (states & Enlarged) {
    Release();
    giveUp_.stop();
    // Back to the window's own size, asked once the window system's answer is taken in whole
    // (asked while it is, the request would be measured against the state before it).
    QTimer::singleShot(0, this, [this] {
      if (window_->windowState() & Enlarged) window_->setWindowState(window_->windowState() & ~Enlarged);
    });
  } else if (released_) {
    Restore();
  }
}

void TFixedSize::Release() {
  if (!released_) {
    released_ = true;
    window_->setMinimumSize(0, 0);
    window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  giveUp_.start();
}

void TFixedSize::Restore() {
  giveUp_.stop();
  if (!released_) return;
  released_ = false;
  window_->setFixedSize(size_);
}
