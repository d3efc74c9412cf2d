#pragma once
// Keys of a top-level window go to the control that has its focus, and Qt keeps that control
// even while it is hidden. A dialog drawn inside the window (where the window system places
// windows itself) that was given the focus as it was made, or kept it as it closed, would take
// every key meant for the game. This keeps the keys to what is shown: when a key or the
// window's activation finds the focus on a hidden control, the focus goes home first (the
// control that takes the game's keys), so the window answers its keys in both window modes
// alike.

#include <QObject>
#include <QPointer>
#include <QWidget>

class TShownFocus : public QObject {
 public:
  TShownFocus(QWidget* window, QWidget* home);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch();
  void SendHomeIfHidden();

  QWidget* window_;
  QPointer<QWidget> home_;
  bool watching_ = false;
};
