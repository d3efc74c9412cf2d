#include "display/line_effects.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include <QPainter>

#include "frame/frame_pace.h"
#include "frame/random.h"
#include "frame/rounding.h"

namespace {
// Whether a drawing placed at (x, y) over area can show on the painter's target at all.
bool Shows(const QPainter& painter, float x, float y, const QRect& area) {
  if (!std::isfinite(x) || !std::isfinite(y)) return false;
  return area.intersects(QRect(0, 0, painter.device()->width(), painter.device()->height()));
}

// A unit step at an angle in degrees anticlockwise from three o'clock, on a surface whose y
// runs down.
QPointF UnitAt(double degrees) {
  const double radians = degrees * M_PI / 180;
  return {std::cos(radians), -std::sin(radians)};
}

// Random(n + 1) for a range that may already be at the top of int32.
int32_t RandomUpTo(int32_t highest) {
  return Random(highest < std::numeric_limits<int32_t>::max() ? highest + 1 : highest);
}
}  // namespace

// ---- TDSPE_Flash ----

TDSPE_Flash::TDSPE_Flash(TDSP* dsp, int32_t layer, TARGB color, int64_t interval)
    : TDSPElem(dsp, layer), color_(color), pen_(GamePen(color, 1)), interval_(interval) {
  X = -100;
  Y = -100;
}

void TDSPE_Flash::Update(int64_t now) {
  if (now - lastStep_ <= interval_) return;
  penWidth_ = penWidth_ > 5 ? 1 : penWidth_ + 1;
  pen_.setWidthF(penWidth_);
  lastStep_ = now;
}

void TDSPE_Flash::Draw() {
  QPainter& canvas = DSP->Canvas();
  if (!Shows(canvas, X, Y, Area())) return;
  // A held set's outlines pulse through six widths in two colours on the cells under the
  // mouse: few looks, each stroked once. Board rows lie a whole number of pixels apart, so one
  // stamp serves a whole column: the same drawing moved by whole pixels (only for whole-pixel
  // heights, where moving the corners up or down is exact in float arithmetic too).
  using TKey = std::tuple<float, QRgb, float, float>;
  static TStampCache<TKey> stamps(512);
  const QRect area = Area();
  const float row = Y == std::floor(Y) ? 0.0f : Y;
  const TStamp& stamp =
      stamps.Find({penWidth_, color_, X, row}, area, [this](QPainter& painter) { DrawOutline(painter); });
  stamp.CopyTo(canvas, QPoint(0, area.top() - stamp.Area().top()));
}

QRect TDSPE_Flash::Area() const {
  return TDSPLook::Cover(QRectF(X - kOutlineReach, Y - kOutlineReach, 2 * kOutlineReach, 2 * kOutlineReach));
}

TDSPLook TDSPE_Flash::Look() const { return {Area(), {X, Y, penWidth_, static_cast<double>(color_)}}; }

bool TDSPE_Flash::SlowChange(const TDSPLook& before, const TDSPLook& now) const {
  return before.Area == now.Area && before.State[0] == now.State[0] && before.State[1] == now.State[1] &&
         before.State[3] == now.State[3];
}

void TDSPE_Flash::DrawOutline(QPainter& painter) const {
  const float x = X;
  const float y = Y;
  const QPolygonF outline({QPointF(x, y - kRadius), QPointF(x + kHalfWidth, y - kRadius / 2),
                           QPointF(x + kHalfWidth, y + kRadius / 2), QPointF(x, y + kRadius),
                           QPointF(x - kHalfWidth, y + kRadius / 2), QPointF(x - kHalfWidth, y - kRadius / 2)});
  painter.setPen(pen_);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(outline, Qt::OddEvenFill);
}

void TDSPE_Flash::SetColor(TARGB color) {
  if (color == color_) return;
  color_ = color;
  pen_.setColor(QColor::fromRgba(color));
}

// ---- TDSPE_Arc ----

TDSPE_Arc::TDSPE_Arc(TDSP* dsp, int32_t layer, int32_t percent)
    : TDSPElem(dsp, layer), Percent(static_cast<float>(percent)), shownPercent_(Percent) {}

void TDSPE_Arc::Update(int64_t now) {
  const auto stepTicks = static_cast<int64_t>(SlowStepSeconds() * static_cast<double>(DSP->Frequency()));
  const bool waits =
      shownPercent_ == Percent || (RunningDownStep(shownPercent_, Percent) && now - steppedAt_ < stepTicks);
  if (stepped_ && waits) return;
  shownPercent_ = Percent;
  steppedAt_ = now;
  stepped_ = true;
}

bool TDSPE_Arc::RunningDownStep(float shown, float wanted) {
  // A countdown of a second and a half moves the ring 3.4 % in a slow frame.
  constexpr float kMostStep = 6.25f;
  if (std::isnan(shown) || std::isnan(wanted) || (shown < 0) != (wanted < 0)) return false;
  const float shrink = std::abs(shown) - std::abs(wanted);
  return shrink > 0 && shrink <= kMostStep;
}

TDSPE_Arc::TLook TDSPE_Arc::CurrentLook() const {
  // Qt counts angles anticlockwise in sixteenths of a degree; more than a full turn is a full
  // ring.
  constexpr int kFullTurn = 360 * 16;
  const double span = std::clamp(shownPercent_ / 100.0 * kFullTurn, double(-kFullTurn), double(kFullTurn));
  return {Alpha, RoundHalfEven32(span), X, Y};
}

void TDSPE_Arc::Draw() {
  if (std::isnan(shownPercent_)) return;
  QPainter& canvas = DSP->Canvas();
  if (!Shows(canvas, X, Y, Area())) return;
  const TLook look = CurrentLook();
  if (look == lastLook_) {
    // Brought up to date where the ring changed since the stamp was drawn, which for a ring
    // running down is a little around its end.
    auto draw = [&](QPainter& painter) { DrawRing(painter, look); };
    if (!stamp_.Made()) {
      stamp_.Make(Area(), draw);
    } else if (!stampStale_.isEmpty()) {
      stamp_.Amend(stampStale_, draw);
    }
    stampStale_ = QRegion();
    stamp_.CopyTo(canvas);
    return;
  }
  if (look.Alpha == lastLook_.Alpha && look.X == lastLook_.X && look.Y == lastLook_.Y) {
    stampStale_ += SpanChange(Area(), lastLook_.Span, look.Span);
  } else {
    stamp_.Forget();
    stampStale_ = QRegion();
  }
  lastLook_ = look;
  DrawRing(canvas, look);
}

QRect TDSPE_Arc::Area() const {
  const float reach = kPenWidth / 2;
  return TDSPLook::Cover(QRectF(X - reach, Y - reach, kBoxSize + 2 * reach, kBoxSize + 2 * reach));
}

TDSPLook TDSPE_Arc::Look() const {
  if (std::isnan(shownPercent_)) return {};
  const TLook look = CurrentLook();
  return {Area(), {look.X, look.Y, static_cast<double>(look.Alpha), static_cast<double>(look.Span)}};
}

bool TDSPE_Arc::SlowChange(const TDSPLook& before, const TDSPLook& now) const {
  return !before.Area.isEmpty() && before.Area == now.Area && before.State[0] == now.State[0] &&
         before.State[1] == now.State[1] && before.State[2] == now.State[2];
}

QRegion TDSPE_Arc::Difference(const TDSPLook& before, const TDSPLook& now) const {
  // A change of span only is a slow one.
  if (!SlowChange(before, now)) return TDSPElem::Difference(before, now);
  return SpanChange(now.Area, before.State[3], now.State[3]);
}

QRegion TDSPE_Arc::SpanChange(const QRect& box, double spanBefore, double spanNow) {
  // The outline differs only from the grid point before the nearer end to the further end, on
  // either side of the start; half a degree more each way takes in the pixels whose centres lie
  // within a pixel of the changed edges.
  constexpr double kSlack = kGridDegrees + 0.5;
  const double endBefore = kStartDegrees + spanBefore / 16, endNow = kStartDegrees + spanNow / 16;
  const auto [least, most] = std::minmax(endBefore, endNow);
  return QRegion(RingSector(QRectF(box).center(), least - kSlack, most + kSlack) & box);
}

QRect TDSPE_Arc::RingSector(QPointF centre, double fromDegrees, double toDegrees) {
  // The pen's band with a pixel to spare each side.
  constexpr double kInner = kBoxSize / 2 - kPenWidth / 2 - 1, kOuter = kBoxSize / 2 + kPenWidth / 2 + 1;
  QPointF least(centre), most(centre);
  bool any = false;
  auto take = [&](double degrees, double radius) {
    const QPointF point = centre + radius * UnitAt(degrees);
    least = any ? QPointF(std::min(least.x(), point.x()), std::min(least.y(), point.y())) : point;
    most = any ? QPointF(std::max(most.x(), point.x()), std::max(most.y(), point.y())) : point;
    any = true;
  };
  for (double radius : {kInner, kOuter}) {
    take(fromDegrees, radius);
    take(toDegrees, radius);
  }
  // The circle's furthest points in each direction the sector spans.
  for (double axis = std::ceil(fromDegrees / 90) * 90; axis <= toDegrees; axis += 90) take(axis, kOuter);
  return TDSPLook::Cover(QRectF(least, most));
}

std::pair<double, double> TDSPE_Arc::TurnWithin(QPointF centre, int direction, const QRectF& reach) {
  constexpr std::pair<double, double> kAllRound{0, 360};
  if (reach.isEmpty() || reach.contains(centre)) return kAllRound;
  // Seen from the centre, a rectangle that does not hold it spans less than half a turn, from
  // one of its corners to another.
  auto turn = [&](QPointF point) {
    return direction * (std::atan2(centre.y() - point.y(), point.x() - centre.x()) * 180 / M_PI - kStartDegrees);
  };
  const double middle = turn(reach.center());
  double least = 0, most = 0;
  for (QPointF corner : {reach.topLeft(), reach.topRight(), reach.bottomLeft(), reach.bottomRight()}) {
    const double off = std::remainder(turn(corner) - middle, 360);
    least = std::min(least, off);
    most = std::max(most, off);
  }
  const double from = middle + least - 360 * std::floor((middle + least) / 360);
  const double to = from + (most - least);
  // Across the start the piece would be two; the whole ring is drawn then.
  if (!(most - least < 180) || to >= 360) return kAllRound;
  return {from, to};
}

QPolygonF TDSPE_Arc::RingOutline(const TLook& look, const QRectF& reach) {
  // Unit vectors every grid step from the start, anticlockwise for k >= 0, clockwise below.
  constexpr int kSteps = static_cast<int>(360 / kGridDegrees);
  static const std::vector<QPointF> grid = [] {
    std::vector<QPointF> points;
    for (int k = -kSteps; k <= kSteps; ++k) points.push_back(UnitAt(kStartDegrees + k * kGridDegrees));
    return points;
  }();
  const double degrees = look.Span / 16.0;
  const int direction = degrees < 0 ? -1 : 1;
  const int whole = std::min(static_cast<int>(std::abs(degrees) / kGridDegrees), kSteps);
  const QPointF centre(look.X + kBoxSize / 2, look.Y + kBoxSize / 2);
  // Only the piece that reach sees, and a degree more each way: its cut edges lie more than a
  // pixel from anything in reach, and its other edges are the whole outline's.
  const auto [from, to] = TurnWithin(centre, direction, reach);
  constexpr double kBeyond = 1;
  const int first = std::max(static_cast<int>(std::floor((from - kBeyond) / kGridDegrees)), 0);
  const int last = static_cast<int>(std::ceil((to + kBeyond) / kGridDegrees));
  if (first > whole) return {};
  const bool toEnd = last > whole && whole * kGridDegrees != std::abs(degrees);
  const int lastOnGrid = std::min(last, whole);
  constexpr double kOuter = kBoxSize / 2 + kPenWidth / 2, kInner = kBoxSize / 2 - kPenWidth / 2;
  QPolygonF outline;
  outline.reserve(2 * (lastOnGrid - first) + 4);
  auto along = [&](int k) { return grid[static_cast<size_t>(kSteps + direction * k)]; };
  for (int k = first; k <= lastOnGrid; ++k) outline << centre + kOuter * along(k);
  if (toEnd) {
    const QPointF end = UnitAt(kStartDegrees + degrees);
    outline << centre + kOuter * end << centre + kInner * end;
  }
  for (int k = lastOnGrid; k >= first; --k) outline << centre + kInner * along(k);
  return outline;
}

void TDSPE_Arc::DrawRing(QPainter& painter, const TLook& look) {
  if (look.Span == 0) return;
  QRect rows = Area();
  if (painter.hasClipping()) rows &= painter.clipBoundingRect().toAlignedRect();
  if (rows.isEmpty()) return;
  const QPolygonF outline = RingOutline(look, rows);
  if (outline.isEmpty()) return;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgba(MakeARGB(look.Alpha, 255, 255, 255)));
  // Qt hands a fill of more than about a hundred row pieces to worker threads and waits for
  // them; on a small machine the hand-over costs more than the fill. Filled in bands of rows
  // (at most two pieces a row) the ring stays on this thread. A clip only picks whole pixels,
  // so the bands add up to the same picture.
  constexpr int kBandRows = 45;
  if (rows.height() <= kBandRows) {
    painter.drawPolygon(outline, Qt::WindingFill);
  } else {
    const QRegion clip = painter.hasClipping() ? painter.clipRegion() : QRegion(rows);
    for (int top = rows.top(); top <= rows.bottom(); top += kBandRows) {
      painter.setClipRegion(clip & QRect(rows.left(), top, rows.width(), kBandRows));
      painter.drawPolygon(outline, Qt::WindingFill);
    }
  }
  painter.restore();
}

// ---- TDSPE_Lightning ----

TDSPE_Lightning::TDSPE_Lightning(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float endX,
                                 float targetY, int32_t minWidth, int32_t maxWidth, int32_t spread,
                                 int32_t jitter, int32_t bolts, TEvent<float>::Handler onFinish, bool finite)
    : TDSPElem(dsp, layer),
      OnFinish(std::move(onFinish)),
      MinWidth(minWidth),
      MaxWidth(maxWidth),
      Spread(spread),
      Jitter(jitter),
      Color(color),
      EndX(endX),
      TargetY(targetY),
      pen_(GamePen(color, 2)),
      bolts_(finite ? 0 : bolts),
      boltLimit_(bolts),
      finite_(finite) {
  X = x;
  Y = y;
}

TDSPE_Lightning::~TDSPE_Lightning() {
  if (!DSP->Closing()) OnFinish(Y);
}

void TDSPE_Lightning::Update(int64_t now) {
  if (!finite_) return;
  const double tenth = 0.1 * static_cast<double>(DSP->Frequency());
  if (static_cast<double>(lastStep_) >= static_cast<double>(now) - tenth) return;
  lastStep_ = now;
  bolts_ += 3;
}

void TDSPE_Lightning::Draw() {
  QPainter& canvas = DSP->Canvas();
  boltFill_.Begin(canvas);
  for (int32_t bolt = 0; bolt < bolts_; ++bolt) {
    pen_.setColor(QColor::fromRgba(WithAlpha(Color, MinAlpha + Random(255 - MinAlpha))));
    pen_.setWidthF(PickPenWidth());
    WalkBolt(segments_);
    if (qAlpha(Halo) > 0) {
      QPen halo = pen_;
      halo.setColor(QColor::fromRgba(Halo));
      halo.setWidthF(pen_.widthF() + 2);
      DrawSegments(canvas, halo);
    }
    DrawSegments(canvas, pen_);
  }
  if (finite_ && bolts_ >= boltLimit_) End();
}

void TDSPE_Lightning::DrawSegments(QPainter& canvas, const QPen& pen) {
  // A wide pen's bolt is one shape; Qt would stroke it segment by segment.
  if (boltFill_.Fill(segments_.data(), segments_.size(), pen.widthF(), pen.color().rgba())) return;
  canvas.setPen(pen);
  // Qt draws a one-pixel pen's joined segments without repeating the pixel they share, which
  // would make a translucent bolt lighter at its joints: thin pens go segment by segment.
  if (pen.widthF() > 1) {
    canvas.drawLines(segments_.data(), static_cast<int>(segments_.size()));
  } else {
    for (const QLineF& segment : segments_) canvas.drawLine(segment);
  }
}

TDSPLook TDSPE_Lightning::Look() const {
  if (bolts_ > 0) return TDSPLook::Everywhere();
  // Without bolts it shows nothing, but a finite one ends in its Draw.
  TDSPLook look;
  look.Restless = finite_;
  return look;
}

qreal TDSPE_Lightning::PickPenWidth() const {
  // A width range turned upside down is taken as MinWidth alone.
  const int64_t lowest = MinWidth;
  const int64_t choices = std::max<int64_t>(int64_t(MaxWidth) - lowest + 1, 1);
  const auto pick = Random(static_cast<int32_t>(std::min<int64_t>(choices, std::numeric_limits<int32_t>::max())));
  return static_cast<qreal>(std::max<int64_t>(lowest + pick, 0));
}

void TDSPE_Lightning::WalkBolt(std::vector<QLineF>& segments) const {
  segments.clear();
  // A bolt across the playing field takes a few hundred segments at most. A far longer one, or
  // one so far from the origin that a step of a pixel is lost in rounding, jumps to its end
  // rather than stall the frame.
  constexpr int kMostSegments = 4096;
  if (!std::isfinite(X) || !std::isfinite(Y) || !std::isfinite(EndX) || !std::isfinite(TargetY)) return;
  // A negative spread or a jitter below 1 would leave no random range: clamped to 0 and 1.
  const int32_t spread = std::clamp(Spread, 0, std::numeric_limits<int32_t>::max() - 1);
  const int32_t jitter = std::clamp(Jitter, 1, std::numeric_limits<int32_t>::max() - 1);
  const float halfSpread = static_cast<float>(spread) / 2;
  const float halfJitter = static_cast<float>(jitter) / 2;
  const float pull = static_cast<float>(jitter) / 10;
  float a = X;
  float b = static_cast<float>(RandomUpTo(spread)) + Y - halfSpread;
  for (int segment = 1;; ++segment) {
    float c = static_cast<float>(Random(jitter) + 1) + a;
    float d = static_cast<float>(RandomUpTo(jitter)) + b - halfJitter;
    if (d > TargetY) {
      d -= pull;
    } else if (d < TargetY) {
      d += pull;
    }
    // Landing exactly on EndX also ends near TargetY.
    if (c >= EndX || segment >= kMostSegments) {
      c = EndX;
      d = static_cast<float>(RandomUpTo(spread)) + TargetY - halfSpread;
    }
    segments.emplace_back(QPointF(a, b), QPointF(c, d));
    if (c == EndX) return;
    a = c;
    b = d;
  }
}
