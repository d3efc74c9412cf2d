#pragma once
// Laid over the play field while the Pause button holds the game: the frozen field dimmed under
// "Paused". Painted when shown, like any widget; the game makes no frames meanwhile.

#include <QWidget>

class TPauseCover : public QWidget {
 public:
  explicit TPauseCover(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
