// Stamped and batched pen drawings give exactly the pixels of stroking each drawing in place,
// one call per line, over a patterned background (so any difference in blending shows).

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <memory>
#include <vector>

#include "display/bolt_fill.h"
#include "display/dsp.h"
#include "display/line_effects.h"
#include "display/picture.h"
#include "frame/random.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

class SamePixelsTest : public ::testing::Test {
 protected:
  SamePixelsTest() {
    QImage pattern(400, 500, QImage::Format_ARGB32);
    for (int y = 0; y < 500; ++y)
      for (int x = 0; x < 400; ++x) pattern.setPixel(x, y, qRgb(70 + x % 40 * 3, 40 + y % 30 * 5, (x * y) % 251));
    SavePicture(pattern, dir.File("dat/x00"));
    dsp = std::make_unique<TDSP>(nullptr, 400, 500, 221, 20, "dat/x00", 1000);
  }

  // The background with draw(painter) stroked straight onto it.
  template <typename Draw>
  QImage Reference(Draw draw) const {
    QImage frame = dsp->Background().copy();
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return frame;
  }

  // The first differing pixel, for the failure message.
  static std::string FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, y) != b.pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    return "none";
  }

  TTempProgramDir dir;
  std::unique_ptr<TDSP> dsp;
};

TEST_F(SamePixelsTest, OutlinesAtAnyPlaceWidthAndColour) {
  auto* outline = new TDSPE_Flash(dsp.get(), 0, 0, 1000);
  struct TCase {
    float x, y;
  };
  // Whole and fractional centres, as the board's columns and odd rows give them, one partly off
  // the surface, and columns met again further down (where a stamp is reused).
  const TCase cases[] = {{100, 100}, {53.1769f, 45}, {37.5884f, 72}, {53.1769f, 477}, {390.5f, 18.25f},
                         {-5.3f, 480.7f}, {390.5f, 99.25f}};
  for (const TCase& place : cases)
    for (TARGB color : {MakeARGB(100, 255, 255, 0), MakeARGB(150, 255, 0, 0)})
      for (int width = 1; width <= 6; ++width) {
        outline->X = place.x;
        outline->Y = place.y;
        outline->SetColor(color);
        // The pen steps one width per update; two frames per width: a fresh stamp, then a reused one.
        for (int frame = 0; frame < 2; ++frame) {
          dsp->Render(0);
          const QImage expected = Reference([&](QPainter& painter) {
            const float x = place.x, y = place.y, r = TDSPE_Flash::kRadius, h = TDSPE_Flash::kHalfWidth;
            painter.setPen(GamePen(color, outline->PenWidth()));
            painter.drawPolygon(QPolygonF({QPointF(x, y - r), QPointF(x + h, y - r / 2), QPointF(x + h, y + r / 2),
                                           QPointF(x, y + r), QPointF(x - h, y + r / 2), QPointF(x - h, y - r / 2)}),
                                Qt::OddEvenFill);
          });
          ASSERT_EQ(dsp->BackBuffer(), expected)
              << place.x << "," << place.y << " width " << outline->PenWidth() << " at "
              << FirstDifference(dsp->BackBuffer(), expected);
        }
        outline->Update(1'000'000'000LL * width);
      }
}

// The ring as geometry: the pixels whose centres lie in the pen's band (radii 75 to 125 about
// the box's centre) between the start, 88 degrees, and the end, blended over the background.
// The fill follows the circles in chords, on Qt's grid of 64ths of a pixel, so a pixel whose
// centre lies within a twentieth of a pixel of an edge may go either way.
struct TRingGeometry {
  QPointF centre;
  double spanDegrees;

  static double Angle(QPointF from) { return std::atan2(-from.y(), from.x()) * 180 / M_PI; }
  bool Inside(QPointF pixel) const {
    const QPointF from = pixel - centre;
    const double distance = std::hypot(from.x(), from.y());
    if (distance < 75 || distance > 125) return false;
    if (std::abs(spanDegrees) >= 360) return true;
    const double turned = spanDegrees >= 0 ? Angle(from) - 88 : 88 - Angle(from);
    return std::fmod(turned + 720, 360) <= std::abs(spanDegrees);
  }
  bool NearEdge(QPointF pixel) const {
    constexpr double kNear = 0.05;
    const QPointF from = pixel - centre;
    const double distance = std::hypot(from.x(), from.y());
    auto offLine = [&](double degrees) {
      const double radians = degrees * M_PI / 180;
      return std::abs(from.x() * std::sin(radians) + from.y() * std::cos(radians));
    };
    return std::abs(distance - 75) < kNear || std::abs(distance - 125) < kNear || offLine(88) < kNear ||
           offLine(88 + spanDegrees) < kNear;
  }
};

class SamePixelsRingTest : public SamePixelsTest {
 protected:
  // Where the frame differs from the ring's geometry away from its edges, or "none".
  std::string RingDifference(float x, float y, double span16, uint8_t alpha) const {
    const TRingGeometry ring{QPointF(x + 100, y + 100), span16 / 16};
    QImage band(400, 500, QImage::Format_ARGB32_Premultiplied);
    band.fill(Qt::transparent);
    for (int py = 0; py < 500; ++py)
      for (int px = 0; px < 400; ++px)
        if (ring.Inside(QPointF(px + 0.5, py + 0.5)))
          band.setPixel(px, py, qPremultiply(MakeARGB(alpha, 255, 255, 255)));
    const QImage expected = Reference([&](QPainter& painter) { painter.drawImage(0, 0, band); });
    const QImage& frame = dsp->BackBuffer();
    for (int py = 0; py < 500; ++py)
      for (int px = 0; px < 400; ++px)
        if (frame.pixel(px, py) != expected.pixel(px, py) && !ring.NearEdge(QPointF(px + 0.5, py + 0.5)))
          return std::to_string(px) + "," + std::to_string(py);
    return "none";
  }
};

TEST_F(SamePixelsRingTest, RingStampedOrFilledInPlaceIsThePensBand) {
  auto* ring = new TDSPE_Arc(dsp.get(), 0, 100);
  struct TCase {
    float x, y, percent;
    uint8_t alpha;
  };
  const TCase cases[] = {{100, 100, 100, 30}, {100, 100, 64, 80}, {100, 100, 0.3f, 30},
                         {37.25f, 61.5f, 25, 30}, {100, 100, -40, 80}, {300, 420, 150, 30}};
  for (const TCase& look : cases) {
    ring->X = look.x;
    ring->Y = look.y;
    ring->Percent = look.percent;
    ring->Alpha = look.alpha;
    const double span = std::nearbyint(std::clamp(look.percent / 100.0 * 5760, -5760.0, 5760.0));
    // Filled in place on the first frame of a look, copied from its stamp afterwards.
    for (int frame = 0; frame < 3; ++frame) {
      dsp->Render(0);
      ASSERT_EQ(RingDifference(look.x, look.y, span, look.alpha), "none") << look.percent << "% frame " << frame;
    }
  }
}

// Draws nothing, but its look changes whenever asked, over the area given: the surface composes
// that area again, as it does where the held set moves over the ring.
class TRecompose : public TDSPElem {
 public:
  TRecompose(TDSP* dsp, QRect area) : TDSPElem(dsp, 1), area_(area) {}
  void Update(int64_t) override {}
  void Draw() override {}
  TDSPLook Look() const override { return {area_, {static_cast<double>(Count)}}; }
  int Count = 0;

 private:
  QRect area_;
};

TEST_F(SamePixelsTest, RingCountingDownFrameByFrameRedrawsOnlyWhereItChanges) {
  // The same ring filled afresh every frame (a new one, which has no stamp) on a twin surface
  // that composes its whole frame every frame.
  TDSP whole(nullptr, 400, 500, 221, 20, "dat/x00", 1000);
  auto* always = new TRecompose(&whole, QRect(0, 0, 400, 500));
  auto* ring = new TDSPE_Arc(dsp.get(), 0, 100);
  ring->X = ring->Y = 100;
  // Each step is followed by frames that compose part of the ring again from its stamp: the
  // stamp must have followed every step.
  auto* over = new TRecompose(dsp.get(), QRect(60, 60, 300, 300));
  // The countdown takes a degree or so off each step, all the way round and past the start;
  // the hurry-up brightens it now and then. Steps come a slow frame apart (the clock counts
  // milliseconds), so the ring takes every one.
  int64_t now = 0;
  for (int span = 5760, step = 0; span >= -5760; span -= 19, ++step) {
    ring->Percent = static_cast<float>(span * 100.0 / 5760);
    ring->Alpha = step % 50 < 5 ? 80 : 30;
    for (int frame = 0; frame < 1 + step % 3; ++frame) {
      dsp->Render(now += 50);
      const std::unique_ptr<TDSPE_Arc> afresh = std::make_unique<TDSPE_Arc>(&whole, 0, 100);
      afresh->X = afresh->Y = 100;
      afresh->Percent = ring->Percent;
      afresh->Alpha = ring->Alpha;
      whole.Render(now);
      ASSERT_EQ(dsp->BackBuffer(), whole.BackBuffer())
          << "span " << span << " frame " << frame << " at " << FirstDifference(dsp->BackBuffer(), whole.BackBuffer());
      over->Count += 1;
      always->Count += 1;
    }
  }
}

// Lines that cannot show (off the surface, beyond any pixel number, not numbers at all, of no
// length) change nothing and stop nothing.
TEST_F(SamePixelsTest, LinesThatCannotShowChangeNothing) {
  const double huge = 1e30, nan = std::nan(""), inf = INFINITY;
  const QLineF lines[] = {{-500, -500, -400, -450}, {huge, 10, huge + 8, 12}, {10, -huge, 12, huge},
                          {nan, 10, 20, 10},        {10, 10, inf, 12},        {30, 30, 30, 30}};
  QImage image = dsp->Background().copy();
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  TBoltFill fill;
  fill.Begin(painter);
  for (const QLineF& line : lines) EXPECT_TRUE(fill.Fill(&line, 1, 3, 0xFFFFFFFF));
  painter.end();
  // The one that does run down the whole surface fills a few columns there and nothing else.
  QPainter(&image).drawImage(QPoint(7, 0), dsp->Background().copy(7, 0, 8, image.height()));
  EXPECT_EQ(image, dsp->Background()) << "changed at " << FirstDifference(image, dsp->Background());
}

// A spark's twinkle is one short line of a wide pen in one of eight directions (or a dot, which
// a flat-ended pen does not draw): filled, it has exactly the pixels of Qt's stroke.
TEST_F(SamePixelsTest, SparksOfEveryDirectionAndWidth) {
  for (int width = 0; width <= 4; ++width) {
    auto* sparks = new TDSPE_Spark(dsp.get(), 0, 0xC0FFD040, 200, 250, 120, -40, 60, 100, width, false);
    dsp->Render(0);
    RandomSeed(width + 3);
    dsp->Render(700);
    RandomSeed(width + 3);
    std::vector<TParticle> particles = sparks->Particles;
    const QImage expected = Reference([&](QPainter& painter) {
      QPen pen = GamePen(0, width);
      for (const TParticle& particle : particles) {
        if ((particle.PColor >> 24) <= 64) continue;
        const qreal dx = (Random(3) - 1) * pen.widthF();
        const qreal dy = (Random(3) - 1) * pen.widthF();
        pen.setColor(QColor::fromRgba(particle.PColor));
        painter.setPen(pen);
        painter.drawLine(QPointF(particle.PX, particle.PY), QPointF(particle.PX + dx, particle.PY + dy));
      }
    });
    ASSERT_EQ(dsp->BackBuffer(), expected)
        << "width " << width << " at " << FirstDifference(dsp->BackBuffer(), expected);
    delete sparks;
  }
}

// A wide pen's bolt is filled as one shape, each pixel blended once; stroked segment by segment,
// a pixel is blended once for every segment that covers it. So the two agree wherever one
// segment covers a pixel, and where n segments overlap (at joints) stroking is the fill blended
// n - 1 more times. Thin pens are still stroked by Qt, pixel for pixel.
TEST_F(SamePixelsTest, BoltsDifferFromStrokingSegmentBySegmentOnlyWhereSegmentsOverlap) {
  for (int width = 0; width <= 4; ++width) {
    for (int seed = 0; seed < 12; ++seed) {
      auto* lightning =
          new TDSPE_Lightning(dsp.get(), 0, 0xFFDCDCFF, 15, 300, 385, 280, width, width, 8, 7, 1, nullptr, false);
      RandomSeed(100 * width + seed);
      dsp->Render(0);
      const QImage filled = dsp->BackBuffer().copy();
      RandomSeed(100 * width + seed);
      std::vector<QLineF> segments;
      QPen pen;
      const QImage stroked = Reference([&](QPainter& painter) {
        const TARGB color = (TARGB(Random(255)) << 24) | 0xDCDCFF;
        pen = GamePen(color, width + Random(1));
        painter.setPen(pen);
        lightning->WalkBolt(segments);
        for (const QLineF& segment : segments) painter.drawLine(segment);
      });
      delete lightning;
      // How many segments cover each pixel, counted in the alpha channel.
      QImage covers(filled.size(), QImage::Format_ARGB32_Premultiplied);
      covers.fill(0);
      {
        QPainter counter(&covers);
        counter.setCompositionMode(QPainter::CompositionMode_Plus);
        counter.setPen(GamePen(MakeARGB(1, 0, 0, 0), pen.widthF()));
        for (const QLineF& segment : segments) counter.drawLine(segment);
      }
      int overlaps = 0;
      for (int y = 0; y < stroked.height(); ++y)
        for (int x = 0; x < stroked.width(); ++x) {
          const int count = qAlpha(covers.pixel(x, y));
          if (count < 2 || width < 2) {
            ASSERT_EQ(filled.pixel(x, y), stroked.pixel(x, y))
                << "width " << width << " seed " << seed << " at " << x << "," << y << " under " << count;
            continue;
          }
          ++overlaps;
          QImage more = filled.copy(x, y, 1, 1);
          for (int extra = 1; extra < count; ++extra) QPainter(&more).fillRect(0, 0, 1, 1, pen.color());
          ASSERT_EQ(more.pixel(0, 0), stroked.pixel(x, y)) << "blended " << count - 1 << " more at " << x << "," << y;
        }
      if (width >= 2) {
        EXPECT_GT(overlaps, 0) << "joints overlap";
      }
    }
  }
}

}  // namespace
