#pragma once
// The generator's own random numbers. Every picture and sound seeds its own generator, so runs
// are identical and changing one item never shifts the others.

#include <cstdint>

class TContentRandom {
 public:
  explicit TContentRandom(uint64_t seed) : state_(seed) {}

  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double low, double high) { return low + (high - low) * Uniform(); }
  // Uniform integer 0..n-1; 0 when n <= 0.
  int Below(int n) { return n <= 0 ? 0 : int(Next() % uint64_t(n)); }

 private:
  uint64_t state_;
};
