#include "display/bolt_fill.h"

#include <QColor>
#include <QRegion>
#include <QRgba64>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {
// Each byte of two pixels side by side times factor / 255, rounded, in 16-bit lanes: no lane
// carries into the next (255 * 255 plus the rounding still fits in 16 bits). One pixel is the
// low half, the high one zero.
uint64_t MultiplyBytes(uint64_t pixels, uint64_t factor) {
  constexpr uint64_t kEven = 0x00FF00FF00FF00FF, kHalf = 0x0080008000800080;
  uint64_t redBlue = (pixels & kEven) * factor;
  redBlue = ((redBlue + ((redBlue >> 8) & kEven) + kHalf) >> 8) & kEven;
  uint64_t alphaGreen = ((pixels >> 8) & kEven) * factor;
  alphaGreen = (alphaGreen + ((alphaGreen >> 8) & kEven) + kHalf) & ~kEven;
  return alphaGreen | redBlue;
}

// Far beyond any surface, and inside what an int holds: a coordinate is brought within it before
// it becomes a pixel number (the clip then takes it the rest of the way).
double WithinReach(double coordinate) { return std::min(std::max(coordinate, -1e9), 1e9); }

// std::floor of a coordinate within reach, as an int: the compiler's own floor (without SSE4.1)
// is a longer chain with a branch for large numbers, and a bolt asks for two a row.
int FloorWithinReach(double coordinate) {
  const int whole = static_cast<int>(coordinate);
  return static_cast<double>(whole) > coordinate ? whole - 1 : whole;
}

// The first and last whole pixel whose centre c has low < c <= high.
int FirstCentreAbove(double low) { return FloorWithinReach(WithinReach(low) - 0.5) + 1; }
int LastCentreUpTo(double high) { return FloorWithinReach(WithinReach(high) - 0.5); }

// std::floor, to the sign of a zero, by way of an int64 for the coordinates a surface has.
double Floor(double value) {
  if (!(std::abs(value) < 0x1p52)) return std::floor(value);  // whole already, or not a number
  const double whole = static_cast<double>(static_cast<int64_t>(value));
  return whole > value ? whole - 1 : std::copysign(whole, value);
}

// Whether two coordinates lie within a 64th of a pixel of each other.
bool WithinAGridStep(double a, double b) { return std::abs(b - a) * 64 < 1; }

// A corner moved down and left onto the 64th-of-a-pixel grid the fill works on.
Q_ALWAYS_INLINE QPointF OnGrid(QPointF corner) { return {Floor(corner.x() * 64) / 64, Floor(corner.y() * 64) / 64}; }

// An edge from a to b, and where it crosses a height (only asked of edges that are not level).
struct TEdge {
  TEdge(QPointF a, QPointF b) : start(a), step(b.y() != a.y() ? (b.x() - a.x()) / (b.y() - a.y()) : 0) {}
  double XAt(double y) const { return start.x() + (y - start.y()) * step; }
  QPointF start;
  double step;  // across for each pixel down
};
}  // namespace

void TBoltFill::Begin(QPainter& painter) {
  target_ = nullptr;
  QPaintDevice* device = painter.device();
  if (device == nullptr || device->devType() != QInternal::Image) return;
  auto* image = static_cast<QImage*>(device);
  if (image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32) return;
  if (!painter.transform().isIdentity() || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
      painter.testRenderHint(QPainter::Antialiasing))
    return;
  clip_ = image->rect();
  if (painter.hasClipping()) {
    const QRegion region = painter.clipRegion();
    if (region.rectCount() > 1) return;
    clip_ &= region.boundingRect();
  }
  rowLatest_.assign(static_cast<size_t>(std::max(clip_.height(), 0)), -1);
  target_ = image;
}

bool TBoltFill::Fill(const QLineF* segments, size_t count, qreal width, QRgb color) {
  if (target_ == nullptr || !(width > 1)) return false;
  if (clip_.isEmpty() || qAlpha(color) == 0) return true;
  spans_.clear();
  firstRow_ = std::numeric_limits<int>::max();
  lastRow_ = std::numeric_limits<int>::min();
  for (size_t index = 0; index < count; ++index) AddBand(segments[index], width / 2, clip_);
  if (spans_.empty()) return true;
  Blend(QColor::fromRgba(color).rgba64().premultiplied().toArgb32());
  return true;
}

void TBoltFill::AddRows(int firstRow, int lastRow) {
  if (firstRow > lastRow) return;
  firstRow_ = std::min(firstRow_, firstRow);
  lastRow_ = std::max(lastRow_, lastRow);
}

Q_ALWAYS_INLINE void TBoltFill::AddSpan(int row, double leftEdge, double rightEdge, const QRect& clip) {
  const int first = std::max(FirstCentreAbove(leftEdge), clip.left());
  const int last = std::min(LastCentreUpTo(rightEdge), clip.right());
  if (first > last) return;
  int& latest = rowLatest_[static_cast<size_t>(row - clip_.top())];
  // A bolt's segments come one after another: most of a row's spans join the one before.
  if (latest >= 0) {
    TSpan& before = spans_[static_cast<size_t>(latest)];
    if (first <= before.Right + 1 && last >= before.Left - 1) {
      before.Left = std::min(before.Left, first);
      before.Right = std::max(before.Right, last);
      return;
    }
  }
  spans_.push_back({first, last, latest});
  latest = static_cast<int>(spans_.size()) - 1;
}

void TBoltFill::AddBand(const QLineF& segment, qreal halfWidth, const QRect& clip) {
  QPointF start = segment.p1(), end = segment.p2();
  const double length = std::sqrt(segment.dx() * segment.dx() + segment.dy() * segment.dy());
  // A flat-ended line of no length covers nothing.
  if (!(length > 0) || !std::isfinite(length)) return;
  // The pen's half width for each pixel of the segment's length.
  const double across = halfWidth / length;
  // Within a 64th of a pixel of level or upright, the band is an upright rectangle.
  if (WithinAGridStep(start.y(), end.y())) {
    const double reach = std::abs(end.x() - start.x()) / 2, middle = (start.x() + end.x()) / 2;
    const double rise = across * 2 * reach;
    AddRectangle({QPointF(middle - reach, start.y() - rise), QPointF(middle + reach, start.y() + rise)}, clip);
    return;
  }
  if (WithinAGridStep(start.x(), end.x())) {
    const double reach = across * std::abs(end.y() - start.y());
    AddRectangle({QPointF(start.x() - reach, std::min(start.y(), end.y())),
                  QPointF(start.x() + reach, std::max(start.y(), end.y()))},
                 clip);
    return;
  }
  // A tilted band: its four corners on the grid, named by where they lie.
  if (start.y() > end.y()) std::swap(start, end);
  const QPointF along = (end - start) * across;
  const QPointF side(along.y(), -along.x());
  const bool rightwards = start.x() < end.x();
  const QPointF top = OnGrid(rightwards ? start + side : start - side);
  const QPointF left = OnGrid(rightwards ? start - side : end - side);
  const QPointF right = OnGrid(rightwards ? end + side : start + side);
  const QPointF bottom = OnGrid(rightwards ? end - side : end + side);
  const TEdge upperLeft(top, left), lowerLeft(left, bottom), upperRight(top, right), lowerRight(right, bottom);
  const int firstRow = std::max(FirstCentreAbove(top.y()), clip.top());
  const int lastRow = std::min(LastCentreUpTo(bottom.y()), clip.bottom());
  // Rows above the side corner take the upper edge, the rest the lower one.
  const int lastUpperLeft = LastCentreUpTo(left.y()), lastUpperRight = LastCentreUpTo(right.y());
  AddRows(firstRow, lastRow);
  for (int row = firstRow; row <= lastRow; ++row) {
    const double centre = row + 0.5;
    const double leftEdge = row <= lastUpperLeft ? upperLeft.XAt(centre) : lowerLeft.XAt(centre);
    const double rightEdge = row <= lastUpperRight ? upperRight.XAt(centre) : lowerRight.XAt(centre);
    AddSpan(row, leftEdge, rightEdge, clip);
  }
}

void TBoltFill::AddRectangle(const QRectF& rectangle, const QRect& clip) {
  const int firstRow = std::max(FirstCentreAbove(rectangle.top()), clip.top());
  const int lastRow = std::min(LastCentreUpTo(rectangle.bottom()), clip.bottom());
  AddRows(firstRow, lastRow);
  for (int row = firstRow; row <= lastRow; ++row) AddSpan(row, rectangle.left(), rectangle.right(), clip);
}

void TBoltFill::Blend(QRgb premultiplied) {
  const uint32_t remaining = 255 - qAlpha(premultiplied);
  const uint64_t premultipliedTwice = premultiplied | (uint64_t{premultiplied} << 32);
  uchar* const pixels = target_->bits();
  const qsizetype rowBytes = target_->bytesPerLine();
  auto blendRun = [&](int row, int left, int right) {
    auto* pixel = reinterpret_cast<uint32_t*>(pixels + row * rowBytes) + left;
    auto* const end = pixel + (right - left + 1);
    if (remaining == 0) {
      std::fill(pixel, end, premultiplied);
      return;
    }
    // Two pixels at a time: no byte of a blend overflows into the next (a premultiplied
    // channel is at most its alpha, and what remains of the pixel at most 255 less it).
    for (; end - pixel >= 2; pixel += 2) {
      uint64_t two;
      std::memcpy(&two, pixel, sizeof two);
      two = premultipliedTwice + MultiplyBytes(two, uint64_t{remaining});
      std::memcpy(pixel, &two, sizeof two);
    }
    if (pixel != end) *pixel = premultiplied + static_cast<uint32_t>(MultiplyBytes(uint64_t{*pixel}, remaining));
  };
  for (int row = firstRow_; row <= lastRow_; ++row) {
    int& latest = rowLatest_[static_cast<size_t>(row - clip_.top())];
    if (latest < 0) continue;
    const TSpan& only = spans_[static_cast<size_t>(latest)];
    if (only.Before < 0) {
      blendRun(row, only.Left, only.Right);
      latest = -1;
      continue;
    }
    // The chain runs newest first; a bolt's spans mostly come left to right.
    row_.clear();
    for (int index = latest; index >= 0; index = spans_[static_cast<size_t>(index)].Before)
      row_.push_back(spans_[static_cast<size_t>(index)]);
    latest = -1;
    std::reverse(row_.begin(), row_.end());
    for (auto it = row_.begin(); it != row_.end(); ++it)
      for (auto at = it; at != row_.begin() && (at - 1)->Left > at->Left; --at) std::iter_swap(at - 1, at);
    // Spans that overlap or touch are one run: each pixel once.
    TSpan run = row_.front();
    for (auto it = row_.begin() + 1; it != row_.end(); ++it) {
      if (it->Left <= run.Right + 1) {
        run.Right = std::max(run.Right, it->Right);
        continue;
      }
      blendRun(row, run.Left, run.Right);
      run = *it;
    }
    blendRun(row, run.Left, run.Right);
  }
}
