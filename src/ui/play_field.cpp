#include "ui/play_field.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "ui/game_dialog.h"
#include "ui/picture_scaling.h"
#include "ui/x11_blit.h"

namespace {
// A frame whose change is scattered this much goes as one rectangle around it.
constexpr int kMostParts = 16;
}  // namespace

TPlayField::TPlayField(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
}

TPlayField::~TPlayField() = default;

void TPlayField::PresentFrame(const QImage& frame, int, int, const QRegion& changed) {
  frame_ = &frame;
  if (TX11Blit* blit = DirectBlit(frame)) {
    blit->Put(frame, changed.rectCount() > kMostParts ? QRegion(changed.boundingRect()) : changed,
              mapTo(window(), QPoint(0, 0)));
    windowImageStale_ = true;
    return;
  }
  // Painted at once, and only what changed: the rest of the screen already shows the rest. One
  // rectangle keeps Qt's copy on its fast path.
  repaint(changed.boundingRect());
}

qreal TPlayField::PixelRatio() const {
  // The window's own: the widget's looks up its screen first, which took a frame at rest 4 % of
  // its time.
  const QWindow* handle = window()->windowHandle();
  return handle ? handle->devicePixelRatio() : devicePixelRatioF();
}

TX11Blit* TPlayField::DirectBlit(const QImage& frame) {
  const bool fits = isVisible() && PixelRatio() == 1.0 && size() == frame.size() &&
                    !TGameDialog::OpenInside(window());
  if (!fits) {
    // Qt paints from here on; its window image must hold the whole frame again.
    if (blit_ && windowImageStale_) update();
    windowImageStale_ = false;
    return nullptr;
  }
  // A window made anew (Qt does that when a window's kind changes) needs a blitter of its own.
  if (blit_ && blit_->Window() != window()->winId()) {
    blit_.reset();
    blitTried_ = false;
  }
  if (!blitTried_) {
    blitTried_ = true;
    blit_ = TX11Blit::ForWindowOf(this);
    // An exposed window is shown from Qt's window image, which must hold the current frame.
    if (blit_ && window()->windowHandle()) window()->windowHandle()->installEventFilter(this);
  }
  return blit_.get();
}

bool TPlayField::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && windowImageStale_) {
    windowImageStale_ = false;
    repaint();
  }
  return QWidget::eventFilter(watched, event);
}

void TPlayField::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!frame_) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  // A larger window size or a high-density screen scales the frame here.
  SetPictureScaling(painter, devicePixelRatioF());
  for (const QRect& part : event->region()) painter.drawImage(part, *frame_, part);
}
