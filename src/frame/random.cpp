#include "frame/random.h"

#include <chrono>
#include <random>
#include <sstream>

namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 generator(0x6272696c6c6f72ULL);
  return generator;
}
}  // namespace

void Randomize() {
  RandomSeed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
             static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void RandomSeed(uint64_t seed) { Generator().seed(seed); }

int32_t Random(int32_t n) {
  if (n <= 0) return 0;
  // Multiply-shift keeps the pick uniform enough for any n below 2^31 and is the same on every
  // platform, unlike the standard distributions.
  const uint64_t bits = Generator()() >> 32;
  return static_cast<int32_t>((bits * static_cast<uint64_t>(n)) >> 32);
}

double RandomFloat() { return static_cast<double>(Generator()() >> 11) * 0x1.0p-53; }

std::string RandomState() {
  std::ostringstream out;
  out << Generator();
  return out.str();
}

namespace {
bool ReadState(const std::string& text, std::mt19937_64& state) {
  std::istringstream in(text);
  in >> state;
  if (in.fail()) return false;
  in >> std::ws;
  return in.eof();
}
}  // namespace

bool SetRandomState(const std::string& text) {
  std::mt19937_64 read;
  if (!ReadState(text, read)) return false;
  Generator() = read;
  return true;
}

bool IsRandomState(const std::string& text) {
  std::mt19937_64 read;
  return ReadState(text, read);
}
