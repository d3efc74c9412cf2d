#include "display/bolt_fill.h"

#include <QColor>
#include <QRegion>
#include <QRgba64>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {
// Each byte of pixel times factor / 255, rounded: two bytes at a time in the spare bits.
uint32_t MultiplyBytes(uint32_t pixel, uint32_t factor) {
  uint32_t redBlue = (pixel & 0xFF00FF) * factor;
  redBlue = ((redBlue + ((redBlue >> 8) & 0xFF00FF) + 0x800080) >> 8) & 0xFF00FF;
  uint32_t alphaGreen = ((pixel >> 8) & 0xFF00FF) * factor;
  alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xFF00FF) + 0x800080) & 0xFF00FF00;
  return alphaGreen | redBlue;
}

// Far beyond any surface, and inside what an int holds: a coordinate is brought within it before
// it becomes a pixel number (the clip then takes it the rest of the way).
double WithinReach(double coordinate) { return std::clamp(coordinate, -1e9, 1e9); }

// The first and last whole pixel whose centre c has low < c <= high.
int FirstCentreAbove(double low) { return static_cast<int>(std::floor(WithinReach(low) - 0.5)) + 1; }
int LastCentreUpTo(double high) { return static_cast<int>(std::floor(WithinReach(high) - 0.5)); }

// Whether two coordinates lie within a 64th of a pixel of each other.
bool WithinAGridStep(double a, double b) { return std::abs(b - a) * 64 < 1; }

// A corner moved down and left onto the 64th-of-a-pixel grid the fill works on.
QPointF OnGrid(QPointF corner) { return {std::floor(corner.x() * 64) / 64, std::floor(corner.y() * 64) / 64}; }

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
  target_ = image;
}

bool TBoltFill::Fill(const QLineF* segments, size_t count, qreal width, QRgb color) {
  if (target_ == nullptr || !(width > 1)) return false;
  spans_.clear();
  if (clip_.isEmpty() || qAlpha(color) == 0) return true;
  for (size_t index = 0; index < count; ++index) AddBand(segments[index], width / 2, clip_);
  if (spans_.empty()) return true;
  SortSpans();
  Blend(QColor::fromRgba(color).rgba64().premultiplied().toArgb32());
  return true;
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
  for (int row = firstRow; row <= lastRow; ++row) AddSpan(row, rectangle.left(), rectangle.right(), clip);
}

void TBoltFill::AddSpan(int row, double leftEdge, double rightEdge, const QRect& clip) {
  const int first = std::max(FirstCentreAbove(leftEdge), clip.left());
  const int last = std::min(LastCentreUpTo(rightEdge), clip.right());
  if (first <= last) spans_.push_back({row, first, last});
}

void TBoltFill::SortSpans() {
  // By row first (counting: a bolt covers few rows), then by left end within each row
  // (insertion: a bolt's segments mostly come left to right).
  const auto [lowest, highest] =
      std::minmax_element(spans_.begin(), spans_.end(), [](const TSpan& a, const TSpan& b) { return a.Row < b.Row; });
  const int top = lowest->Row;
  rowStarts_.assign(static_cast<size_t>(highest->Row - top) + 2, 0);
  for (const TSpan& span : spans_) ++rowStarts_[static_cast<size_t>(span.Row - top) + 1];
  for (size_t row = 1; row < rowStarts_.size(); ++row) rowStarts_[row] += rowStarts_[row - 1];
  sorted_.resize(spans_.size());
  rowNext_.assign(rowStarts_.begin(), rowStarts_.end() - 1);
  for (const TSpan& span : spans_) sorted_[static_cast<size_t>(rowNext_[static_cast<size_t>(span.Row - top)]++)] = span;
  for (size_t row = 0; row + 1 < rowStarts_.size(); ++row) {
    const auto begin = sorted_.begin() + rowStarts_[row], end = sorted_.begin() + rowStarts_[row + 1];
    for (auto it = begin; it != end; ++it)
      for (auto at = it; at != begin && (at - 1)->Left > at->Left; --at) std::iter_swap(at - 1, at);
  }
}

void TBoltFill::Blend(QRgb premultiplied) const {
  const uint32_t remaining = 255 - qAlpha(premultiplied);
  uchar* const pixels = target_->bits();
  const qsizetype rowBytes = target_->bytesPerLine();
  auto blendRun = [&](const TSpan& run) {
    auto* pixel = reinterpret_cast<uint32_t*>(pixels + run.Row * rowBytes) + run.Left;
    auto* const end = pixel + (run.Right - run.Left + 1);
    if (remaining == 0) {
      std::fill(pixel, end, premultiplied);
      return;
    }
    for (; pixel != end; ++pixel) *pixel = premultiplied + MultiplyBytes(*pixel, remaining);
  };
  // Runs that overlap or touch in a row are one run: each pixel once.
  TSpan run = sorted_.front();
  for (size_t index = 1; index < sorted_.size(); ++index) {
    const TSpan& span = sorted_[index];
    if (span.Row == run.Row && span.Left <= run.Right + 1) {
      run.Right = std::max(run.Right, span.Right);
      continue;
    }
    blendRun(run);
    run = span;
  }
  blendRun(run);
}
