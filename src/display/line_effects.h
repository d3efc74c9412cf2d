#pragma once
// Display elements drawn with a pen: the pulsing hexagon cursor, the countdown ring, spark
// bursts, the rising plume and lightning bolts. Each is heap-allocated and registers with its
// surface; a spark burst without respawn and a finite lightning end themselves in their own
// Draw (the surface frees them once that frame is out).

#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <cstdint>
#include <utility>
#include <vector>

#include "display/bolt_fill.h"
#include "display/dsp.h"
#include "display/element_time.h"
#include "display/picture.h"
#include "display/stamp.h"
#include "frame/events.h"

// The cursor that marks a hexagon: an outline centred on (X, Y) whose line width steps
// 1, 2, ... 6, 1, ... once per Interval ticks.
class TDSPE_Flash : public TDSPElem {
 public:
  // Starts off the surface at (-100, -100) until the caller moves it.
  TDSPE_Flash(TDSP* dsp, int32_t layer, TARGB color, int64_t interval);

  void Update(int64_t now) override;
  void Draw() override;

  void SetColor(TARGB color);
  float PenWidth() const { return penWidth_; }
  int64_t Interval() const { return interval_; }
  // The pixels the outline may touch at its present place, with room for the widest pen.
  QRect Area() const;
  TDSPLook Look() const override;
  // Only the pen's pulse, in the same place and colour.
  bool SlowChange(const TDSPLook& before, const TDSPLook& now) const override;

  // Corners point up and down; 15.5884572 is 18 x sqrt(3) / 2.
  static constexpr float kRadius = 18;
  static constexpr float kHalfWidth = 15.5884572f;
  // The widest pen's miter corners stay within this many pixels of the centre.
  static constexpr float kOutlineReach = 23;

 private:
  void DrawOutline(QPainter& painter) const;

  int64_t lastStep_ = 0;
  // The pen's colour, kept apart: the held set's outlines are given theirs on every move of
  // the mouse, and the pen is changed only when it differs.
  TARGB color_;
  QPen pen_;
  float penWidth_ = 1;
  int64_t interval_;
};

// The countdown ring: a thick translucent white arc in the 200 x 200 box whose top-left corner
// is (X, Y), covering radii 75 to 125 about its centre. It starts just right of twelve o'clock
// and runs anticlockwise for Percent of the full circle.
class TDSPE_Arc : public TDSPElem {
 public:
  TDSPE_Arc(TDSP* dsp, int32_t layer, int32_t percent);

  // Takes up Percent. Running down, the ring moves a little every frame; it takes such a step at
  // most once a slow frame (SlowStepSeconds), so that the frames composed for something else
  // (the held set following the mouse, at the full rate) leave it alone. Any other change (a
  // jump, growing back, a sign change) shows at once.
  void Update(int64_t now) override;
  // A look seen the frame before is copied from a stamp; a new look is filled in place. The
  // stamp is filled again only where the ring changed since, so a ring that takes a step every
  // few frames (while the frames in between show the held set moving over it) is filled twice
  // a step at most, each time only around its end.
  void Draw() override;

  // The pixels the ring may touch at its present place.
  QRect Area() const;
  TDSPLook Look() const override;
  // A ring that only grew or shrank differs only between its two ends (RingOutline), a jump back
  // to full all the way round from one end to the other.
  QRegion Difference(const TDSPLook& before, const TDSPLook& now) const override;
  // Only the ring running down or up, in the same place and brightness: a brightening (the
  // hurry-up's beat) is not slow.
  bool SlowChange(const TDSPLook& before, const TDSPLook& now) const override;

  static constexpr float kBoxSize = 200;
  static constexpr float kPenWidth = 50;
  // Just right of twelve o'clock (degrees anticlockwise from three o'clock); a positive span
  // runs anticlockwise from there.
  static constexpr double kStartDegrees = 88;
  static constexpr double kGridDegrees = 1;

  // Set by the caller as the countdown runs.
  uint8_t Alpha = 30;
  float Percent;

 private:
  // Everything that decides the ring's pixels.
  struct TLook {
    uint8_t Alpha;
    int32_t Span;  // sixteenths of a degree
    float X, Y;
    bool operator==(const TLook&) const = default;
  };
  TLook CurrentLook() const;
  // The band of the pen from the start to the end of the span: its curves are chords between
  // points a grid step apart, counted from the start, and a last piece to the end. A step of
  // the end moves only the last piece, and since the fill is aliased (a pixel is the ring's
  // when its centre lies inside) no pixel further back changes. Only the piece that shows in
  // reach is given (filled, it has the same pixels there), or nothing when none does.
  static QPolygonF RingOutline(const TLook& look, const QRectF& reach);
  // The stretch of the turn from the start (degrees along the ring, 0 to 360) that reach sees
  // from centre: all of it when reach holds the centre or lies across the start.
  static std::pair<double, double> TurnWithin(QPointF centre, int direction, const QRectF& reach);
  void DrawRing(QPainter& painter, const TLook& look);
  // True when going from percent shown to wanted is a small step of running down.
  static bool RunningDownStep(float shown, float wanted);
  // The pixels of the ring in box (its Area) that may differ between two spans.
  static QRegion SpanChange(const QRect& box, double spanBefore, double spanNow);
  // The pixels of the ring's band between two angles (degrees anticlockwise from three
  // o'clock, from before to) about centre.
  static QRect RingSector(QPointF centre, double fromDegrees, double toDegrees);

  // The share of the circle shown, and when it last changed (clock ticks).
  float shownPercent_;
  int64_t steppedAt_ = 0;
  bool stepped_ = false;
  TLook lastLook_{};
  TStamp stamp_;
  // Where the stamp no longer shows lastLook_.
  QRegion stampStale_;
};

// One spark or plume particle. Speeds in pixels per second, positive VY downward; the colour's
// alpha is the particle's remaining life.
struct TParticle {
  float PX = 0;
  float PY = 0;
  float VX = 0;
  float VY = 0;
  TARGB PColor = 0;
};

// A burst of sparks from (X, Y), each starting at no more than Speed pixels per second in a
// random quadrant, slowed horizontally by Drag, pulled down by Gravity and fading at FadeRate
// alpha per second. Without Respawn it frees itself once every spark has faded. Hidden, it is
// frozen (the gap counts as one long step when shown again).
class TDSPE_Spark : public TDSPElem {
 public:
  // The last flag is accepted for the callers' sake and has no effect.
  TDSPE_Spark(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float speed, float drag, float gravity,
              int32_t count, int32_t penWidth, bool respawn, bool unused = true);

  void Update(int64_t now) override;
  // Ends the element (TDSPElem::End) on its last frame.
  void Draw() override;
  TDSPLook Look() const override;

  // Re-seeds one particle at (X, Y); an index outside the burst is ignored.
  void ResetParticle(int32_t index);

  std::vector<TParticle> Particles;
  float Drag;
  float Gravity;
  float FadeRate = 128;
  bool Respawn;
  TARGB Color;
  float Speed;

 private:
  TElementClock clock_;
  QPen pen_;
  // Wide pens' twinkles, filled.
  TBoltFill fill_;
};

// A plume of particles rising from (X, Y) at Speed pixels per second, fading at FadeRate alpha
// per second and starting again when spent. It never ends by itself. Hidden, it is frozen.
class TDSPE_Temp : public TDSPElem {
 public:
  TDSPE_Temp(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float speed, int32_t count,
             int32_t penWidth);

  void Update(int64_t now) override;
  void Draw() override;
  TDSPLook Look() const override;

  // Re-seeds one particle at (X, Y); an index outside the plume is ignored.
  void ResetParticle(int32_t index);

  std::vector<TParticle> Particles;
  float FadeRate = 64;
  TARGB Color;
  float Speed;

 private:
  TElementClock clock_;
  QPen pen_;
  // Wide pens' twinkles, filled.
  TBoltFill fill_;
};

// Random lightning bolts from x = X (y near Y) to x = EndX (y near TargetY), Bolts of them per
// frame, each with a random translucency of at least MinAlpha and a pen width in
// MinWidth..MaxWidth, laid on a darker Halo two pixels wider when the halo is not transparent. A finite one
// starts with no bolts, adds three every tenth of a second, frees itself once it reaches the
// bolt count it was made with and reports OnFinish(Y) from its destructor.
class TDSPE_Lightning : public TDSPElem {
 public:
  TDSPE_Lightning(TDSP* dsp, int32_t layer, TARGB color, float x, float y, float endX, float targetY,
                  int32_t minWidth, int32_t maxWidth, int32_t spread, int32_t jitter, int32_t bolts,
                  TEvent<float>::Handler onFinish, bool finite);
  ~TDSPE_Lightning() override;

  void Update(int64_t now) override;
  // Ends the element (TDSPElem::End) on its last frame.
  void Draw() override;
  // Bolts may wander anywhere on the surface.
  TDSPLook Look() const override;

  // Walks one random bolt into segments (emptied first), one straight line each.
  void WalkBolt(std::vector<QLineF>& segments) const;

  int32_t Bolts() const { return bolts_; }
  int32_t BoltLimit() const { return boltLimit_; }
  bool Finite() const { return finite_; }

  TEvent<float> OnFinish;
  int32_t MinWidth;
  int32_t MaxWidth;
  // Bolts start and end at most Spread / 2 pixels above or below their given y.
  int32_t Spread;
  // Each segment advances 1..Jitter pixels and wanders up to Jitter / 2 pixels up or down.
  int32_t Jitter;
  TARGB Color;
  float EndX;
  float TargetY;
  uint8_t MinAlpha = 0;
  TARGB Halo = 0;

 private:
  qreal PickPenWidth() const;
  void DrawSegments(QPainter& canvas, const QPen& pen);

  int64_t lastStep_ = 0;
  QPen pen_;
  // Reused from bolt to bolt, so drawing allocates nothing once it has grown.
  std::vector<QLineF> segments_;
  TBoltFill boltFill_;
  int32_t bolts_;
  int32_t boltLimit_;
  bool finite_;
};
