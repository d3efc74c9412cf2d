#pragma once
// MP3 music decoded whole, from bytes already in memory, into the output's format. Encoder
// delay and padding are cut off (gapless decoding), so a piece loops without a gap.

#include <cstdint>
#include <optional>
#include <string>

#include "audio/pcm_conversion.h"

// The decoded samples; nothing when the bytes hold no playable MP3 audio, or when the piece runs
// longer than maxFrames of output: decoding stops as soon as that is known, so a long file never
// fills memory. A stream that breaks off part way gives what was decoded before the break.
std::optional<TDevicePcm> DecodeMp3(const std::string& bytes, int64_t maxFrames = MaxDeviceFrames);
