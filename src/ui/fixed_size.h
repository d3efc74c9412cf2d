#pragma once
// A top-level window of one fixed size. The window system is told the size (minimum = maximum)
// and offered no maximise; a maximise or full-screen state it applies all the same (Wayland's
// title bar, drawn by Qt, always has a maximise button) is answered as the protocol demands,
// at the size asked for, and then undone, so the window comes back at its own size.

#include <QObject>
#include <QSize>
#include <QTimer>

class QWidget;
class QWindow;

class TFixedSize : public QObject {
  Q_OBJECT
 public:
  // Fixes window at size; the window keeps it for its life.
  TFixedSize(QWidget* window, QSize size);

  // True while the window is let out of its size to answer a state it cannot keep.
  bool Released() const { return released_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QWindow* handle);
  void StatesAsked(Qt::WindowStates states);
  void StatesApplied(Qt::WindowStates states);
  void Release();
  void Restore();

  QWidget* window_;
  QSize size_;
  bool released_ = false;
  bool watching_ = false;
  // A state asked for but never applied by the window system is given up after a while.
  QTimer giveUp_;
};
