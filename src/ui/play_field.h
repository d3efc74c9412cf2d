#pragma once
// The 400 x 500 playing field: shows the frames the display surface composes. It takes no
// mouse input of its own; the main window routes the mouse over the board.

#include <QImage>
#include <QWidget>

#include "display/dsp.h"

class TPlayField : public QWidget, public TFramePresenter {
  Q_OBJECT
 public:
  explicit TPlayField(QWidget* parent);
  void PresentFrame(const QImage& frame, int left, int top, const QRegion& changed) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage* frame_ = nullptr;
};
