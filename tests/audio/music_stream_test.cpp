// Music decoded as it plays: the same samples as decoding the piece whole, both channels kept,
// back to the first sample on a rewind, and loops without a gap however many times it comes
// round.

#include "audio/music_stream.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
constexpr int PieceFrames = 44100;

class MusicStreamTest : public ::testing::Test {
 protected:
  // One second of 441 Hz (whole periods, so the piece loops seamlessly) on the left, and on the
  // right the same at a quarter of the loudness, encoded by lame.
  void SetUp() override {
    std::vector<int16_t> samples;
    for (int i = 0; i < PieceFrames; ++i) {
      const double wave = std::sin(2 * M_PI * i / 100.0);
      samples.push_back(static_cast<int16_t>(std::lrint(12000 * wave)));
      samples.push_back(static_cast<int16_t>(std::lrint(3000 * wave)));
    }
    dir.WriteBytes("tone.wav", Wave16(samples));
    const std::string command = "lame --quiet -m s '" + dir.File("tone.wav") + "' '" + dir.File("tone.mp3") + "'";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "the lame encoder is not installed";
    mp3 = dir.ReadBytes("tone.mp3");
    whole = DecodeMp3(mp3).value();
    ASSERT_EQ(whole.size(), PieceFrames * 2u);
  }

  // Up to frames of the stream at full gain, as the mixer would add them to silence.
  static std::vector<float> Take(TMusicStream& stream, int32_t frames) {
    std::vector<float> sum(static_cast<size_t>(frames) * DeviceChannels, 0.0f);
    sum.resize(static_cast<size_t>(stream.MixInto(sum.data(), frames, 1.0f)) * DeviceChannels);
    return sum;
  }

  // Frames from the given frame of the piece decoded whole, going round as a loop does.
  std::vector<float> Expected(int64_t from, int32_t frames) const {
    std::vector<float> samples;
    for (int64_t f = from; f < from + frames; ++f)
      for (int c = 0; c < DeviceChannels; ++c) samples.push_back(whole[static_cast<size_t>(f % PieceFrames) * 2 + c]);
    return samples;
  }

  TTempProgramDir dir;
  std::string mp3;
  TDevicePcm whole;
};

TEST_F(MusicStreamTest, GivesTheWholeDecodingsSamplesInStereoAndRoundTheLoopSeam) {
  std::unique_ptr<TMusicStream> stream = TMusicStream::Open(mp3);
  ASSERT_TRUE(stream);
  // The buffer, filled before Open returns, already runs past the end of the one-second piece.
  const std::vector<float> first = Take(*stream, TMusicStream::BufferFrames);
  ASSERT_EQ(first.size(), TMusicStream::BufferFrames * 2u);
  EXPECT_EQ(first, Expected(0, TMusicStream::BufferFrames));
  EXPECT_EQ(stream->PassFrames(), PieceFrames);
  EXPECT_GT(std::abs(first[2 * 25]), 3 * std::abs(first[2 * 25 + 1])) << "left and right are kept apart";
}

TEST_F(MusicStreamTest, RewindStartsAgainFromTheFirstSample) {
  std::unique_ptr<TMusicStream> stream = TMusicStream::Open(mp3);
  ASSERT_TRUE(stream);
  Take(*stream, 30000);
  bool held = false;
  stream->Rewind([&] {
    held = true;
    stream->DropBuffered();
  });
  EXPECT_TRUE(held);
  EXPECT_EQ(Take(*stream, 20000), Expected(0, 20000));
}

// While the piece does not play the worker sleeps: what was taken is not made up until it plays.
TEST_F(MusicStreamTest, TheWorkerKeepsUpWhilePlayingAndEveryLoopIsSeamless) {
  std::unique_ptr<TMusicStream> stream = TMusicStream::Open(mp3);
  ASSERT_TRUE(stream);
  int64_t taken = static_cast<int64_t>(Take(*stream, TMusicStream::BufferFrames).size() / DeviceChannels);
  EXPECT_EQ(taken, TMusicStream::BufferFrames) << "filled when opened";
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_TRUE(Take(*stream, 1024).empty()) << "not decoded ahead while not playing";
  stream->SetPlaying(true);
  constexpr int64_t Wanted = 6 * PieceFrames;
  // Faster than real time, in callback-sized blocks; waits for the worker when it falls behind.
  for (int waits = 0; taken < Wanted && waits < 5000;) {
    const std::vector<float> block = Take(*stream, 1024);
    const auto frames = static_cast<int32_t>(block.size() / DeviceChannels);
    ASSERT_EQ(block, Expected(taken, frames)) << "at frame " << taken;
    taken += frames;
    if (frames < 1024) {
      ++waits;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  EXPECT_GE(taken, Wanted);
}

TEST_F(MusicStreamTest, BytesWithoutMusicGiveNoStream) {
  for (const std::string& bytes : {std::string(), std::string(5000, 'x'), dir.ReadBytes("tone.wav"), mp3.substr(0, 40)})
    EXPECT_FALSE(TMusicStream::Open(bytes)) << bytes.size();
}

}  // namespace
