#pragma once
// A screen that gets nothing but the changed parts of each frame, as the X blitter sends them,
// and counts the frames. What was never sent stays transparent, which no frame is (its
// background is opaque).

#include <cstring>

#include <QImage>
#include <QRegion>

#include "display/dsp.h"

class TKeptScreen : public TFramePresenter {
 public:
  void PresentFrame(const QImage& frame, int, int, const QRegion& area) override {
    if (shown.size() != frame.size()) {
      shown = QImage(frame.size(), frame.format());
      shown.fill(Qt::transparent);
    }
    for (const QRect& part : area & frame.rect())
      for (int y = part.top(); y <= part.bottom(); ++y)
        std::memcpy(shown.scanLine(y) + part.left() * 4, frame.constScanLine(y) + part.left() * 4,
                    static_cast<size_t>(part.width()) * 4);
    changed = area;
    ++frames;
  }
  QImage shown;
  QRegion changed;
  int frames = 0;
};
