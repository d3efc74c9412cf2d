#include "board/weighted_random.h"

#include <algorithm>
#include <limits>

#include "frame/random.h"

namespace {
// Totals above the generator's range (only possible with absurd weights) are scaled.
int64_t Draw(int64_t total) {
  if (total <= std::numeric_limits<int32_t>::max()) return Random(static_cast<int32_t>(total));
  return std::min(total - 1, static_cast<int64_t>(RandomFloat() * static_cast<double>(total)));
}
}  // namespace

int32_t WeightedRandom(const std::vector<int32_t>& Weights, int32_t HighIndex) {
  const int32_t count = std::min<int64_t>(int64_t{HighIndex} + 1, static_cast<int64_t>(Weights.size()));
  if (count <= 0) return -1;
  int64_t total = 0;
  for (int32_t i = 0; i < count; ++i) total += Weights[i];
  if (total <= 0) return -1;
  const int64_t pick = Draw(total);
  int64_t running = 0;
  for (int32_t i = 0; i < count; ++i) {
    running += Weights[i];
    if (pick < running) return i;
  }
  return count - 1;
}
