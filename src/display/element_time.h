#pragma once
// Time arithmetic shared by the timed display elements: clock readings are ticks of the
// surface's clock, and elements reason in seconds.

#include <cstdint>

#include "display/dsp.h"

// Seconds from one clock reading to a later one. A surface without a usable clock frequency
// reports no time passing rather than dividing by zero.
inline double SecondsBetween(const TDSP& dsp, int64_t from, int64_t to) {
  if (dsp.Frequency() <= 0) return 0;
  return static_cast<double>(to - from) / static_cast<double>(dsp.Frequency());
}

// Elements whose clock starts on their first Update keep the reading here; 0 means "not yet".
class TElementClock {
 public:
  // Records now. Returns false on the first call (nothing to measure yet); otherwise true, with
  // the time since the previous call in seconds.
  bool Step(const TDSP& dsp, int64_t now, double& seconds) {
    const int64_t previous = last_;
    last_ = now;
    if (previous == 0) return false;
    seconds = SecondsBetween(dsp, previous, now);
    return true;
  }
  bool Started() const { return last_ != 0; }
  void Restart() { last_ = 0; }

 private:
  int64_t last_ = 0;
};
