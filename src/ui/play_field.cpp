#include "ui/play_field.h"

#include <QPainter>

TPlayField::TPlayField(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TPlayField::PresentFrame(const QImage& frame, int, int) {
  frame_ = &frame;
  // Painted at once: the back buffer is recomposed by the next frame.
  repaint();
}

void TPlayField::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!frame_) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  // A larger window size or a high-density screen scales the frame here: smoothly.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(0, 0, *frame_);
}
