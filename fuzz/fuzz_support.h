#pragma once
// What every harness shares: a private game folder on a memory file system, where each input
// is written as the file the real reader opens, and the check that turns a broken promise of
// a reader into a finding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Makes (once) a fresh program directory and returns the path of the game-relative name.
std::string FuzzPath(const std::string& relative);
// Writes the bytes as that file and returns its path.
std::string WriteFuzzFile(const std::string& relative, std::string_view bytes);
// Starts the offscreen application and the silent sound driver, for readers that need them.
void StartFuzzApplication();

// A reader broke its word: report what and stop, so libFuzzer keeps the input.
[[noreturn]] void FuzzFailure(const char* what);
inline void FuzzCheck(bool holds, const char* what) {
  if (!holds) FuzzFailure(what);
}

inline std::string_view FuzzBytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}
