#include "frame/clock.h"

#include <algorithm>

#include "frame/errors.h"
#include "frame/rounding.h"
#include "frame/translated.h"

TTClock::TTClock(TTimeSource& source) : source_(source) {
  Frequency = source_.Frequency();
  if (Frequency <= 0) throw EGameError(FailureText(QT_TRANSLATE_NOOP("Failures", "Create DFTimer failed.")));
}

void TTClock::Tick() {
  Now = source_.Counter();
  // A timer's event may create or destroy other timers; walk by index over a snapshot so that
  // only timers that still exist are updated.
  const std::vector<TTTimer*> snapshot = timers_;
  for (TTTimer* timer : snapshot)
    if (std::find(timers_.begin(), timers_.end(), timer) != timers_.end()) timer->Update(Now);
}

void TTClock::PauseTimers() {
  for (TTTimer* timer : timers_) timer->Paused = true;
}

void TTClock::ResumeTimers() {
  for (TTTimer* timer : timers_) {
    timer->Paused = false;
    timer->ResumePending = true;
  }
}

int64_t TTClock::SecondsToTicks(float seconds) const {
  return RoundHalfEven(static_cast<double>(Frequency) * static_cast<double>(seconds));
}

TTTimer::TTTimer(TTClock& clock, bool enabled, int64_t interval) : Interval(interval), clock_(&clock), enabled_(enabled) {
  clock_->timers_.push_back(this);
}

TTTimer::~TTTimer() {
  auto& timers = clock_->timers_;
  timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void TTTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  if (value) RestartPending = true;
}

void TTTimer::Restart() {
  SetEnabled(false);
  SetEnabled(true);
}

void TTTimer::Update(int64_t now) {
  if (!enabled_ || Paused) return;
  if (ResumePending) {
    ResumePending = false;
    StartTime = now - RoundHalfEven(static_cast<double>(Interval) * Fraction);
  }
  if (RestartPending) {
    RestartPending = false;
    StartTime = now;
    return;
  }
  const int64_t elapsed = now - StartTime;
  if (elapsed < Interval) {
    Fraction = static_cast<float>(static_cast<double>(elapsed) / static_cast<double>(Interval));
    OnProgress(Fraction);
  } else {
    StartTime = now;
    OnTimer();
  }
}
