#pragma once
// Adding samples into a mixing sum: the mixer's sounds and the music's buffer go through here.

#include <cstdint>

// sum[i] += gain * samples[i] for count samples.
inline void AddScaledSamples(float* sum, const int16_t* samples, int32_t count, float gain) {
  // In runs of eight, which the compiler turns into vector instructions; the rest one by one.
  constexpr int32_t kRun = 8;
  int32_t i = 0;
  for (; i + kRun <= count; i += kRun)
    for (int32_t k = 0; k < kRun; ++k) sum[i + k] += gain * static_cast<float>(samples[i + k]);
  for (; i < count; ++i) sum[i] += gain * static_cast<float>(samples[i]);
}
