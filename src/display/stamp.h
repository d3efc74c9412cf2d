#pragma once
// Pen drawings kept as pictures: a drawing that looks the same frame after frame is stroked
// once and then only copied, which costs a fraction of stroking it again (wide translucent
// pens are slow to fill, and Qt hands large fills to worker threads).
//
// The drawing is made at its own surface position, shifted by whole pixels into the picture,
// so copying the picture back gives exactly the pixels of drawing it in place; copied with a
// whole-pixel offset, it gives the pixels of the drawing moved by that offset.

#include <cstddef>
#include <map>
#include <utility>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>

class TStamp {
 public:
  // draw(painter) paints in surface coordinates; only what falls inside area is kept.
  template <typename Draw>
  void Make(const QRect& area, Draw draw) {
    area_ = area;
    picture_ = QImage(area.size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    QPainter painter(&picture_);
    painter.translate(-area.left(), -area.top());
    draw(painter);
  }
  // Draws again inside part (surface coordinates) only, in place of what was there.
  template <typename Draw>
  void Amend(const QRegion& part, Draw draw) {
    QPainter painter(&picture_);
    painter.translate(-area_.left(), -area_.top());
    painter.setClipRegion(part);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(part.boundingRect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    draw(painter);
  }
  void CopyTo(QPainter& canvas, const QPoint& offset = QPoint()) const {
    canvas.drawImage(area_.topLeft() + offset, picture_);
  }
  const QRect& Area() const { return area_; }
  bool Made() const { return !picture_.isNull(); }
  void Forget() { picture_ = QImage(); }

 private:
  QRect area_;
  QImage picture_;
};

// Stamps by what decides their pixels. Bounded: when full it starts afresh, which is cheap
// next to keeping track of use.
template <typename Key>
class TStampCache {
 public:
  explicit TStampCache(size_t capacity) : capacity_(capacity) {}

  template <typename Draw>
  const TStamp& Find(const Key& key, const QRect& area, Draw draw) {
    auto found = stamps_.find(key);
    if (found != stamps_.end()) return found->second;
    if (stamps_.size() >= capacity_) stamps_.clear();
    TStamp& stamp = stamps_[key];
    stamp.Make(area, draw);
    return stamp;
  }
  size_t Size() const { return stamps_.size(); }

 private:
  size_t capacity_;
  std::map<Key, TStamp> stamps_;
};
