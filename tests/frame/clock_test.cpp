// The clock and its polled timers, stepped through a fake time source.

#include <gtest/gtest.h>

#include "frame/clock.h"
#include "frame/errors.h"
#include "support/fake_time.h"

namespace {

struct TimerLog {
  int fired = 0;
  int progressed = 0;
  float lastFraction = -1;
  void Attach(TTTimer& timer) {
    timer.OnTimer = [this] { ++fired; };
    timer.OnProgress = [this](float f) {
      ++progressed;
      lastFraction = f;
    };
  }
};

class ClockTest : public ::testing::Test {
 protected:
  TFakeTimeSource time{1000};  // one tick per millisecond
  TTClock clock{time};

  void Frame(double seconds) {
    time.AdvanceSeconds(seconds);
    clock.Tick();
  }
};

TEST_F(ClockTest, ClockWithoutCounterFailsWithItsMessage) {
  TFakeTimeSource broken(0);
  try {
    TTClock bad(broken);
    FAIL() << "a clock without a frequency was created";
  } catch (const EGameError& error) {
    EXPECT_STREQ(error.what(), "Create DFTimer failed.");
  }
}

TEST_F(ClockTest, SecondsToTicksRoundsHalvesToEven) {
  TFakeTimeSource odd(3);
  TTClock c(odd);
  EXPECT_EQ(c.SecondsToTicks(0.5f), 2);  // 1.5 -> 2
  EXPECT_EQ(c.SecondsToTicks(1.5f), 4);  // 4.5 -> 4
  EXPECT_EQ(clock.SecondsToTicks(2.0f), 2000);
}

TEST_F(ClockTest, EnabledTimerFiresAtFirstTickThenPeriodically) {
  TTTimer timer(clock, true, 1000);
  TimerLog log;
  log.Attach(timer);
  Frame(0.0);
  EXPECT_EQ(log.fired, 1) << "the counter is far past 0, so the first Update ends a period";
  Frame(0.5);
  EXPECT_EQ(log.fired, 1);
  EXPECT_FLOAT_EQ(log.lastFraction, 0.5f);
  Frame(0.5);
  EXPECT_EQ(log.fired, 2);
}

TEST_F(ClockTest, DisabledTimerStartsFreshPeriodWhenEnabled) {
  TTTimer timer(clock, false, 1000);
  TimerLog log;
  log.Attach(timer);
  Frame(5);
  EXPECT_EQ(log.fired + log.progressed, 0) << "a disabled timer reports nothing";
  timer.SetEnabled(true);
  Frame(0.1);
  EXPECT_EQ(log.fired + log.progressed, 0) << "the first update only starts the period";
  Frame(0.999);
  EXPECT_EQ(log.fired, 0);
  Frame(0.001);
  EXPECT_EQ(log.fired, 1);
}

TEST_F(ClockTest, PausedAtThirtyPercentFiresSevenSecondsAfterResume) {
  TTTimer timer(clock, false, 10000);
  TimerLog log;
  log.Attach(timer);
  timer.SetEnabled(true);
  Frame(0);
  Frame(3);
  EXPECT_FLOAT_EQ(timer.Fraction, 0.3f);
  clock.PauseTimers();
  Frame(60);
  EXPECT_EQ(log.fired, 0);
  clock.ResumeTimers();
  Frame(0);  // re-bases the period at 30 %
  Frame(6.99);
  EXPECT_EQ(log.fired, 0);
  Frame(0.01);
  EXPECT_EQ(log.fired, 1);
}

TEST_F(ClockTest, RestartLateInPeriodGivesFullNewPeriodWithoutEvent) {
  TTTimer timer(clock, false, 1000);
  TimerLog log;
  log.Attach(timer);
  timer.SetEnabled(true);
  Frame(0);
  Frame(0.9);
  timer.Restart();
  Frame(0.2);
  EXPECT_EQ(log.fired, 0);
  Frame(0.99);
  EXPECT_EQ(log.fired, 0);
  Frame(0.01);
  EXPECT_EQ(log.fired, 1);
}

TEST_F(ClockTest, EnablingAnEnabledTimerDoesNotRestartIt) {
  TTTimer timer(clock, false, 1000);
  TimerLog log;
  log.Attach(timer);
  timer.SetEnabled(true);
  Frame(0);
  Frame(0.8);
  timer.SetEnabled(true);
  Frame(0.2);
  EXPECT_EQ(log.fired, 1);
}

TEST_F(ClockTest, DisabledTimerKeepsItsLastFraction) {
  TTTimer timer(clock, false, 1000);
  timer.SetEnabled(true);
  Frame(0);
  Frame(0.25);
  timer.SetEnabled(false);
  Frame(0.5);
  EXPECT_FLOAT_EQ(timer.Fraction, 0.25f);
}

TEST_F(ClockTest, SlowFramesFireOncePerFrameWithoutCatchingUp) {
  TTTimer timer(clock, false, 100);
  TimerLog log;
  log.Attach(timer);
  timer.SetEnabled(true);
  Frame(0);
  for (int i = 0; i < 4; ++i) Frame(0.35);
  EXPECT_EQ(log.fired, 4);
  // The next period is measured from the frame that fired, so lateness is not made up.
  Frame(0.05);
  EXPECT_EQ(log.fired, 4);
}

TEST_F(ClockTest, HandlerMayChangeIntervalAndDisableItsOwnTimer) {
  TTTimer timer(clock, true, 1000);
  int fired = 0;
  timer.OnTimer = [&] {
    ++fired;
    timer.Interval = 2000;
    if (fired == 2) timer.SetEnabled(false);
  };
  Frame(0);
  Frame(1.5);
  EXPECT_EQ(fired, 1);
  Frame(0.5);
  EXPECT_EQ(fired, 2);
  Frame(10);
  EXPECT_EQ(fired, 2);
}

TEST_F(ClockTest, TimerFreedByAnEarlierTimersEventIsSkippedInThatTick) {
  TTTimer first(clock, true, 1000);
  auto second = std::make_unique<TTTimer>(clock, true, 1000);
  int secondFired = 0;
  second->OnTimer = [&] { ++secondFired; };
  first.OnTimer = [&] { second.reset(); };
  Frame(0);
  EXPECT_EQ(secondFired, 0);
  EXPECT_EQ(clock.Timers().size(), 1u);
}

}  // namespace
