#pragma once
// The mixing itself, on plain buffers: every playing voice added into 16-bit stereo output.
// Nothing here allocates, locks or touches a file, so it can run inside the audio callback.

#include <cstdint>
#include <vector>

#include "audio/music_stream.h"
#include "audio/pcm_conversion.h"

// Hundredths of a decibel (0 loudest, -10000 silence) as a linear gain.
float AttenuationToGain(int32_t hundredthsOfDb);

// One sound the mixer can play: its samples in the device format, or a stream of music that
// always loops, and where it stands.
struct TMixVoice {
  TDevicePcm Pcm;
  TMusicStream* Stream = nullptr;
  int64_t Position = 0;  // in frames
  bool Playing = false;
  bool Looping = false;
  float Gain = 1.0f;

  // A stream's length is known once it has been decoded to its end (0 before).
  int64_t Frames() const {
    return Stream ? Stream->PassFrames() : static_cast<int64_t>(Pcm.size()) / DeviceChannels;
  }
};

class TMixer {
 public:
  TMixer();

  // The mixer only refers to its voices; their owners remove them before freeing them.
  void Add(TMixVoice* voice);
  void Remove(TMixVoice* voice);
  // True while any voice plays.
  bool AnyPlaying() const;
  // Whether a playing voice will end by itself (an effect played once; music always loops).
  bool AnyEndingByItself() const;

  // Overwrites frames of interleaved stereo output with the sum of the playing voices, which
  // move on. A voice played once stops at its end and goes back to its start; a looping voice
  // goes on from its first frame with no gap.
  void Mix(int16_t* out, int32_t frames);

 private:
  static constexpr int32_t BlockFrames = 256;
  void MixBlock(int16_t* out, int32_t frames);
  static void AddVoice(TMixVoice& voice, float* sum, int32_t frames);
  static void AddStream(TMixVoice& voice, float* sum, int32_t frames);

  std::vector<TMixVoice*> voices_;
};
