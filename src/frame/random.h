#pragma once
// The game's one pseudo-random generator.

#include <cstdint>
#include <string>
#include <vector>

// Seeds the generator from the clock (done once at start).
void Randomize();
// Seeds the generator with a fixed value (tests, content generation).
void RandomSeed(uint64_t seed);
// A uniform integer 0..n-1 for n >= 1; 0 for n <= 0.
int32_t Random(int32_t n);
// A uniform float in [0, 1).
double RandomFloat();
// The generator's whole state as text (numbers separated by spaces), and back: a saved game
// goes on with the same draws. False, and the state unchanged, for text that is not a state.
std::string RandomState();
bool SetRandomState(const std::string& text);
bool IsRandomState(const std::string& text);
