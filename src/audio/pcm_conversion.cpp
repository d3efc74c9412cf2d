#include "audio/pcm_conversion.h"

#include <climits>
#include <memory>

namespace {
struct TStreamFree {
  void operator()(SDL_AudioStream* stream) const { SDL_FreeAudioStream(stream); }
};

// Three little-endian bytes per sample become the high bytes of a 32-bit sample.
std::vector<int32_t> Widen24(const uint8_t* bytes, size_t samples) {
  std::vector<int32_t> wide(samples);
  for (size_t i = 0; i < samples; ++i, bytes += 3)
    wide[i] = static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) << 8 | static_cast<uint32_t>(bytes[1]) << 16 |
                                   static_cast<uint32_t>(bytes[2]) << 24);
  return wide;
}

// SDL's resampler keeps its last input frames back even when flushed, so the source is
// followed by silence and the result cut to the length the rate ratio gives.
bool PutWithTail(SDL_AudioStream* stream, SDL_AudioFormat format, int frameBytes, const void* bytes, size_t size) {
  constexpr int TailFrames = 4096;
  const std::vector<Uint8> tail(static_cast<size_t>(TailFrames * frameBytes), format == AUDIO_U8 ? 0x80 : 0);
  if (size > 0 && SDL_AudioStreamPut(stream, bytes, static_cast<int>(size)) != 0) return false;
  return SDL_AudioStreamPut(stream, tail.data(), static_cast<int>(tail.size())) == 0 && SDL_AudioStreamFlush(stream) == 0;
}

std::optional<TDevicePcm> Resample(SDL_AudioFormat format, int channels, int rate, const void* bytes, size_t size) {
  std::unique_ptr<SDL_AudioStream, TStreamFree> stream(
      SDL_NewAudioStream(format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS, DeviceChannels, DeviceRate));
  const int frameBytes = SDL_AUDIO_BITSIZE(format) / 8 * channels;
  if (!stream || !PutWithTail(stream.get(), format, frameBytes, bytes, size)) return std::nullopt;
  const int64_t frames = static_cast<int64_t>(size / frameBytes) * DeviceRate / rate;
  TDevicePcm pcm(static_cast<size_t>(frames * DeviceChannels));
  const int got = SDL_AudioStreamGet(stream.get(), pcm.data(), static_cast<int>(pcm.size() * sizeof(int16_t)));
  if (got < 0) return std::nullopt;
  pcm.resize(static_cast<size_t>(got) / sizeof(int16_t) / DeviceChannels * DeviceChannels);
  return pcm;
}
}  // namespace

int TPcmLayout::BytesPerFrame() const {
  const int bytesPerSample = Packed24 ? 3 : SDL_AUDIO_BITSIZE(Format) / 8;
  return bytesPerSample * Channels;
}

std::optional<TDevicePcm> ConvertToDevice(const TPcmLayout& layout, const void* bytes, size_t size) {
  if (layout.Channels <= 0 || layout.Channels > 8) return std::nullopt;
  if (layout.Rate < MinSourceRate || layout.Rate > MaxSourceRate) return std::nullopt;
  // SDL counts bytes in an int (widening 24-bit samples adds a third).
  if (size > static_cast<size_t>(INT32_MAX / 2)) return std::nullopt;
  const size_t frames = size / static_cast<size_t>(layout.BytesPerFrame());
  if (static_cast<double>(frames) * DeviceRate / layout.Rate > MaxDeviceFrames) return std::nullopt;
  if (!layout.Packed24)
    return Resample(layout.Format, layout.Channels, layout.Rate, bytes, frames * layout.BytesPerFrame());
  const std::vector<int32_t> wide = Widen24(static_cast<const uint8_t*>(bytes), frames * layout.Channels);
  return Resample(AUDIO_S32SYS, layout.Channels, layout.Rate, wide.data(), wide.size() * sizeof(int32_t));
}
