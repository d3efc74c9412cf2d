#include "frame/settings.h"

namespace {
int32_t ReadInt32(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
  return static_cast<int32_t>(value);
}

void AppendInt32(std::string& bytes, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
}
}  // namespace

std::string SettingsBytes(const TSettings& settings) {
  std::string bytes;
  AppendInt32(bytes, settings.MusicVolume);
  AppendInt32(bytes, settings.SoundVolume);
  bytes += static_cast<char>(settings.RotateMode);
  return bytes;
}

std::optional<TSettings> SettingsFromBytes(const std::string& bytes) {
  if (bytes.size() < SettingsFileSize) return std::nullopt;
  return TSettings{ReadInt32(bytes, 0), ReadInt32(bytes, 4), static_cast<uint8_t>(bytes[8])};
}
