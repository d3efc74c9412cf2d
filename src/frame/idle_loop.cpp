#include "frame/idle_loop.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {
bool UncappedByEnvironment() {
  const char* value = std::getenv("BRILLOR_UNCAPPED");
  return value && std::strcmp(value, "1") == 0;
}
}  // namespace

TIdleLoop::TIdleLoop(TTimeSource& source, QObject* parent) : QObject(parent), source_(source) {
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
  resting_ = false;
  Hurry();
}

void TIdleLoop::Detach() { Attach(nullptr); }

void TIdleLoop::SetFrameRateCap(double framesPerSecond) {
  if (UncappedByEnvironment()) return;
  cap_ = framesPerSecond > 0 ? std::min(framesPerSecond, MostFrameRate) : 0;
}

int64_t TIdleLoop::Period(double framesPerSecond) const {
  if (framesPerSecond <= 0) return 0;
  return static_cast<int64_t>(std::llround(static_cast<double>(source_.Frequency()) / framesPerSecond));
}

void TIdleLoop::Hurry() {
  if (!handler_) return;
  const int64_t soonest = lastStart_ == 0 ? source_.Counter() : lastStart_ + Period(cap_);
  if (!timer_.isActive() || soonest < nextFrame_) ScheduleAt(soonest);
}

void TIdleLoop::RunFrame() {
  timer_.stop();  // a frame run by hand replaces the one waiting on the timer
  if (!handler_) return;
  const int64_t start = source_.Counter();
  const int64_t due = nextFrame_;
  lastStart_ = start;
  resting_ = false;
  // The handler may detach or re-point the loop; a copy keeps the running one alive.
  std::function<void()> handler = handler_;
  try {
    handler();
  } catch (...) {
    ScheduleAt(start);
    throw;
  }
  if (cap_ <= 0) {
    ScheduleAt(start);
    return;
  }
  const int64_t period = Period(resting_ && cap_ > SlowFrameRate ? SlowFrameRate : cap_);
  // Keep a steady cadence, but never try to catch up on frames missed while busy, nor run ahead
  // of a frame that came early.
  int64_t next = due + period;
  if (next <= start || next > start + period) next = start + period;
  ScheduleAt(next);
}

void TIdleLoop::ScheduleAt(int64_t due) {
  if (!handler_) return;
  nextFrame_ = due;
  // Whole milliseconds, rounded up: a frame never comes before it is due.
  const int64_t frequency = std::max<int64_t>(source_.Frequency(), 1);
  const int64_t wait = (due - source_.Counter()) * 1000;
  timer_.start(static_cast<int>(std::clamp<int64_t>((wait + frequency - 1) / frequency, 0, 1000)));
}
