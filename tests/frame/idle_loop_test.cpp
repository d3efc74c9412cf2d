// The frame loop: attached handlers run from the event loop, detaching stops them, pacing never
// lets frames come faster than the cap (60 at most), a resting handler is called at the slow
// pace and the player's hand brings the full pace back at once.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

#include "frame/idle_loop.h"
#include "support/fake_time.h"

namespace {

int RunFor(TIdleLoop& loop, int milliseconds) {
  int frames = 0;
  loop.Attach([&] { ++frames; });
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  loop.Detach();
  return frames;
}

TEST(IdleLoop, PacedFramesNeverExceedTheCap) {
  TIdleLoop loop;
  loop.SetFrameRateCap(50);
  if (loop.FrameRateCap() == 0) GTEST_SKIP() << "BRILLOR_UNCAPPED is set";
  const int frames = RunFor(loop, 300);
  EXPECT_GE(frames, 1);
  EXPECT_LE(frames, 50 * 0.3 + 2);
}

TEST(IdleLoop, DetachedLoopRunsNothingAndAHandlerMayDetachItself) {
  TIdleLoop loop;
  loop.SetFrameRateCap(0);
  int frames = 0;
  loop.Attach([&] {
    ++frames;
    loop.Detach();
  });
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(frames, 1);
  EXPECT_FALSE(loop.Attached());
}

TEST(IdleLoop, ReattachingReplacesTheHandler) {
  TIdleLoop loop;
  loop.SetFrameRateCap(0);
  int first = 0, second = 0;
  loop.Attach([&] { ++first; });
  loop.Attach([&] { ++second; });
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  loop.Detach();
  EXPECT_EQ(first, 0);
  EXPECT_GT(second, 0);
}

TEST(IdleLoop, AFrameThatThrowsStillSchedulesTheNext) {
  TIdleLoop loop;
  loop.SetFrameRateCap(0);
  int frames = 0;
  bool broken = true;
  loop.Attach([&] {
    ++frames;
    if (broken) throw std::runtime_error("broken frame");
  });
  // Run by hand: the test's event loop does not carry exceptions (the game's application
  // object catches and shows them).
  EXPECT_THROW(loop.RunFrame(), std::runtime_error);
  EXPECT_TRUE(loop.FramePending());
  broken = false;
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  loop.Detach();
  EXPECT_GT(frames, 1);
}

// Frames on a fake clock: the loop is stepped a millisecond at a time and runs each frame when
// it falls due. The handler rests on the frames the test chooses.
TEST(IdleLoop, RestingFramesComeAtTheSlowPaceAndTheHandBringsTheFullPaceBack) {
  TFakeTimeSource time(1'000'000);
  TIdleLoop loop(time);
  if (loop.FrameRateCap() == 0) GTEST_SKIP() << "BRILLOR_UNCAPPED is set";
  loop.SetFrameRateCap(144);
  EXPECT_EQ(loop.FrameRateCap(), 60) << "never more than 60 a second";
  bool rest = false;
  std::vector<int64_t> starts;
  loop.Attach([&] {
    starts.push_back(time.Now());
    loop.SetResting(rest);
  });
  auto runFor = [&](int milliseconds) {
    const size_t before = starts.size();
    for (int ms = 0; ms < milliseconds; ++ms) {
      time.AdvanceTicks(1000);
      if (time.Now() >= loop.NextFrameDue()) loop.RunFrame();
    }
    return static_cast<int>(starts.size() - before);
  };
  EXPECT_NEAR(runFor(1000), 60, 1) << "busy: the full pace";
  rest = true;
  runFor(100);
  EXPECT_NEAR(runFor(1000), 20, 1) << "resting: the slow pace";

  // The mouse moves 10 ms after a resting frame: the next comes one full-pace frame after it,
  // not one slow frame.
  while (runFor(1) == 0) {
  }
  const int64_t rested = starts.back();
  runFor(10);
  loop.Hurry();
  runFor(40);
  ASSERT_GE(starts.size(), 2u);
  const int64_t next = *std::find_if(starts.begin(), starts.end(), [&](int64_t t) { return t > rested; });
  EXPECT_GE(next - rested, 1'000'000 / 60);
  EXPECT_LE(next - rested, 1'000'000 / 60 + 1000);
  loop.Detach();
}

}  // namespace
