#include "audio/mixer.h"

#include <gtest/gtest.h>

namespace {
// A stereo voice whose frame i holds (i + 1) * step on both channels.
TMixVoice Ramp(int frames, int16_t step, bool looping = false) {
  TMixVoice voice;
  for (int i = 0; i < frames; ++i) voice.Pcm.insert(voice.Pcm.end(), 2, static_cast<int16_t>((i + 1) * step));
  voice.Playing = true;
  voice.Looping = looping;
  return voice;
}

// The left channel of frames of output, mixed in pieces of the given size.
std::vector<int> Left(TMixer& mixer, int frames, int piece = 1000) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 1);
  for (int done = 0; done < frames; done += piece) mixer.Mix(out.data() + done * 2, std::min(piece, frames - done));
  std::vector<int> left;
  for (int i = 0; i < frames; ++i) left.push_back(out[i * 2]);
  return left;
}

TEST(MixerTest, AttenuationIsTwentiethsOfTheDecibelExponent) {
  EXPECT_FLOAT_EQ(AttenuationToGain(0), 1.0f);
  EXPECT_FLOAT_EQ(AttenuationToGain(-2000), 0.1f);
  EXPECT_FLOAT_EQ(AttenuationToGain(-600), 0.5011872f);
  EXPECT_FLOAT_EQ(AttenuationToGain(300), 1.0f);
  EXPECT_EQ(AttenuationToGain(-10000), 0.0f);
}

TEST(MixerTest, VoicesAddWithTheirGainsAndClip) {
  TMixer mixer;
  TMixVoice loud = Ramp(4, 8000), quiet = Ramp(4, 1000);
  quiet.Gain = AttenuationToGain(-2000);
  mixer.Add(&loud);
  mixer.Add(&quiet);
  EXPECT_EQ(Left(mixer, 6), (std::vector<int>{8100, 16200, 24300, 32400, 0, 0}));

  TMixer other;
  TMixVoice low = Ramp(4, -5000), lower = Ramp(4, -5000);
  other.Add(&low);
  other.Add(&low);  // a voice is mixed once however often it is added
  EXPECT_EQ(Left(other, 1), (std::vector<int>{-5000}));
  other.Add(&lower);
  EXPECT_EQ(Left(other, 3), (std::vector<int>{-15000, -25000, -32768}));
}

TEST(MixerTest, OnceVoiceEndsAndRewindsLoopingVoiceWrapsSampleExact) {
  TMixer mixer;
  TMixVoice once = Ramp(300, 1), looping = Ramp(300, 100, true);
  mixer.Add(&once);
  std::vector<int> left = Left(mixer, 700, 77);
  EXPECT_EQ(left[299], 300);
  EXPECT_EQ(left[300], 0);
  EXPECT_FALSE(once.Playing);
  EXPECT_EQ(once.Position, 0);
  mixer.Remove(&once);
  mixer.Add(&looping);
  left = Left(mixer, 1000, 77);  // pieces that do not divide the length, nor the mixer's block
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(left[i], (i % 300 + 1) * 100) << i;
  EXPECT_TRUE(looping.Playing);
}

TEST(MixerTest, PausedVoiceKeepsItsPlaceAndLoopSwitchCausesNoJump) {
  TMixer mixer;
  TMixVoice voice = Ramp(100, 1, true);
  mixer.Add(&voice);
  Left(mixer, 130);
  voice.Playing = false;
  EXPECT_EQ(Left(mixer, 10), std::vector<int>(10, 0));
  voice.Playing = true;
  voice.Looping = false;  // the current pass finishes, then it stops
  std::vector<int> left = Left(mixer, 80);
  EXPECT_EQ(left[0], 31);
  EXPECT_EQ(left[69], 100);
  EXPECT_EQ(left[70], 0);
  EXPECT_FALSE(voice.Playing);
}
}  // namespace
