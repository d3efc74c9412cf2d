#include "audio/wave_format.h"

#include <algorithm>

#include "audio/wav_parser.h"

namespace {
constexpr int SubFormatOffset = 24;  // after cbSize, valid bits and the channel mask

uint16_t ReadUInt16(const unsigned char* bytes) { return static_cast<uint16_t>(bytes[0] | bytes[1] << 8); }
uint32_t ReadUInt32(const unsigned char* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::optional<SDL_AudioFormat> SampleFormat(uint16_t tag, uint16_t bits) {
  if (tag == WaveFormatPcm && bits == 8) return AUDIO_U8;
  if (tag == WaveFormatPcm && bits == 16) return AUDIO_S16LSB;
  if (tag == WaveFormatPcm && bits == 24) return AUDIO_S32LSB;  // widened when converted
  if (tag == WaveFormatPcm && bits == 32) return AUDIO_S32LSB;
  if (tag == WaveFormatIeeeFloat && bits == 32) return AUDIO_F32LSB;
  return std::nullopt;
}
}  // namespace

TWaveFormatEx ReadWaveFormat(const std::string& fileName) {
  TRiffChunkDataExtractor fmt(fileName, MakeFourCC("fmt "), MakeFourCC("WAVE"));
  unsigned char bytes[SubFormatOffset + 2] = {};
  const int64_t count = fmt.ReadData(bytes, sizeof bytes);
  TWaveFormatEx format;
  format.wFormatTag = ReadUInt16(bytes);
  format.nChannels = ReadUInt16(bytes + 2);
  format.nSamplesPerSec = ReadUInt32(bytes + 4);
  format.nAvgBytesPerSec = ReadUInt32(bytes + 8);
  format.nBlockAlign = ReadUInt16(bytes + 12);
  format.wBitsPerSample = ReadUInt16(bytes + 14);
  format.cbSize = ReadUInt16(bytes + 16);
  if (format.wFormatTag == WaveFormatExtensible && count >= static_cast<int64_t>(sizeof bytes))
    format.SubFormatTag = ReadUInt16(bytes + SubFormatOffset);
  return format;
}

std::optional<TPcmLayout> PcmLayoutOf(const TWaveFormatEx& format) {
  const uint16_t tag = format.wFormatTag == WaveFormatExtensible ? format.SubFormatTag : format.wFormatTag;
  const std::optional<SDL_AudioFormat> sampleFormat = SampleFormat(tag, format.wBitsPerSample);
  if (!sampleFormat || format.nChannels == 0 || format.nSamplesPerSec == 0) return std::nullopt;
  if (format.nBlockAlign != format.nChannels * format.wBitsPerSample / 8) return std::nullopt;
  TPcmLayout layout;
  layout.Format = *sampleFormat;
  layout.Channels = format.nChannels;
  layout.Rate = static_cast<int>(std::min<uint32_t>(format.nSamplesPerSec, INT32_MAX));
  layout.Packed24 = format.wBitsPerSample == 24;
  return layout;
}
