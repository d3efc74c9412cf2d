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

TEST(SoundEffects, TheRefusedDropIsShortAndNoLouderThanTheOtherEffects) {
  // It answers every refused click, so it must not stand out or drag on.
  const std::vector<TNamedSound> effects = SoundEffects();
  std::vector<double> others;
  double refused = 0, refusedSeconds = 0;
  for (const TNamedSound& effect : effects) {
    double sum = 0;
    for (float s : effect.samples) sum += double(s) * s;
    const double rms = std::sqrt(sum / double(effect.samples.size()));
    if (effect.file == "wav/CannotDrop.wav") {
      refused = rms;
      refusedSeconds = double(effect.samples.size()) / SynthRate;
    } else {
      others.push_back(rms);
    }
  }
  ASSERT_EQ(others.size(), 11u);
  std::sort(others.begin(), others.end());
  EXPECT_LE(refused, others[others.size() / 2]) << "louder than the median effect";
  EXPECT_LE(refusedSeconds, 0.12);
}

TEST(SoundEffects, PaymentsTenTimesASecondHearWholeDings) {
  // Each payment restarts the coin sound; what plays before the next restart must be a whole
  // ding that has died away, not the start of the next note.
  const TNamedSound coin = SoundEffects().back();
  ASSERT_EQ(coin.file, "wav/coin.wav");
  float peak = 0, endOfTenth = 0;
  for (size_t i = 0; i < coin.samples.size(); ++i) {
    peak = std::max(peak, std::fabs(coin.samples[i]));
    if (i >= SamplesFor(0.09) && i < SamplesFor(0.12)) endOfTenth = std::max(endOfTenth, std::fabs(coin.samples[i]));
  }
  EXPECT_LT(endOfTenth, peak / 100) << "the coin still rings (or rings again) where the next payment cuts it";
  EXPECT_GT(coin.samples.size(), SamplesFor(0.2)) << "the last payment rings out in full";
}

namespace {
// Mean square of the two channels added, in frames of 10 ms: the loudness outline of a piece.
std::vector<double> Outline(const std::vector<int16_t>& pcm) {
  const size_t frame = DeviceRate / 100;
  std::vector<double> outline(pcm.size() / DeviceChannels / frame);
  for (size_t f = 0; f < outline.size(); ++f) {
    double sum = 0;
    for (size_t i = f * frame; i < (f + 1) * frame; ++i) {
      const double mid = double(pcm[2 * i]) + pcm[2 * i + 1];
      sum += mid * mid;
    }
    outline[f] = sum / double(frame);
  }
  return outline;
}

// The least difference between the loop and itself shifted by ten seconds or more, against
// its own energy: near 0 when the piece only repeats a shorter loop.
double LeastSelfDifference(const std::vector<double>& outline) {
  const size_t n = outline.size(), shortest = 1000;
  double energy = 0;
  for (double v : outline) energy += v * v;
  double least = 1e9;
  for (size_t lag = shortest; lag + shortest <= n; ++lag) {
    double difference = 0;
    for (size_t i = 0; i < n; ++i) {
      const double d = outline[i] - outline[(i + lag) % n];
      difference += d * d;
    }
    least = std::min(least, difference / energy);
  }
  return least;
}

// Energy of the difference of the channels against that of their sum.
double StereoWidth(const std::vector<int16_t>& pcm) {
  double side = 0, mid = 0;
  for (size_t i = 0; i + 1 < pcm.size(); i += 2) {
    side += std::pow(double(pcm[i]) - pcm[i + 1], 2);
    mid += std::pow(double(pcm[i]) + pcm[i + 1], 2);
  }
  return side / mid;
}

std::vector<int16_t> Channel(const std::vector<int16_t>& pcm, size_t channel) {
  std::vector<int16_t> one;
  for (size_t i = channel; i < pcm.size(); i += DeviceChannels) one.push_back(pcm[i]);
  return one;
}
}  // namespace

TEST(Music, FivePiecesDecodeGaplesslyIntoStereoLoopsOfTwoToThreeMinutesThatDoNotRepeatThemselves) {
  const std::vector<TNamedMusic> pieces = MusicPieces();
  ASSERT_EQ(pieces.size(), 5u);
  for (const TNamedMusic& piece : pieces) {
    const std::string mp3 = EncodeMp3(piece.samples);
    EXPECT_LE(mp3.size(), 3u << 20) << piece.file << " is larger than it needs to be";
    const std::optional<TDevicePcm> decoded = DecodeMp3(mp3);
    ASSERT_TRUE(decoded.has_value()) << piece.file;
    const std::vector<int16_t>& pcm = *decoded;
    const double seconds = double(pcm.size()) / DeviceChannels / DeviceRate;
    EXPECT_GE(seconds, 120.0) << piece.file;
    EXPECT_LE(seconds, 180.0) << piece.file;
    // The decoder gives back exactly the samples encoded, so the loop keeps its length.
    EXPECT_EQ(pcm.size() / DeviceChannels, piece.samples.left.size()) << piece.file;
    EXPECT_LE(Peak(pcm), MinusOneDbfs) << piece.file << " peaks above -1 dBFS";
    // Never a second of near silence (-50 dBFS).
    EXPECT_GT(QuietestWindowRms(pcm, DeviceChannels, size_t(DeviceRate) * DeviceChannels), 104.0) << piece.file;
    for (size_t channel = 0; channel < DeviceChannels; ++channel)
      ExpectSmoothSeam(Channel(pcm, channel), 1, piece.file + (channel ? " right" : " left"));
    // A bass line under the harmony, and a melody above it.
    const auto [low, high] = LowAndHighShares(piece.samples.left);
    EXPECT_GT(low, 0.15) << piece.file << " has no bass to speak of";
    EXPECT_GT(high, 0.05) << piece.file << " has nothing above the accompaniment";
    EXPECT_GT(StereoWidth(pcm), 0.02) << piece.file << " is as good as mono";
    EXPECT_GT(LeastSelfDifference(Outline(pcm)), 0.05) << piece.file << " repeats a shorter loop";
  }
}
