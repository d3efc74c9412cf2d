#include "display/line_effects.h"

#include <cmath>
#include <limits>
#include <vector>

#include "display/element_fixture.h"

namespace {
constexpr uint32_t kRed = 0xFFFF0000;

bool Lit(uint32_t argb) { return (argb & 0x00FFFFFFu) != 0; }
int Life(const TParticle& particle) { return static_cast<int>(particle.PColor >> 24); }

struct TSegment {
  QPointF from;
  QPointF to;
};

std::vector<TSegment> WalkOneBolt(const TDSPE_Lightning& lightning) {
  std::vector<TSegment> segments;
  std::vector<QLineF> lines;
  lightning.WalkBolt(lines);
  for (const QLineF& line : lines) segments.push_back({line.p1(), line.p2()});
  return segments;
}
}  // namespace

TEST_F(ElementTest, CursorWidthStepsAfterMoreThanAnIntervalAndWrapsAfterSix) {
  auto* cursor = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency / 10);
  std::vector<float> widths;
  for (double seconds : {0.0, 0.05, 0.1, 0.201, 0.302, 0.403, 0.504, 0.605, 0.706, 100.0}) {
    cursor->Update(At(seconds));
    widths.push_back(cursor->PenWidth());
  }
  EXPECT_EQ(widths, (std::vector<float>{2, 2, 2, 3, 4, 5, 6, 1, 2, 3}));
}

TEST_F(ElementTest, CursorOutlinePassesThroughTheSixCornersOnly) {
  auto* cursor = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency);
  EXPECT_EQ(cursor->X, -100);
  cursor->X = 100;
  cursor->Y = 100;
  dsp->DrawElemOnBackground(cursor);  // width 1: no update yet
  auto litNear = [&](double x, double y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (PixelARGB(dsp->Background(), static_cast<int>(x) + dx, static_cast<int>(y) + dy) == kRed) return true;
    return false;
  };
  const double h = TDSPE_Flash::kHalfWidth;
  for (QPointF corner : {QPointF(100, 82), QPointF(100 + h, 91), QPointF(100 + h, 109), QPointF(100, 118),
                         QPointF(100 - h, 109), QPointF(100 - h, 91), QPointF(100 - h, 100)})
    EXPECT_TRUE(litNear(corner.x(), corner.y())) << corner.x() << "," << corner.y();
  for (QPointF off : {QPointF(100, 100), QPointF(100, 78), QPointF(120, 100)})
    EXPECT_FALSE(litNear(off.x(), off.y())) << off.x() << "," << off.y();
}

class ArcTest : public ElementTest {
 protected:
  // The ring's box starts at (50, 50), so its centre is (150, 150).
  TDSPE_Arc* MakeRing(int32_t percent) {
    auto* ring = new TDSPE_Arc(dsp.get(), 0, percent);
    ring->X = ring->Y = 50;
    return ring;
  }
  // Degrees anticlockwise from three o'clock.
  uint32_t RingPixel(double degrees, double radius) const {
    const double radians = degrees * M_PI / 180;
    return Pixel(static_cast<int>(std::lround(150 + radius * std::cos(radians))),
                 static_cast<int>(std::lround(150 - radius * std::sin(radians))));
  }
};

TEST_F(ArcTest, QuarterRingRunsAnticlockwiseFromJustRightOfTwelveToNine) {
  MakeRing(25);
  RenderAt(0);
  EXPECT_NEAR(Red(RingPixel(135, 100)), 30, 10) << "alpha 30 white over black";
  for (double angle : {89.0, 135.0, 177.0}) {
    for (double radius : {77.0, 123.0}) EXPECT_TRUE(Lit(RingPixel(angle, radius))) << angle << " " << radius;
    EXPECT_FALSE(Lit(RingPixel(angle, 72))) << angle;
    EXPECT_FALSE(Lit(RingPixel(angle, 128))) << angle;
  }
  for (double angle : {45.0, 85.0, 183.0, 270.0}) EXPECT_FALSE(Lit(RingPixel(angle, 100))) << angle;
}

// Running down, the ring takes a step at most once a slow frame (frames at the full rate in
// between leave it as it was); every other change shows in the frame it is made in.
TEST_F(ArcTest, RunningDownStepsAtTheSlowPaceAndEveryOtherChangeShowsAtOnce) {
  struct TCase {
    const char* name;
    float to;
    double after;  // seconds since the ring last changed
    bool shows;
  };
  const TCase cases[] = {
      {"a frame's worth down, a full-rate frame later", 69.7f, 1 / 60.0, false},
      {"two frames' worth down, two frames later", 69.3f, 2 / 60.0, false},
      {"a slow frame's worth down, a slow frame later", 69, 1 / 20.0, true},
      {"down, a little less than a slow frame later", 69, 0.043, true},
      {"growing back to full", 100, 1 / 60.0, true},
      {"a little up", 70.5f, 1 / 60.0, true},
      {"a big jump down", 40, 1 / 60.0, true},
      {"past the start", -0.5f, 1 / 60.0, true},
      {"hidden", NAN, 1 / 60.0, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto* ring = MakeRing(100);
    ring->Percent = 70;
    RenderAt(1);
    const TDSPLook before = ring->Look();
    ring->Percent = c.to;
    RenderAt(1 + c.after);
    EXPECT_EQ(!(ring->Look() == before), c.shows);
    delete ring;
  }
  // A beat brightens a ring that holds its step at once.
  auto* ring = MakeRing(70);
  RenderAt(1);
  ring->Percent = 69.7f;
  ring->Alpha = 80;
  RenderAt(1 + 1 / 60.0);
  EXPECT_EQ(ring->Look().State[2], 80);
  EXPECT_EQ(ring->Look().State[3], RoundHalfEven32(70 / 100.0 * 5760)) << "the step waits";
}

class SparkTest : public ElementTest {
 protected:
  TDSPE_Spark* MakeBurst(int32_t count, float speed, bool respawn, float drag = 0, float gravity = 0) {
    return new TDSPE_Spark(dsp.get(), 0, 0xFFFFC040, 200, 250, speed, drag, gravity, count, 2, respawn, true);
  }
};

TEST_F(SparkTest, NoSparkStartsFasterThanSpeedAndAllQuadrantsOccur) {
  bool quadrant[2][2] = {};
  for (const TParticle& p : MakeBurst(400, 100, false)->Particles) {
    EXPECT_LE(p.VX * p.VX + p.VY * p.VY, 100.0f * 100.0f * 1.0001f);
    EXPECT_TRUE(Life(p) >= 128 && Life(p) <= 255);
    quadrant[p.VX > 0][p.VY > 0] = true;
  }
  EXPECT_TRUE(quadrant[0][0] && quadrant[0][1] && quadrant[1][0] && quadrant[1][1]);
}

TEST_F(SparkTest, DragBringsSidewaysMotionToRestWithoutOvershootWhileGravityPulls) {
  TDSPE_Spark* burst = MakeBurst(2, 0, false, -50, 150);
  burst->Particles[0].VX = 30;
  burst->Particles[1].VX = -30;
  burst->Particles[0].PColor = 0xFFFFFFFF;
  for (int step = 0; step <= 7; ++step) burst->Update(At(step * 0.1));
  EXPECT_EQ(burst->Particles[0].VX, 0) << "30 px/s stops after 0.6 s";
  EXPECT_EQ(burst->Particles[1].VX, 0);
  EXPECT_NEAR(burst->Particles[0].PX, 209, 0.01);
  EXPECT_NEAR(burst->Particles[1].PX, 191, 0.01);
  for (int step = 8; step <= 10; ++step) burst->Update(At(step * 0.1));
  EXPECT_NEAR(burst->Particles[0].PX, 209, 0.01) << "never reverses";
  EXPECT_NEAR(burst->Particles[0].PY, 250 + 75, 0.05) << "gravity 150 for one second";
  EXPECT_EQ(Life(burst->Particles[0]), 125) << "12.8 per step, rounded at every step";

  TDSPE_Spark* coarse = MakeBurst(1, 0, false, -50, 0);
  coarse->Particles[0].VX = 30;
  for (int step = 0; step <= 3; ++step) coarse->Update(At(step * 0.25));
  EXPECT_NEAR(coarse->Particles[0].PX, 200 + 9.375, 0.01) << "30, 17.5, 5, then 0 rather than -7.5";
}

TEST_F(SparkTest, HiddenSparksAndPlumeFreezeAndResumeWithOneLongStep) {
  TDSPE_Spark* burst = MakeBurst(10, 80, false);
  auto* plume = new TDSPE_Temp(dsp.get(), 0, 0xFF8080FF, 200, 300, 100, 3, 1);
  RenderAt(0);
  RenderAt(0.1);
  burst->Visible = plume->Visible = false;
  const TParticle spark = burst->Particles[0];
  const float plumeY = plume->Particles[1].PY;
  for (int frame = 2; frame < 20; ++frame) RenderAt(frame * 0.1);
  EXPECT_EQ(burst->Particles[0].PX, spark.PX);
  EXPECT_EQ(plume->Particles[1].PY, plumeY);
  burst->Visible = true;
  RenderAt(0.6);
  EXPECT_EQ(Life(burst->Particles[0]), Life(spark) - 64) << "0.5 s at 128 per second";
}

TEST_F(SparkTest, BurstEndsOnceNoSparkIsAbove64UnlessItRespawns) {
  TDSPE_Spark* burst = MakeBurst(30, 60, false);
  TDSPE_Spark* endless = MakeBurst(30, 60, true);
  TDSPE_Spark* single = MakeBurst(1, 0, false);
  RenderAt(0);
  single->Particles[0].PColor = 0x41FFFFFF;
  RenderAt(0);
  EXPECT_TRUE(Registered(single)) << "65 lives";
  single->Particles[0].PColor = 0x40FFFFFF;
  RenderAt(0);
  EXPECT_FALSE(Registered(single)) << "64 does not";
  for (int frame = 1; frame <= 4; ++frame) RenderAt(frame * 0.1);
  EXPECT_TRUE(Registered(burst)) << "every spark starts at 128 or more";
  for (int frame = 5; frame <= 15; ++frame) RenderAt(frame * 0.1);
  EXPECT_FALSE(Registered(burst)) << "255 fades to 64 or less within 1.5 s";
  EXPECT_TRUE(Registered(endless));
}

TEST_F(ElementTest, PlumeParticlesRiseFadeAndRestartFromTheSource) {
  auto* plume = new TDSPE_Temp(dsp.get(), 0, 0xFF8080FF, 200, 300, 100, 8, 1);
  // Lives that reach exactly 64 and 65 after ten steps; the rest random.
  plume->Particles[0].PColor = 0x7C8080FF;
  plume->Particles[1].PColor = 0x7D8080FF;
  std::vector<int> expected;
  // 6.4 a step rounds to 6; a particle restarts on the frame its life falls below 65.
  for (const TParticle& p : plume->Particles) expected.push_back((Life(p) - 65) / 6 + 1);
  std::vector<int> restart(8, 0);
  RenderAt(0);
  for (int frame = 1; frame < 40; ++frame) {
    RenderAt(frame * 0.1);
    for (int i = 0; i < 8; ++i) {
      const TParticle& p = plume->Particles[i];
      if (restart[i] == 0 && p.PY == 300) restart[i] = frame;
      if (restart[i] == 0) {
        EXPECT_NEAR(p.PY, 300 - 10 * frame, 0.01);
      }
    }
  }
  EXPECT_EQ(restart, expected);
}

class LightningTest : public ElementTest {
 protected:
  TDSPE_Lightning* MakeBolt(int32_t bolts, bool finite, float endX = 390, int32_t spread = 12, int32_t jitter = 10,
                            int32_t minWidth = 1, int32_t maxWidth = 3) {
    return new TDSPE_Lightning(
        dsp.get(), 0, 0xFF80C0FF, 10, 123.5f, endX, 300, minWidth, maxWidth, spread, jitter, bolts,
        [this](float y) { finishedAt.push_back(y); }, finite);
  }
  // Every bolt runs joined up from (X, about Y) to exactly (EndX, about TargetY).
  void ExpectWellFormedBolts(const TDSPE_Lightning& lightning, int bolts) {
    const float spread = static_cast<float>(std::max(lightning.Spread, 0)) / 2;
    for (int bolt = 0; bolt < bolts; ++bolt) {
      const std::vector<TSegment> segments = WalkOneBolt(lightning);
      ASSERT_FALSE(segments.empty());
      EXPECT_EQ(segments.front().from.x(), lightning.X);
      EXPECT_LE(std::abs(segments.front().from.y() - lightning.Y), spread);
      EXPECT_EQ(segments.back().to.x(), lightning.EndX);
      EXPECT_LE(std::abs(segments.back().to.y() - lightning.TargetY), spread);
      for (size_t i = 1; i < segments.size(); ++i) EXPECT_EQ(segments[i].from, segments[i - 1].to);
    }
  }
  std::vector<float> finishedAt;
};

TEST_F(LightningTest, FiniteBoltsGrowByThreeEachTenthAndEndOnTheSeventhStep) {
  TDSPE_Lightning* bolt = MakeBolt(20, true);
  TDSPE_Lightning* endless = MakeBolt(4, false);
  std::vector<int32_t> counts;
  for (int step = 0; step < 6; ++step) {
    RenderAt(step * 0.101);
    RenderAt(step * 0.101 + 0.05);
    counts.push_back(bolt->Bolts());
  }
  EXPECT_EQ(counts, (std::vector<int32_t>{3, 6, 9, 12, 15, 18}));
  EXPECT_TRUE(finishedAt.empty());
  RenderAt(0.606);
  RenderAt(2);
  EXPECT_FALSE(Registered(bolt));
  EXPECT_EQ(finishedAt, std::vector<float>{123.5f});
  EXPECT_EQ(endless->Bolts(), 4) << "an infinite lightning keeps its count and never ends";
  int lit = 0;
  for (int y = 100; y < 320; ++y) lit += Lit(Pixel(389, y));
  EXPECT_GT(lit, 0) << "the last frame's bolts reach EndX";
}

TEST_F(LightningTest, EveryBoltEndsExactlyAtEndXNearTargetY) {
  TDSPE_Lightning* bolt = MakeBolt(1, false, 390, 12, 5);
  ExpectWellFormedBolts(*bolt, 300);  // jitter 5 from 10 often lands exactly on 390
  for (const TSegment& s : WalkOneBolt(*bolt)) {
    const double step = s.to.x() - s.from.x();
    EXPECT_TRUE(s.to.x() == bolt->EndX || (step >= 1 && step <= 5)) << step;
  }
  bolt->EndX = 10;
  EXPECT_EQ(WalkOneBolt(*bolt).size(), 1u) << "EndX not right of X: a single segment";
}

TEST_F(LightningTest, RangesThatAreNotPositiveAreClampedAndEveryWalkEnds) {
  TDSPE_Lightning* bolt = MakeBolt(3, false, 390, -4, 0, 5, 2);
  RenderAt(0);
  ExpectWellFormedBolts(*bolt, 3);
  EXPECT_EQ(WalkOneBolt(*bolt).size(), 380u) << "jitter 1: one pixel per segment";
  bolt->EndX = 1e9f;
  EXPECT_LE(WalkOneBolt(*bolt).size(), 4096u);
  bolt->X = 3e8f;  // so far out a one-pixel step is lost in rounding
  EXPECT_EQ(WalkOneBolt(*bolt).back().to.x(), 1e9f);
  bolt->EndX = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(WalkOneBolt(*bolt).empty());
}

TEST_F(LightningTest, ElementsEndingCreatingAndFreeingOthersDuringTheRenderPass) {
  auto* below = new TDSPE_Spark(dsp.get(), -1, kRed, 50, 50, 10, 0, 0, 5, 1, true);
  auto* above = new TDSPE_Spark(dsp.get(), 1, kRed, 50, 50, 10, 0, 0, 5, 1, true);
  // Empty bursts end themselves on their first frame, between the others.
  for (int layer = -1; layer <= 1; ++layer) new TDSPE_Spark(dsp.get(), layer, kRed, 0, 0, 10, 0, 0, 0, 1, false);
  auto* cursor = new TDSPE_Flash(dsp.get(), -2, kRed, kFrequency);
  cursor->X = cursor->Y = 50;
  TDSPE_Lightning* first = MakeBolt(3, true);
  first->OnFinish = [&](float y) {
    finishedAt.push_back(y);
    delete below;
    delete above;
    MakeBolt(3, true)->Y = 7;
  };
  RenderAt(0);
  RenderAt(0.2);
  EXPECT_EQ(dsp->Elems(), std::vector<TDSPElem*>{cursor});
  EXPECT_EQ(Pixel(50, 32), kRed) << "drawn first, under everything else";
  EXPECT_EQ(finishedAt, (std::vector<float>{123.5f, 7.0f}));
}
