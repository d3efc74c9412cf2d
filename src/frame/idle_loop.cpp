#include "frame/idle_loop.h"

#include <cstdlib>
#include <cstring>

namespace {
bool UncappedByEnvironment() {
  const char* value = std::getenv("BRILLOR_UNCAPPED");
  return value && std::strcmp(value, "1") == 0;
}
}  // namespace

TIdleLoop::TIdleLoop(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { RunFrame(); });
  if (UncappedByEnvironment()) cap_ = 0;
}

void TIdleLoop::Attach(std::function<void()> handler) {
  handler_ = std::move(handler);
  if (!handler_) {
    timer_.stop();
    return;
  }
  if (!timer_.isActive()) timer_.start(0);
}

void TIdleLoop::Detach() { Attach(nullptr); }

void TIdleLoop::SetFrameRateCap(double framesPerSecond) {
  if (UncappedByEnvironment()) return;
  cap_ = framesPerSecond > 0 ? framesPerSecond : 0;
}

void TIdleLoop::RunFrame() {
  timer_.stop();  // a frame run by hand replaces the one waiting on the timer
  if (!handler_) return;
  const auto start = std::chrono::steady_clock::now();
  // The handler may detach or re-point the loop; a copy keeps the running one alive.
  std::function<void()> handler = handler_;
  try {
    handler();
  } catch (...) {
    ScheduleNext();
    throw;
  }
  if (cap_ > 0) {
    const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / cap_));
    // Keep a steady cadence, but never try to catch up on frames missed while busy.
    nextFrame_ = (nextFrame_ + period > start) ? nextFrame_ + period : start + period;
  }
  ScheduleNext();
}

void TIdleLoop::ScheduleNext() {
  if (!handler_ || timer_.isActive()) return;
  int delayMs = 0;
  if (cap_ > 0) {
    const auto wait = nextFrame_ - std::chrono::steady_clock::now();
    delayMs = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count());
    if (delayMs < 0) delayMs = 0;
  }
  timer_.start(delayMs);
}
