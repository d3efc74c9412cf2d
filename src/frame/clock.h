#pragma once
// The game clock and its polled timers. The clock reads the counter once per frame (Tick) and
// hands the reading to every timer; timers turn it into period ends (OnTimer) and progress
// reports (OnProgress). Nothing runs between frames, and nothing while paused.

#include <cstdint>
#include <vector>

#include "frame/events.h"
#include "frame/time_source.h"

class TTTimer;

class TTClock {
 public:
  // Fails with "Create DFTimer failed." when the source has no usable frequency.
  explicit TTClock(TTimeSource& source = DefaultTimeSource());
  TTClock(const TTClock&) = delete;
  TTClock& operator=(const TTClock&) = delete;

  void Tick();
  void PauseTimers();
  void ResumeTimers();
  int64_t SecondsToTicks(float seconds) const;

  int64_t Frequency = 0;
  int64_t Now = 0;
  // Registered timers in registration order; the clock never destroys them.
  const std::vector<TTTimer*>& Timers() const { return timers_; }

 private:
  friend class TTTimer;
  TTimeSource& source_;
  std::vector<TTTimer*> timers_;
};

class TTTimer {
 public:
  TTTimer(TTClock& clock, bool enabled, int64_t interval);
  // Unregisters from the clock, so a destroyed timer is never updated.
  ~TTTimer();
  TTTimer(const TTTimer&) = delete;
  TTTimer& operator=(const TTTimer&) = delete;

  void SetEnabled(bool value);
  bool Enabled() const { return enabled_; }
  // A fresh full period begins at the next Update, with no event in that call.
  void Restart();
  // Called by the clock only.
  void Update(int64_t now);

  bool Paused = false;
  bool ResumePending = false;
  int64_t StartTime = 0;
  bool RestartPending = false;
  int64_t Interval = 0;
  TNotifyEvent OnTimer;
  TEvent<float> OnProgress;
  float Fraction = 0;

 private:
  TTClock* clock_;
  bool enabled_ = false;
};
