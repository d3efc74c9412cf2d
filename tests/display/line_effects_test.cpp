#include "display/line_effects.h"

#include <cmath>
#include <limits>
#include <vector>

#include "display/element_fixture.h"

namespace {
constexpr uint32_t kRed = 0xFFFF0000;

bool Lit(uint32_t argb) { return (argb & 0x00FFFFFFu) != 0; }

struct TSegment {
  QPointF from;
  QPointF to;
};

std::vector<TSegment> WalkOneBolt(const TDSPE_Lightning& lightning) {
  std::vector<TSegment> segments;
  lightning.WalkBolt([&](const QPointF& from, const QPointF& to) { segments.push_back({from, to}); });
  return segments;
}
}  // namespace

// ---- hexagon cursor ----

using FlashTest = ElementTest;

TEST_F(FlashTest, WidthStepsOnlyAfterMoreThanAnIntervalAndWrapsAfterSix) {
  auto* cursor = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency / 10);
  EXPECT_EQ(cursor->X, -100);
  EXPECT_EQ(cursor->Y, -100);
  EXPECT_EQ(cursor->PenWidth(), 1);
  cursor->Update(At(0));
  EXPECT_EQ(cursor->PenWidth(), 2);
  cursor->Update(At(0.05));
  cursor->Update(At(0.1));
  EXPECT_EQ(cursor->PenWidth(), 2) << "exactly one interval is not more than it";
  std::vector<float> widths;
  for (int step = 1; step <= 6; ++step) {
    cursor->Update(At(0.1 + step * 0.101));
    widths.push_back(cursor->PenWidth());
  }
  EXPECT_EQ(widths, (std::vector<float>{3, 4, 5, 6, 1, 2}));
  cursor->Update(At(100));
  EXPECT_EQ(cursor->PenWidth(), 3) << "one step however long the frame";
}

TEST_F(FlashTest, OutlinePassesThroughTheSixCornersAndLeavesTheInsideEmpty) {
  auto* cursor = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency);
  cursor->X = 100;
  cursor->Y = 100;
  dsp->DrawElemOnBackground(cursor);  // a width-1 line, without an update
  const QImage& picture = dsp->Background();
  auto litNear = [&](double x, double y) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (PixelARGB(picture, static_cast<int>(x) + dx, static_cast<int>(y) + dy) == kRed) return true;
    return false;
  };
  const double half = 15.5884572;
  EXPECT_TRUE(litNear(100, 82));
  EXPECT_TRUE(litNear(100 + half, 91));
  EXPECT_TRUE(litNear(100 + half, 109));
  EXPECT_TRUE(litNear(100, 118));
  EXPECT_TRUE(litNear(100 - half, 109));
  EXPECT_TRUE(litNear(100 - half, 91)) << "the figure is closed back to the top corner";
  EXPECT_TRUE(litNear(100 - half, 100)) << "left side";
  EXPECT_FALSE(litNear(100, 100)) << "outline only";
  EXPECT_FALSE(litNear(100, 78));
  EXPECT_FALSE(litNear(120, 100));

  cursor->SetColor(0xFF00FF00);
  cursor->Y = 200;
  dsp->DrawElemOnBackground(cursor);
  EXPECT_EQ(PixelARGB(picture, 100, 200 - 18) & 0x00FFFFFFu, 0x00FF00u);
}

// ---- countdown ring ----

class ArcTest : public ElementTest {
 protected:
  // A ring whose box starts at (50, 50), so its centre is (150, 150).
  TDSPE_Arc* MakeRing(int32_t percent) {
    auto* ring = new TDSPE_Arc(dsp.get(), 0, percent);
    ring->X = 50;
    ring->Y = 50;
    return ring;
  }
  // The pixel at an angle (degrees anticlockwise from three o'clock) and radius from the
  // ring's centre.
  uint32_t RingPixel(double degrees, double radius) const {
    const double radians = degrees * M_PI / 180;
    return Pixel(static_cast<int>(std::lround(150 + radius * std::cos(radians))),
                 static_cast<int>(std::lround(150 - radius * std::sin(radians))));
  }
};

TEST_F(ArcTest, QuarterRingRunsAnticlockwiseFromJustRightOfTwelveToNine) {
  auto* ring = MakeRing(25);
  EXPECT_EQ(ring->Alpha, 30);
  RenderAt(0);
  const int translucent = Red(RingPixel(135, 100));
  EXPECT_GT(translucent, 20);
  EXPECT_LT(translucent, 40) << "alpha 30 white over black";
  for (double angle : {89.0, 100.0, 135.0, 170.0, 177.0}) {
    for (double radius : {77.0, 100.0, 123.0}) EXPECT_TRUE(Lit(RingPixel(angle, radius))) << angle << " " << radius;
    EXPECT_FALSE(Lit(RingPixel(angle, 72))) << angle;
    EXPECT_FALSE(Lit(RingPixel(angle, 128))) << angle;
  }
  for (double angle : {0.0, 45.0, 85.0, 183.0, 270.0}) EXPECT_FALSE(Lit(RingPixel(angle, 100))) << angle;
}

TEST_F(ArcTest, FullAndEmptyRingAndAlphaSetByTheCaller) {
  auto* ring = MakeRing(100);
  ring->Alpha = 255;
  RenderAt(0);
  for (double angle : {0.0, 87.0, 90.0, 200.0, 270.0}) EXPECT_EQ(RingPixel(angle, 100), 0xFFFFFFFFu) << angle;
  ring->Percent = 0;
  RenderAt(0.1);
  EXPECT_FALSE(Lit(RingPixel(135, 100)));
  ring->Percent = std::numeric_limits<float>::quiet_NaN();
  RenderAt(0.2);
  EXPECT_FALSE(Lit(RingPixel(135, 100)));
}

// ---- spark bursts ----

class SparkTest : public ElementTest {
 protected:
  TDSPE_Spark* MakeBurst(int32_t count, float speed, bool respawn, float drag = 0, float gravity = 0) {
    return new TDSPE_Spark(dsp.get(), 0, 0xFFFFC040, 200, 250, speed, drag, gravity, count, 2, respawn, true);
  }
};

TEST_F(SparkTest, NoSparkStartsFasterThanSpeedAndAllQuadrantsOccur) {
  TDSPE_Spark* burst = MakeBurst(400, 100, false);
  bool quadrant[2][2] = {};
  for (const TParticle& p : burst->Particles) {
    EXPECT_LE(std::abs(p.VX), 100.0f);
    EXPECT_LE(p.VX * p.VX + p.VY * p.VY, 100.0f * 100.0f * 1.0001f);
    EXPECT_EQ(p.PX, 200);
    EXPECT_EQ(p.PY, 250);
    const int life = static_cast<int>(p.PColor >> 24);
    EXPECT_GE(life, 128);
    EXPECT_LE(life, 255);
    EXPECT_EQ(p.PColor & 0x00FFFFFFu, 0xFFC040u);
    quadrant[p.VX > 0][p.VY > 0] = true;
  }
  EXPECT_TRUE(quadrant[0][0] && quadrant[0][1] && quadrant[1][0] && quadrant[1][1]);

  const TParticle before = burst->Particles.front();
  burst->ResetParticle(-1);
  burst->ResetParticle(400);
  EXPECT_EQ(burst->Particles.front().VX, before.VX);
}

TEST_F(SparkTest, DragBringsSidewaysMotionToRestWhileGravityKeepsPulling) {
  TDSPE_Spark* burst = MakeBurst(2, 0, false, -50, 150);
  burst->Particles[0].VX = 30;
  burst->Particles[1].VX = -30;
  for (TParticle& p : burst->Particles) {
    p.VY = 0;
    p.PColor = 0xFFFFFFFF;
  }
  for (int step = 0; step <= 6; ++step) burst->Update(At(step * 0.1));
  EXPECT_NEAR(burst->Particles[0].VX, 0, 1e-4) << "30 px/s stops after 0.6 s";
  burst->Update(At(0.7));
  EXPECT_EQ(burst->Particles[0].VX, 0);
  EXPECT_EQ(burst->Particles[1].VX, 0);
  EXPECT_NEAR(burst->Particles[0].PX, 209, 0.01) << "30 x 0.6 / 2 pixels";
  EXPECT_NEAR(burst->Particles[1].PX, 191, 0.01);
  for (int step = 8; step <= 10; ++step) burst->Update(At(step * 0.1));
  EXPECT_NEAR(burst->Particles[0].PX, 209, 0.01) << "never reverses";
  EXPECT_NEAR(burst->Particles[0].VY, 150, 0.01);
  EXPECT_NEAR(burst->Particles[0].PY, 250 + 75, 0.05);
  EXPECT_EQ(burst->Particles[0].PColor >> 24, 125u) << "255 less 12.8 ten times, rounded at every step";
}

TEST_F(SparkTest, DragNeverOvershootsWithinOneLongStep) {
  TDSPE_Spark* burst = MakeBurst(1, 0, false, -50, 0);
  burst->Particles[0].VX = 30;
  for (int step = 0; step <= 3; ++step) burst->Update(At(step * 0.25));
  EXPECT_EQ(burst->Particles[0].VX, 0);
  // 30 -> 17.5 -> 5 -> 0 (not -7.5), trapezoids of a quarter second each.
  EXPECT_NEAR(burst->Particles[0].PX, 200 + 9.375, 0.01);
}

TEST_F(SparkTest, SparkLivesWhileItsAlphaIsAbove64) {
  TDSPE_Spark* burst = MakeBurst(1, 0, false);
  RenderAt(0);
  burst->Particles[0].PColor = 0x41FFFFFF;  // 65
  RenderAt(0);
  EXPECT_TRUE(Registered(burst));
  burst->Particles[0].PColor = 0x40FFFFFF;  // 64
  RenderAt(0);
  EXPECT_FALSE(Registered(burst));
}

TEST_F(SparkTest, HiddenBurstFreezesAndResumesWithOneLongStep) {
  TDSPE_Spark* burst = MakeBurst(10, 80, false);
  RenderAt(0);
  RenderAt(0.1);
  burst->Visible = false;
  const std::vector<TParticle> frozen = burst->Particles;
  for (int frame = 2; frame < 20; ++frame) RenderAt(frame * 0.1);
  for (size_t i = 0; i < frozen.size(); ++i) {
    EXPECT_EQ(burst->Particles[i].PX, frozen[i].PX);
    EXPECT_EQ(burst->Particles[i].PColor, frozen[i].PColor);
  }
  burst->Visible = true;
  RenderAt(0.6);
  EXPECT_EQ(burst->Particles[0].PColor >> 24, (frozen[0].PColor >> 24) - 64) << "0.5 s at 128 per second";
}

TEST_F(SparkTest, BurstEndsWhenEverySparkHasFadedUnlessItRespawns) {
  TDSPE_Spark* burst = MakeBurst(30, 60, false);
  TDSPE_Spark* endless = MakeBurst(30, 60, true);
  for (int frame = 0; frame <= 4; ++frame) RenderAt(frame * 0.1);
  EXPECT_TRUE(Registered(burst)) << "every spark starts at 128 or more";
  for (int frame = 5; frame <= 15; ++frame) RenderAt(frame * 0.1);
  EXPECT_FALSE(Registered(burst)) << "255 fades to 64 or less within 1.5 s";
  for (int frame = 16; frame <= 50; ++frame) RenderAt(frame * 0.1);
  EXPECT_TRUE(Registered(endless));
}

TEST_F(SparkTest, EmptyBurstsEndOnTheirFirstFrameBesideOtherElements) {
  auto* before = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency);
  std::vector<TDSPE_Spark*> bursts;
  for (int i = 0; i < 3; ++i) bursts.push_back(MakeBurst(0, 10, false));
  auto* after = new TDSPE_Flash(dsp.get(), 0, kRed, kFrequency);
  after->X = 50;
  after->Y = 50;
  EXPECT_EQ(dsp->Elems().size(), 5u);
  RenderAt(0);
  EXPECT_EQ(dsp->Elems().size(), 2u);
  EXPECT_TRUE(Registered(before));
  EXPECT_TRUE(Registered(after));
  EXPECT_EQ(Pixel(50, 32), kRed) << "the pass went on after the bursts ended";
}

// ---- rising plume ----

using TempTest = ElementTest;

TEST_F(TempTest, ParticlesRiseFadeAndRestartFromTheSource) {
  constexpr int kCount = 8;
  auto* plume = new TDSPE_Temp(dsp.get(), 0, 0xFF8080FF, 200, 300, 100, kCount, 1);
  // Lives that reach exactly 64 and 65 after ten steps.
  plume->Particles[0].PColor = 0x7C8080FF;
  plume->Particles[1].PColor = 0x7D8080FF;
  std::vector<int> expectedRestart;
  for (const TParticle& p : plume->Particles) {
    EXPECT_EQ(p.VY, -100);
    // 6.4 a step, rounded at every step, so 6; restarted on the frame its life falls below 65.
    expectedRestart.push_back((static_cast<int>(p.PColor >> 24) - 65) / 6 + 1);
  }
  std::vector<int> restart(kCount, 0);
  RenderAt(0);
  for (int frame = 1; frame < 40; ++frame) {
    RenderAt(frame * 0.1);
    for (int i = 0; i < kCount; ++i) {
      const TParticle& p = plume->Particles[i];
      if (restart[i] != 0) continue;
      if (p.PY == 300) {
        restart[i] = frame;
        EXPECT_EQ(p.PX, 200);
        EXPECT_GE(p.PColor >> 24, 128u);
      } else {
        EXPECT_NEAR(p.PY, 300 - 10 * frame, 0.01);
      }
    }
  }
  EXPECT_EQ(restart, expectedRestart);
  for (int later = 0; later < 50; ++later) RenderAt(20 + later * 0.1);
  EXPECT_TRUE(Registered(plume)) << "a plume never ends by itself";
}

TEST_F(TempTest, HiddenPlumeIsFrozen) {
  auto* plume = new TDSPE_Temp(dsp.get(), 0, 0xFF8080FF, 200, 300, 100, 3, 1);
  RenderAt(0);
  RenderAt(0.1);
  plume->Visible = false;
  const float y = plume->Particles[1].PY;
  for (int frame = 2; frame < 10; ++frame) RenderAt(frame * 0.1);
  EXPECT_EQ(plume->Particles[1].PY, y);
}

// ---- lightning ----

class LightningTest : public ElementTest {
 protected:
  TDSPE_Lightning* MakeBolt(int32_t bolts, bool finite, float endX = 390, int32_t spread = 12, int32_t jitter = 10,
                            int32_t minWidth = 1, int32_t maxWidth = 3) {
    return new TDSPE_Lightning(
        dsp.get(), 0, 0xFF80C0FF, 10, 123.5f, endX, 300, minWidth, maxWidth, spread, jitter, bolts,
        [this](float y) { finishedAt.push_back(y); }, finite);
  }
  // Every bolt starts at (X, about Y) and ends at exactly (EndX, about TargetY), joined up.
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
  EXPECT_EQ(bolt->Bolts(), 0);
  std::vector<int32_t> counts;
  for (int step = 0; step < 7; ++step) {
    RenderAt(step * 0.101);
    if (step < 6) {
      counts.push_back(bolt->Bolts());
      RenderAt(step * 0.101 + 0.05);
      EXPECT_EQ(bolt->Bolts(), counts.back()) << "no step within a tenth of a second";
    }
  }
  EXPECT_EQ(counts, (std::vector<int32_t>{3, 6, 9, 12, 15, 18}));
  EXPECT_FALSE(Registered(bolt));
  EXPECT_EQ(finishedAt, std::vector<float>{123.5f});
  RenderAt(2);
  EXPECT_EQ(finishedAt.size(), 1u);
}

TEST_F(LightningTest, InfiniteLightningDrawsTheSameBoltsForEver) {
  TDSPE_Lightning* bolt = MakeBolt(4, false);
  for (int frame = 0; frame < 30; ++frame) RenderAt(frame * 0.1);
  EXPECT_EQ(bolt->Bolts(), 4);
  EXPECT_TRUE(Registered(bolt));
  EXPECT_TRUE(finishedAt.empty());
  int lit = 0;
  for (int x = 10; x < 390; ++x)
    for (int y = 0; y < 500; ++y) lit += Lit(Pixel(x, y));
  EXPECT_GT(lit, 100);
  delete bolt;
  EXPECT_EQ(finishedAt.size(), 1u) << "the destructor reports whenever a handler is set";
}

TEST_F(LightningTest, EveryBoltEndsExactlyAtEndXNearTargetY) {
  TDSPE_Lightning* bolt = MakeBolt(1, false);
  // Jitter 5 from 10 to 390 often lands exactly on EndX before passing it.
  bolt->Jitter = 5;
  ExpectWellFormedBolts(*bolt, 300);
  bolt->Jitter = 10;
  for (const TSegment& s : WalkOneBolt(*bolt)) {
    if (s.to.x() == bolt->EndX) continue;
    EXPECT_GE(s.to.x() - s.from.x(), 1);
    EXPECT_LE(s.to.x() - s.from.x(), 10);
  }
  bolt->EndX = 10;
  EXPECT_EQ(WalkOneBolt(*bolt).size(), 1u) << "EndX not right of X: a single segment";
  bolt->EndX = -50;
  ExpectWellFormedBolts(*bolt, 5);
}

TEST_F(LightningTest, RangesThatAreNotPositiveAreClamped) {
  TDSPE_Lightning* bolt = MakeBolt(3, false, 390, -4, 0, 5, 2);
  RenderAt(0);
  RenderAt(0.1);
  ExpectWellFormedBolts(*bolt, 3);
  EXPECT_EQ(WalkOneBolt(*bolt).size(), 380u) << "jitter 1: one pixel per segment";
  bolt->Jitter = -7;
  ExpectWellFormedBolts(*bolt, 3);
}

TEST_F(LightningTest, BoltsTooFarOrNotANumberStillFinish) {
  TDSPE_Lightning* bolt = MakeBolt(1, false, 1e9f, 10, 1);
  const std::vector<TSegment> far = WalkOneBolt(*bolt);
  EXPECT_LE(far.size(), 4096u);
  EXPECT_EQ(far.back().to.x(), 1e9f);
  bolt->X = 3e8f;  // far from the origin a step of one pixel is lost in rounding
  EXPECT_EQ(WalkOneBolt(*bolt).back().to.x(), 1e9f);
  bolt->EndX = std::numeric_limits<float>::quiet_NaN();
  EXPECT_TRUE(WalkOneBolt(*bolt).empty());
  RenderAt(0);
}

TEST_F(LightningTest, FinishHandlerMayCreateAndFreeElementsDuringTheRenderPass) {
  auto* below = new TDSPE_Spark(dsp.get(), -1, kRed, 50, 50, 10, 0, 0, 5, 1, true);
  auto* above = new TDSPE_Spark(dsp.get(), 1, kRed, 50, 50, 10, 0, 0, 5, 1, true);
  TDSPE_Lightning* first = MakeBolt(3, true);
  first->OnFinish = [&](float y) {
    finishedAt.push_back(y);
    delete below;
    delete above;
    MakeBolt(3, true)->Y = 7;
  };
  RenderAt(0);
  EXPECT_FALSE(Registered(first));
  RenderAt(0.2);
  EXPECT_TRUE(dsp->Elems().empty());
  EXPECT_EQ(finishedAt, (std::vector<float>{123.5f, 7.0f}));
}
