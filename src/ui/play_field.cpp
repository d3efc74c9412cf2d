#include "ui/play_field.h"

#include <QPaintEvent>
#include <QPainter>

TPlayField::TPlayField(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

void TPlayField::PresentFrame(const QImage& frame, int, int, const QRegion& changed) {
  frame_ = &frame;
  // Painted at once, and only what changed: the rest of the screen already shows the rest.
  repaint(changed);
}

void TPlayField::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!frame_) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  // A larger window size or a high-density screen scales the frame here: smoothly.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const QRect& part : event->region()) painter.drawImage(part, *frame_, part);
}
