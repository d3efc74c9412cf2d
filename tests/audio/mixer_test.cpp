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

// The left channel of the next frames, mixed in pieces that divide neither a voice's length nor
// the mixer's block.
std::vector<int> Left(TMixer& mixer, int frames) {
  std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 1);
  for (int done = 0; done < frames; done += 77) mixer.Mix(out.data() + done * 2, std::min(77, frames - done));
  std::vector<int> left;
  for (int i = 0; i < frames; ++i) left.push_back(out[i * 2]);
  return left;
}

TEST(MixerTest, VoicesAddWithTheirGainsAndClip) {
  TMixer mixer;
  TMixVoice loud = Ramp(4, 8000), quiet = Ramp(4, 1000);
  quiet.Gain = AttenuationToGain(-2000);
  mixer.Add(&loud);
  mixer.Add(&quiet);
  mixer.Add(&quiet);  // mixed once however often it is added
  EXPECT_EQ(Left(mixer, 6), (std::vector<int>{8100, 16200, 24300, 32400, 0, 0}));

  TMixer other;
  TMixVoice a = Ramp(2, 1), b = Ramp(2, 1);
  a.Pcm = b.Pcm = {-20000, -20000, 20000, 20000};
  other.Add(&a);
  other.Add(&b);
  EXPECT_EQ(Left(other, 2), (std::vector<int>{-32768, 32767}));

  // Halves go to the even neighbour, as the sound card's own rounding does; the rest to the
  // nearest.
  TMixer halves;
  TMixVoice half = Ramp(6, 1);
  half.Pcm = {1, 1, 3, 3, 5, 5, -3, -3, 7, 7, -7, -7};
  half.Gain = 0.5f;
  halves.Add(&half);
  EXPECT_EQ(Left(halves, 6), (std::vector<int>{0, 2, 2, -2, 4, -4}));
}

TEST(MixerTest, OnceVoiceEndsAndRewindsWhileLoopingVoiceWrapsSampleExact) {
  TMixer mixer;
  TMixVoice once = Ramp(300, 1), looping = Ramp(300, 100, true);
  mixer.Add(&once);
  std::vector<int> left = Left(mixer, 700);
  EXPECT_EQ(left[299], 300);
  EXPECT_EQ(left[300], 0);
  EXPECT_FALSE(once.Playing);
  EXPECT_EQ(once.Position, 0);
  mixer.Remove(&once);
  mixer.Add(&looping);
  left = Left(mixer, 1000);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(left[i], (i % 300 + 1) * 100) << i;
}
}  // namespace
