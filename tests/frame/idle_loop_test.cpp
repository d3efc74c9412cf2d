// The frame loop: attached handlers run from the event loop, detaching stops them, and pacing
// never lets frames come faster than the cap.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "frame/idle_loop.h"

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

}  // namespace
