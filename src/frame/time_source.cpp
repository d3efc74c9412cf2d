#include "frame/time_source.h"

#include <chrono>

namespace {
TSteadyTimeSource steady_source;
TTimeSource* current_source = &steady_source;
}  // namespace

int64_t TSteadyTimeSource::Counter() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

TTimeSource& DefaultTimeSource() { return *current_source; }

void SetDefaultTimeSource(TTimeSource* source) { current_source = source ? source : &steady_source; }
