#pragma once
// The player's settings: music volume, effect volume and turning direction, kept in "dat/b00"
// as 9 bytes (two little-endian int32 volumes and the turning byte).

#include <cstdint>
#include <optional>
#include <string>

struct TSettings {
  int32_t MusicVolume = 0;
  int32_t SoundVolume = 0;
  uint8_t RotateMode = 1;

  bool operator==(const TSettings&) const = default;
};

inline constexpr size_t SettingsFileSize = 9;

std::string SettingsBytes(const TSettings& settings);
// The settings a file holds; none when it is shorter than 9 bytes (bytes after the ninth are
// ignored).
std::optional<TSettings> SettingsFromBytes(const std::string& bytes);

// The settings file name, relative to the player folder.
inline constexpr const char* SettingsFileName = "dat/b00";
