#pragma once
// Sends the changed parts of a frame straight to the X server, one PutImage request per
// rectangle, instead of through Qt's backing store. Qt's path paints the part into its window
// image, then waits for the X server to finish reading the shared image before it may paint
// the same place again: a round trip on every frame of an animation that stays in one place.
// A PutImage carries its own copy of the pixels, so nothing waits.

#include <cstdint>
#include <memory>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRegion>

class QWidget;

class TX11Blit {
 public:
  // A blitter for the X window under widget, or null when the window system is not X11 (or the
  // blitter is turned off by BRILLOR_QT_PRESENT=1 in the environment), or when that window's
  // pixels are not the frame's own: 24-bit true colour, 32 bits a pixel, least significant
  // byte first.
  static std::unique_ptr<TX11Blit> ForWindowOf(QWidget* widget);
  ~TX11Blit();
  TX11Blit(const TX11Blit&) = delete;
  TX11Blit& operator=(const TX11Blit&) = delete;

  // Puts each rectangle of parts (frame pixels) of a 32-bit frame at origin + its place, in
  // the X window's pixels. Parts outside the frame are cut off.
  void Put(const QImage& frame, const QRegion& parts, QPoint origin);

 private:
  TX11Blit(void* connection, uint32_t window, uint32_t context, uint32_t maxRequestBytes);
  void PutRect(const QImage& frame, const QRect& rect, QPoint at);

  void* connection_;  // xcb_connection_t, owned by Qt
  uint32_t window_;
  uint32_t context_;  // our graphics context on window_
  uint32_t maxRequestBytes_;
  std::vector<uint8_t> rows_;  // one request's rows, packed
};
