// Sounds are checked the way the game will meet them: WAVE files through the game's own RIFF
// reader, music through its own gapless MP3 decoder.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

#include "audio/mp3_decoder.h"
#include "audio/wav_parser.h"
#include "audio/wave_format.h"
#include "audio_files.h"
#include "content_test_support.h"
#include "sounds.h"

namespace {
constexpr int MinusOneDbfs = 29204;  // 32767 * 10^(-1/20)

std::vector<int16_t> DataSamples(const std::string& file) {
  TRiffChunkDataExtractor data(file, MakeFourCC("data"), MakeFourCC("WAVE"));
  const std::vector<char> bytes = data.ReadData();
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = int16_t(uint8_t(bytes[2 * i]) | (uint8_t(bytes[2 * i + 1]) << 8));
  return samples;
}

int Peak(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
  return peak;
}

// The quietest stretch of the given length, as RMS on the 16-bit scale.
double QuietestWindowRms(const std::vector<int16_t>& samples, size_t channels, size_t window) {
  double quietest = 1e9;
  for (size_t start = 0; start + window <= samples.size(); start += window / 2) {
    double sum = 0;
    for (size_t i = start; i < start + window; i += channels) sum += double(samples[i]) * samples[i];
    quietest = std::min(quietest, std::sqrt(sum / double(window / channels)));
  }
  return quietest;
}

// The step from the last sample back to the first, against the largest step of the 20 ms on
// either side of the seam: a click is a step far beyond what the sound around it makes.
void ExpectSmoothSeam(const std::vector<int16_t>& samples, size_t channels, const std::string& name) {
  const size_t frames = samples.size() / channels, window = 882;
  ASSERT_GT(frames, 2 * window) << name;
  auto at = [&](size_t frame) { return int(samples[frame * channels]); };
  int largest = 0;
  for (size_t f = 1; f < window; ++f) largest = std::max(largest, std::abs(at(f) - at(f - 1)));
  for (size_t f = frames - window; f < frames; ++f) largest = std::max(largest, std::abs(at(f) - at(f - 1)));
  const int seam = std::abs(at(0) - at(frames - 1));
  EXPECT_LE(seam, largest * 3 / 2 + 8) << name << ": step " << seam << " at the loop seam";
}
// Shares of the signal's energy below 250 Hz (bass) and above 700 Hz (melody and the upper
// voices), from one-pole filters.
std::pair<double, double> LowAndHighShares(const TSamples& samples) {
  const double kLow = 1 - std::exp(-2 * 3.14159265 * 250 / SynthRate);
  const double kHigh = 1 - std::exp(-2 * 3.14159265 * 700 / SynthRate);
  double low = 0, smooth = 0, lowEnergy = 0, highEnergy = 0, total = 0;
  for (float s : samples) {
    low += kLow * (s - low);
    smooth += kHigh * (s - smooth);
    lowEnergy += low * low;
    highEnergy += (s - smooth) * (s - smooth);
    total += double(s) * s;
  }
  return {lowEnergy / total, highEnergy / total};
}
}  // namespace

TEST(SoundEffects, AreTwelveShortUnclippedMonoPcmWavesTheGameCanRead) {
  TScratchFolder folder;
  WriteSoundEffects(TContentFolder(folder.Path()));
  const char* names[] = {"rotate", "drop", "CannotDrop", "clearline", "luo", "hurryup",
                         "breakup", "laser", "laserbreakout", "PBox", "Boom", "coin"};
  for (const char* name : names) {
    const std::string file = (folder.Path() / "wav" / (std::string(name) + ".wav")).string();
    const TWaveFormatEx format = ReadWaveFormat(file);
    EXPECT_EQ(format.wFormatTag, WaveFormatPcm) << name;
    EXPECT_EQ(format.wBitsPerSample, 16) << name;
    EXPECT_TRUE(format.nSamplesPerSec == 44100 || format.nSamplesPerSec == 22050) << name;
    ASSERT_TRUE(PcmLayoutOf(format).has_value()) << name;
    const std::vector<int16_t> samples = DataSamples(file);
    const double seconds = double(samples.size()) / format.nSamplesPerSec / format.nChannels;
    EXPECT_GT(seconds, 0.02) << name;
    EXPECT_LE(seconds, 2.0) << name;
    EXPECT_LE(Peak(samples), MinusOneDbfs) << name << " peaks above -1 dBFS";
    EXPECT_GE(Peak(samples), MinusOneDbfs / 4) << name << " is too quiet to hear in play";
    // No dead air inside an effect: every 150 ms holds sound.
    EXPECT_GT(QuietestWindowRms(samples, 1, std::min<size_t>(samples.size(), 6615)), 3.0) << name;
  }
  const std::vector<int16_t> laser = DataSamples((folder.Path() / "wav/laser.wav").string());
  ExpectSmoothSeam(laser, 1, "laser");
}

TEST(SoundEffects, WaveWriterClipsInsteadOfWrappingAround) {
  const std::string bytes = EncodeWav({2.0f, -2.0f, 0.5f});
  ASSERT_EQ(bytes.size(), 44u + 6u);
  auto sample = [&](int i) { return int16_t(uint8_t(bytes[44 + 2 * i]) | (uint8_t(bytes[45 + 2 * i]) << 8)); };
  EXPECT_EQ(sample(0), 32767);
  EXPECT_EQ(sample(1), -32767);
  EXPECT_EQ(sample(2), 16384);
}

TEST(Music, FivePiecesDecodeGaplesslyIntoLoopsOfHalfAMinuteToAMinuteAndAHalf) {
  const std::vector<TNamedSound> pieces = MusicPieces();
  ASSERT_EQ(pieces.size(), 5u);
  for (const TNamedSound& piece : pieces) {
    const std::optional<TDevicePcm> decoded = DecodeMp3(EncodeMp3(piece.samples));
    ASSERT_TRUE(decoded.has_value()) << piece.file;
    const std::vector<int16_t>& pcm = *decoded;
    const double seconds = double(pcm.size()) / DeviceChannels / DeviceRate;
    EXPECT_GE(seconds, 30.0) << piece.file;
    EXPECT_LE(seconds, 90.0) << piece.file;
    // The decoder gives back exactly the samples encoded, so the loop keeps its length.
    EXPECT_EQ(pcm.size() / DeviceChannels, piece.samples.size()) << piece.file;
    EXPECT_LE(Peak(pcm), MinusOneDbfs) << piece.file << " peaks above -1 dBFS";
    // Never a second of near silence (-50 dBFS).
    EXPECT_GT(QuietestWindowRms(pcm, DeviceChannels, size_t(DeviceRate) * DeviceChannels), 104.0) << piece.file;
    ExpectSmoothSeam(pcm, DeviceChannels, piece.file);
    // A bass line under the harmony, and a melody above it.
    const auto [low, high] = LowAndHighShares(piece.samples);
    EXPECT_GT(low, 0.15) << piece.file << " has no bass to speak of";
    EXPECT_GT(high, 0.05) << piece.file << " has nothing above the accompaniment";
  }
}
