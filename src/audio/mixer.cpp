#include "audio/mixer.h"

#include <algorithm>
#include <cmath>

#include "audio/sample_sum.h"

namespace {
constexpr int32_t SilentAttenuation = -10000;

// The nearest 16-bit sample, halves to even as lrint rounds. Adding and taking away 1.5 x 2^23
// leaves a float of that size no fraction bits, so the sum rounds to a whole number (exact for
// anything the clamp lets through), in a form the compiler can run on many samples at once.
inline int16_t RoundToSample(float value) {
  constexpr float kRounder = 12582912.0f;
  const float clamped = std::min(std::max(value, -32768.0f), 32767.0f);
  return static_cast<int16_t>(static_cast<int32_t>((clamped + kRounder) - kRounder));
}
}  // namespace

float AttenuationToGain(int32_t hundredthsOfDb) {
  if (hundredthsOfDb <= SilentAttenuation) return 0.0f;
  return static_cast<float>(std::pow(10.0, std::min(hundredthsOfDb, 0) / 2000.0));
}

TMixer::TMixer() { voices_.reserve(64); }

void TMixer::Add(TMixVoice* voice) {
  if (std::find(voices_.begin(), voices_.end(), voice) == voices_.end()) voices_.push_back(voice);
}

void TMixer::Remove(TMixVoice* voice) { voices_.erase(std::remove(voices_.begin(), voices_.end(), voice), voices_.end()); }

bool TMixer::AnyPlaying() const {
  return std::any_of(voices_.begin(), voices_.end(), [](const TMixVoice* voice) { return voice->Playing; });
}

bool TMixer::AnyEndingByItself() const {
  return std::any_of(voices_.begin(), voices_.end(),
                     [](const TMixVoice* voice) { return voice->Playing && !voice->Looping && !voice->Stream; });
}

void TMixer::Mix(int16_t* out, int32_t frames) {
  for (int32_t done = 0; done < frames; done += BlockFrames)
    MixBlock(out + static_cast<ptrdiff_t>(done) * DeviceChannels, std::min(BlockFrames, frames - done));
}

void TMixer::MixBlock(int16_t* out, int32_t frames) {
  constexpr int32_t kSamples = BlockFrames * DeviceChannels;
  float sum[kSamples] = {};
  for (TMixVoice* voice : voices_)
    if (voice->Playing) AddVoice(*voice, sum, frames);
  // The whole block is converted, a count the compiler sees, so the loop runs in vector
  // registers; only the frames asked for are handed out.
  int16_t samples[kSamples];
  for (int32_t i = 0; i < kSamples; ++i) samples[i] = RoundToSample(sum[i]);
  std::copy_n(samples, frames * DeviceChannels, out);
}

void TMixer::AddStream(TMixVoice& voice, float* sum, int32_t frames) {
  voice.Position += voice.Stream->MixInto(sum, frames, voice.Gain);
  const int64_t length = voice.Frames();
  if (length > 0) voice.Position %= length;
}

void TMixer::AddVoice(TMixVoice& voice, float* sum, int32_t frames) {
  if (voice.Stream) {
    AddStream(voice, sum, frames);
    return;
  }
  const int64_t length = voice.Frames();
  int32_t filled = 0;
  while (filled < frames && voice.Playing) {
    if (voice.Position >= length) {
      voice.Position = 0;
      voice.Playing = voice.Looping && length > 0;
      continue;
    }
    const int32_t run = static_cast<int32_t>(std::min<int64_t>(frames - filled, length - voice.Position));
    const int16_t* from = voice.Pcm.data() + voice.Position * DeviceChannels;
    float* to = sum + static_cast<ptrdiff_t>(filled) * DeviceChannels;
    AddScaledSamples(to, from, run * DeviceChannels, voice.Gain);
    voice.Position += run;
    filled += run;
  }
  if (voice.Position >= length && !voice.Looping) {
    voice.Position = 0;
    voice.Playing = false;
  }
}
