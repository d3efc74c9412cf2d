#pragma once
// Sends the changed parts of a frame straight to the X server instead of through Qt's backing
// store. Qt's path paints the part into its window image, then waits for the X server to finish
// reading that shared image before it may paint the same place again: a round trip on every
// frame of an animation that stays in one place.
//
// Here the changed rectangles are copied into a shared-memory mirror of the frame and shown
// from there (MIT-SHM), so only a small request goes down the socket and nothing waits. The X
// server may read a mirror that is already a frame further on; it then shows newer pixels
// early, and the next request shows the rest: every pixel that differs between two frames is
// in the later frame's changed part. Without MIT-SHM (a remote display, or QT_XCB_NO_MITSHM=1
// in the environment, as for Qt) the pixels go in PutImage requests.

#include <cstdint>
#include <memory>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>

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
  // The X window it draws into.
  uint32_t Window() const { return window_; }

 private:
  // The frame's mirror in a segment the X server shares.
  struct TSharedMirror {
    uint32_t Segment = 0;  // the server's name for it
    uint8_t* Bits = nullptr;
    QSize Size;
  };

  TX11Blit(void* connection, uint32_t window, uint32_t context, uint32_t maxRequestBytes, bool shm);
  void PutRect(const QImage& frame, const QRect& rect, QPoint at);
  void PutShared(const QImage& frame, const QRect& rect, QPoint at);
  // A mirror of the frame's size, made now when there is none; false (and PutImage from then
  // on) when the server will not share one.
  bool MirrorFor(QSize size);
  void DropMirror();

  void* connection_;  // xcb_connection_t, owned by Qt
  uint32_t window_;
  uint32_t context_;  // our graphics context on window_
  uint32_t maxRequestBytes_;
  bool shm_;  // the server offers MIT-SHM and it is not turned off
  TSharedMirror mirror_;
  std::vector<uint8_t> rows_;  // one PutImage request's rows, packed
};
