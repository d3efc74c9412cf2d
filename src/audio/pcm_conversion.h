#pragma once
// Sample conversion, done once when a sound is loaded: whatever the file holds becomes the
// one format the mixer plays, 16-bit signed stereo at 44100 Hz, interleaved.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <SDL.h>

inline constexpr int DeviceRate = 44100;
inline constexpr int DeviceChannels = 2;
// Source rates accepted, as sound cards take them.
inline constexpr int MinSourceRate = 100;
inline constexpr int MaxSourceRate = 200000;
// Ten minutes: a longer result (a few seconds of file at a tiny rate, say) is refused rather
// than filling memory.
inline constexpr int64_t MaxDeviceFrames = int64_t{DeviceRate} * 600;

// Samples of the device format, left and right interleaved.
using TDevicePcm = std::vector<int16_t>;

// The layout of the samples of a source.
struct TPcmLayout {
  SDL_AudioFormat Format = AUDIO_S16LSB;
  int Channels = 0;
  int Rate = 0;
  // Three-byte samples, which SDL does not read: widened to 32-bit before conversion.
  bool Packed24 = false;

  int BytesPerFrame() const;
};

// The bytes converted to the device format, whole frames only (a trailing partial frame is
// dropped); nothing when the layout cannot be converted or the result would be too long.
std::optional<TDevicePcm> ConvertToDevice(const TPcmLayout& layout, const void* bytes, size_t size);
