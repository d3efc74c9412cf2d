#include "audio/wave_format.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
TDevicePcm Convert(const std::string& fmt, const std::string& data, bool* supported = nullptr) {
  TTempProgramDir dir;
  dir.WriteBytes("t.wav", Riff("WAVE", fmt + Chunk("data", data)));
  const std::optional<TPcmLayout> layout = PcmLayoutOf(ReadWaveFormat(dir.File("t.wav")));
  const std::optional<TDevicePcm> pcm = layout ? ConvertToDevice(*layout, data.data(), data.size()) : std::nullopt;
  if (supported) *supported = pcm.has_value();
  return pcm.value_or(TDevicePcm{});
}

TEST(WaveFormatTest, SixteenBitStereoAtTheDeviceRateIsCopiedExactly) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234};
  EXPECT_EQ(Convert(Fmt(1, 2, 44100, 16), Samples16(samples)), samples);
  // The extensible record with a PCM sub-format is the same samples; a partial last frame is dropped.
  EXPECT_EQ(Convert(Fmt(0xFFFE, 2, 44100, 16, 1), Samples16(samples) + "z"), samples);
}

TEST(WaveFormatTest, OtherSampleFormatsBecomeSixteenBitStereo) {
  // 24-bit: the two high bytes; one mono frame goes to both channels.
  const TDevicePcm wide = Convert(Fmt(1, 1, 44100, 24), std::string("\x56\x34\x12\xAA\xCC\xEE", 6));
  ASSERT_EQ(wide.size(), 4u);
  EXPECT_EQ(wide[0], 0x1234);
  EXPECT_NEAR(wide[2], static_cast<int16_t>(0xEECC), 1);
  EXPECT_EQ(wide[2], wide[3]);
  const float floats[] = {0.5f, -0.25f};
  const std::string floatBytes(reinterpret_cast<const char*>(floats), sizeof floats);
  for (const TDevicePcm& pcm : {Convert(Fmt(3, 2, 44100, 32), floatBytes), Convert(Fmt(0xFFFE, 2, 44100, 32, 3), floatBytes)}) {
    ASSERT_EQ(pcm.size(), 2u);
    EXPECT_NEAR(pcm[0], 16384, 1);
    EXPECT_NEAR(pcm[1], -8192, 1);
  }
  // 8-bit mono 11025 Hz: unsigned around 128, four times as many frames at 44100 Hz.
  const TDevicePcm low = Convert(Fmt(1, 1, 11025, 8), std::string(1000, '\xC0'));
  ASSERT_EQ(low.size(), 8000u);
  EXPECT_NEAR(low[4000], 64 * 256, 200);
  EXPECT_EQ(low[4000], low[4001]);
  EXPECT_NEAR(low[7960], 64 * 256, 200);  // the end is not lost in the resampler
}

TEST(WaveFormatTest, FormatsTheMixerCannotReadAreRefused) {
  bool supported = true;
  Convert(Fmt(2, 1, 22050, 4), "\x01\x02", &supported);  // ADPCM
  EXPECT_FALSE(supported);
  Convert(Fmt(1, 1, 44100, 12), "\x01\x02", &supported);
  EXPECT_FALSE(supported);
  Convert(Fmt(0xFFFE, 2, 44100, 16, 2), "\x01\x02\x03\x04", &supported);  // extensible, not PCM or float
  EXPECT_FALSE(supported);
  Convert(Fmt(1, 0, 44100, 16), "\x01\x02", &supported);
  EXPECT_FALSE(supported);
  Convert(Chunk("fmt ", "\x01"), "\x01\x02", &supported);  // a record cut short reads as zeros
  EXPECT_FALSE(supported);
  // Two seconds of file at 100 Hz is a sound; at 99 Hz the rate is refused; an hour's worth is
  // refused before any memory is taken for it.
  Convert(Fmt(1, 1, 100, 8), std::string(200, '\x80'), &supported);
  EXPECT_TRUE(supported);
  Convert(Fmt(1, 1, 99, 8), std::string(200, '\x80'), &supported);
  EXPECT_FALSE(supported);
  Convert(Fmt(1, 1, 100, 8), std::string(360000, '\x80'), &supported);
  EXPECT_FALSE(supported);
}

TEST(WaveFormatTest, ReadsTheAlsaSampleFiles) {
  const std::filesystem::path file = "/usr/share/sounds/alsa/Front_Center.wav";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "alsa-utils sounds not installed";
  const TWaveFormatEx format = ReadWaveFormat(file.string());
  EXPECT_EQ(format.wFormatTag, 1);
  EXPECT_EQ(format.nChannels, 1);
  EXPECT_EQ(format.nSamplesPerSec, 48000u);
  EXPECT_EQ(format.wBitsPerSample, 16);
  ASSERT_TRUE(PcmLayoutOf(format).has_value());
}
}  // namespace
