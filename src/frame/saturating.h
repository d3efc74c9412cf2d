#pragma once
// Counters and sums that stop at the top (or bottom) of their range instead of wrapping round:
// a damaged roster or record can hold any number, and a long career must not turn negative.

#include <concepts>
#include <limits>

template <std::signed_integral T>
constexpr T SaturatingAdd(T value, T add) {
  T sum{};
  if (!__builtin_add_overflow(value, add, &sum)) return sum;
  return add > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
}

// One more, kept at the top of the range.
template <std::signed_integral T>
constexpr void CountOne(T& counter) {
  counter = SaturatingAdd(counter, T{1});
}
