#pragma once
// A time source the test steps by hand. Frequency is 1,000,000 ticks per second by default.

#include <cstdint>

#include "frame/clock.h"
#include "frame/rounding.h"
#include "frame/time_source.h"

class TFakeTimeSource : public TTimeSource {
 public:
  explicit TFakeTimeSource(int64_t frequency = 1'000'000, int64_t start = 1'000'000'000)
      : frequency_(frequency), now_(start) {}
  int64_t Frequency() const override { return frequency_; }
  int64_t Counter() const override { return now_; }

  void AdvanceTicks(int64_t ticks) { now_ += ticks; }
  void AdvanceSeconds(double seconds) { now_ += RoundHalfEven(seconds * static_cast<double>(frequency_)); }
  int64_t Now() const { return now_; }

 private:
  int64_t frequency_;
  int64_t now_;
};

// Installs a fake source as the default for the lifetime of the object.
class TScopedFakeTime : public TFakeTimeSource {
 public:
  using TFakeTimeSource::TFakeTimeSource;
  TScopedFakeTime(const TScopedFakeTime&) = delete;
  TScopedFakeTime& operator=(const TScopedFakeTime&) = delete;
  ~TScopedFakeTime() override { SetDefaultTimeSource(nullptr); }
  void Install() { SetDefaultTimeSource(this); }
};
