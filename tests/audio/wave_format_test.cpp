#include "audio/wave_format.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
// The data converted as the file's "fmt " chunk says; nothing when refused.
std::optional<TDevicePcm> Convert(const std::string& fmt, const std::string& data) {
  TTempProgramDir dir;
  dir.WriteBytes("t.wav", Riff("WAVE", fmt + Chunk("data", data)));
  const std::optional<TPcmLayout> layout = PcmLayoutOf(ReadWaveFormat(dir.File("t.wav")));
  return layout ? ConvertToDevice(*layout, data.data(), data.size()) : std::nullopt;
}

// SDL goes through float for some formats: a step of one either way is fine.
void ExpectSamples(const std::optional<TDevicePcm>& pcm, const TDevicePcm& expected) {
  ASSERT_TRUE(pcm);
  ASSERT_EQ(pcm->size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR((*pcm)[i], expected[i], 1) << i;
}

TEST(WaveFormatTest, SamplesBecomeSixteenBitStereoAt44100) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234};
  EXPECT_EQ(Convert(Fmt(1, 2, 44100, 16), Samples16(samples)), samples);
  // Extensible PCM reads the same; a partial last frame is dropped.
  EXPECT_EQ(Convert(Fmt(0xFFFE, 2, 44100, 16, 1), Samples16(samples) + "z"), samples);
  // 24-bit keeps the two high bytes; a mono frame goes to both channels.
  ExpectSamples(Convert(Fmt(1, 1, 44100, 24), "\x56\x34\x12\xAA\xCC\xEE"), {0x1234, 0x1234, -4404, -4404});
  const float floats[] = {0.5f, -0.25f};
  const std::string floatBytes(reinterpret_cast<const char*>(floats), sizeof floats);
  ExpectSamples(Convert(Fmt(3, 2, 44100, 32), floatBytes), {16384, -8192});
  ExpectSamples(Convert(Fmt(0xFFFE, 2, 44100, 32, 3), floatBytes), {16384, -8192});
  // 8-bit mono 11025 Hz: unsigned around 128, four times the frames, the end not lost.
  const TDevicePcm low = Convert(Fmt(1, 1, 11025, 8), std::string(1000, '\xC0')).value();
  ASSERT_EQ(low.size(), 8000u);
  EXPECT_NEAR(low[4000], 64 * 256, 200);
  EXPECT_NEAR(low[7960], 64 * 256, 200);
}

TEST(WaveFormatTest, FormatsTheMixerCannotReadAreRefused) {
  EXPECT_FALSE(Convert(Fmt(2, 1, 22050, 4), "\x01\x02"));  // ADPCM
  EXPECT_FALSE(Convert(Fmt(1, 1, 44100, 12), "\x01\x02"));
  EXPECT_FALSE(Convert(Fmt(0xFFFE, 2, 44100, 16, 2), "\x01\x02\x03\x04"));  // neither PCM nor float
  EXPECT_FALSE(Convert(Fmt(1, 0, 44100, 16), "\x01\x02"));
  EXPECT_FALSE(Convert(Chunk("fmt ", "\x01"), "\x01\x02"));  // a record cut short reads as zeros
  EXPECT_TRUE(Convert(Fmt(1, 1, 100, 8), std::string(200, '\x80')));
  EXPECT_FALSE(Convert(Fmt(1, 1, 99, 8), std::string(200, '\x80')));
  EXPECT_FALSE(Convert(Fmt(1, 1, 100, 8), std::string(60 * 60 * 100, '\x80')));  // an hour: too long
}

TEST(WaveFormatTest, ReadsTheAlsaSampleFiles) {
  const std::string file = "/usr/share/sounds/alsa/Front_Center.wav";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "alsa-utils sounds not installed";
  const TWaveFormatEx format = ReadWaveFormat(file);
  EXPECT_EQ(format.nChannels, 1);
  EXPECT_EQ(format.nSamplesPerSec, 48000u);
  EXPECT_EQ(format.wBitsPerSample, 16);
  EXPECT_TRUE(PcmLayoutOf(format));
}
}  // namespace
