#pragma once
// A pick with probability proportional to integer weights.

#include <cstdint>
#include <vector>

// Uses weights 0..HighIndex (never past the end of Weights). Returns -1 when there are none or
// their total is not positive; otherwise draws R in 0..total-1 and returns the first index
// whose running total exceeds R.
int32_t WeightedRandom(const std::vector<int32_t>& Weights, int32_t HighIndex);
