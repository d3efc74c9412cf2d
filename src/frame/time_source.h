#pragma once
// Where the game reads the time: the high-resolution counter and its ticks per second.
// The running game uses the steady clock; tests install a source they step by hand.

#include <cstdint>

class TTimeSource {
 public:
  virtual ~TTimeSource() = default;
  // Counter ticks per second; 0 or less when the counter is unavailable.
  virtual int64_t Frequency() const = 0;
  virtual int64_t Counter() const = 0;
};

// std::chrono::steady_clock in nanoseconds.
class TSteadyTimeSource : public TTimeSource {
 public:
  int64_t Frequency() const override { return 1'000'000'000; }
  int64_t Counter() const override;
};

// The source used by clocks created without one of their own. Never null.
TTimeSource& DefaultTimeSource();
// Replaces the default source (nullptr restores the steady clock). The caller keeps ownership.
void SetDefaultTimeSource(TTimeSource* source);
