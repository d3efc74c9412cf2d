#pragma once
// The 400 x 500 playing field: shows the frames the display surface composes. It takes no
// mouse input of its own; the main window routes the mouse over the board.

#include <memory>

#include <QImage>
#include <QWidget>

#include "display/dsp.h"

class TX11Blit;

class TPlayField : public QWidget, public TFramePresenter {
  Q_OBJECT
 public:
  explicit TPlayField(QWidget* parent);
  ~TPlayField() override;
  void PresentFrame(const QImage& frame, int left, int top, const QRegion& changed) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The X blitter when this frame can take it: shown, unscaled, and as large as the frame.
  TX11Blit* DirectBlit(const QImage& frame);
  // Device pixels to a pixel of this widget.
  qreal PixelRatio() const;

  const QImage* frame_ = nullptr;
  std::unique_ptr<TX11Blit> blit_;
  bool blitTried_ = false;
  // Frames went past Qt's window image, which still holds an older one there.
  bool windowImageStale_ = false;
};
