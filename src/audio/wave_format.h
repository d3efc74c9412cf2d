#pragma once
// The format record of a WAVE file's "fmt " chunk and how the mixer reads its samples.

#include <cstdint>
#include <optional>
#include <string>

#include "audio/pcm_conversion.h"

inline constexpr uint16_t WaveFormatPcm = 1;
inline constexpr uint16_t WaveFormatIeeeFloat = 3;
inline constexpr uint16_t WaveFormatExtensible = 0xFFFE;

// The 18-byte record (cbSize only present in chunks of 18 bytes or more). SubFormatTag is the
// first field of an extensible file's sub-format GUID, which says PCM or float; it lies past
// the record and is 0 for other files.
struct TWaveFormatEx {
  uint16_t wFormatTag = 0;
  uint16_t nChannels = 0;
  uint32_t nSamplesPerSec = 0;
  uint32_t nAvgBytesPerSec = 0;
  uint16_t nBlockAlign = 0;
  uint16_t wBitsPerSample = 0;
  uint16_t cbSize = 0;
  uint16_t SubFormatTag = 0;
};

// The "fmt " chunk of a WAVE file, read for its first 18 bytes (and the sub-format tag of an
// extensible one); a shorter chunk leaves the rest zero. Fails with the reader's messages.
TWaveFormatEx ReadWaveFormat(const std::string& fileName);

// How to read the samples of this format; nothing for formats the mixer cannot convert
// (compressed, unusual sample sizes, a block size that does not match).
std::optional<TPcmLayout> PcmLayoutOf(const TWaveFormatEx& format);
