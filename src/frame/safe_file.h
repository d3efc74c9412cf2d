#pragma once
// Player data is written aside and then renamed over the old file, so a crash or a full disk in
// the middle of a save never leaves a truncated file where the previous one was.

#include <string>
#include <string_view>

// Writes bytes to path through path + ".tmp" and an atomic rename. Returns false (and leaves
// any existing file untouched) when any step fails.
bool WriteFileSafely(const std::string& path, std::string_view bytes);

// Reads a whole file; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string& bytes);
