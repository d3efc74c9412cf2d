#include "audio/mci_player.h"

#include <cmath>
#include <cstdlib>

#include <QUuid>
#include <gtest/gtest.h>

#include "audio/audio_device.h"
#include "audio/mp3_decoder.h"
#include "frame/errors.h"
#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
constexpr int ToneFrames = 44100;

// One second of a 441 Hz tone: a whole number of periods, so the piece loops seamlessly.
std::vector<int16_t> Tone() {
  std::vector<int16_t> samples;
  for (int i = 0; i < ToneFrames; ++i) {
    const auto s = static_cast<int16_t>(std::lrint(12000 * std::sin(2 * M_PI * 441 * i / 44100.0)));
    samples.insert(samples.end(), {s, s});
  }
  return samples;
}

// "mp3/tone.mp3" made by the lame encoder, and a few damaged files beside it.
class MCIPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.WriteBytes("mp3/tone.wav", Wave16(Tone()));
    const std::string command = "lame --quiet '" + dir.File("mp3/tone.wav") + "' '" + dir.File("mp3/tone.mp3") + "'";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "the lame encoder is not installed";
    mp3 = dir.ReadBytes("mp3/tone.mp3");
    MCIPlayers.SetVolume(MusicVolumeMax);
  }
  TTempProgramDir dir;
  std::string mp3;
};

TEST_F(MCIPlayerTest, DecodesGaplessSoTheLoopSeamIsSmooth) {
  const std::optional<TDevicePcm> pcm = DecodeMp3(mp3);
  ASSERT_TRUE(pcm.has_value());
  ASSERT_EQ(pcm->size(), ToneFrames * 2u);  // no encoder delay or padding left in
  int largestStep = 0;
  for (size_t i = 2; i < pcm->size(); i += 2) largestStep = std::max(largestStep, std::abs((*pcm)[i] - (*pcm)[i - 2]));
  const int seam = std::abs(pcm->front() - (*pcm)[pcm->size() - 2]);
  EXPECT_LE(seam, largestStep + 200);
  // A stream that breaks off gives what came before the break.
  const std::optional<TDevicePcm> half = DecodeMp3(mp3.substr(0, mp3.size() / 2));
  ASSERT_TRUE(half.has_value());
  EXPECT_NEAR(static_cast<double>(half->size()), ToneFrames, ToneFrames / 10.0);
}

TEST_F(MCIPlayerTest, ModesFollowPlayPauseResumeStop) {
  TMCIPlayer player("mp3\\tone.mp3");
  ASSERT_FALSE(player.Silent());
  EXPECT_EQ(player.Mode(), MusicStopped);
  player.Resume();  // nothing to resume
  EXPECT_EQ(player.Mode(), MusicStopped);
  player.Play();
  EXPECT_EQ(player.Mode(), MusicPlaying);
  player.Pause();
  EXPECT_EQ(player.Mode(), MusicPaused);
  player.Resume();
  EXPECT_EQ(player.Mode(), MusicPlaying);
  player.Stop();
  EXPECT_EQ(player.Mode(), MusicStopped);
}

TEST_F(MCIPlayerTest, PlayingRepeatsAndPauseKeepsThePlace) {
  TMCIPlayer player("mp3/tone.mp3");
  std::shared_ptr<TAudioDevice> device = TAudioDevice::Acquire();
  device->SetOutputPaused(true);
  std::vector<int16_t> out(2 * 30000);
  player.Play();
  device->Render(out.data(), 30000);
  player.Pause();
  device->Render(out.data(), 30000);
  EXPECT_EQ(player.Position(), 30000);
  EXPECT_EQ(out[0], 0);
  player.Resume();
  device->Render(out.data(), 30000);
  EXPECT_EQ(player.Position(), 60000 - ToneFrames);
  player.Rewind();
  EXPECT_EQ(player.Position(), 0);
  EXPECT_EQ(player.Mode(), MusicStopped);
}

TEST_F(MCIPlayerTest, VolumesAreClampedAndSharedOncePerChange) {
  TMCIPlayer first("mp3/tone.mp3");
  first.SetVolume(1500);
  EXPECT_EQ(first.Volume(), 1000);
  first.SetVolume(-3);
  EXPECT_EQ(first.Volume(), 0);
  MCIPlayers.SetVolume(700);
  EXPECT_EQ(first.Volume(), 700);
  first.SetVolume(200);
  MCIPlayers.SetVolume(700);  // unchanged: not sent again
  EXPECT_EQ(first.Volume(), 200);
  MCIPlayers.SetVolume(300);
  TMCIPlayer second("mp3/tone.mp3");
  EXPECT_EQ(second.Volume(), 300);
  MCIPlayers.SetVolume(-50);
  EXPECT_EQ(MCIPlayers.Volume(), -50);
  EXPECT_EQ(second.Volume(), 0);
}

TEST_F(MCIPlayerTest, PlayersOfOneFileAreIndependentAndListed) {
  const int32_t before = MCIPlayers.Count();
  auto first = std::make_unique<TMCIPlayer>("mp3/tone.mp3");
  TMCIPlayer second("mp3/tone.mp3");
  EXPECT_NE(first->Alias, second.Alias);
  const QUuid alias(QString::fromStdString(first->Alias));
  EXPECT_FALSE(alias.isNull());
  EXPECT_EQ(first->Alias, alias.toString(QUuid::WithBraces).toUpper().toStdString());
  EXPECT_EQ(first->ShortPath, dir.File("mp3/tone.mp3"));
  first->Play();
  EXPECT_EQ(second.Mode(), MusicStopped);
  EXPECT_EQ(MCIPlayers.Count(), before + 2);
  first.reset();
  EXPECT_EQ(MCIPlayers.Count(), before + 1);
  EXPECT_EQ(MCIPlayers.Items(before), &second);
  {
    TMCIPlayers list;  // a list that ends closes the players still in it
    list.Add(&second);
  }
  EXPECT_TRUE(second.Silent());
  second.Play();
  EXPECT_EQ(second.Mode(), MusicStopped);
}

TEST_F(MCIPlayerTest, BadFilesGiveSilentPlayersAndMissingOnesAnError) {
  try {
    TMCIPlayer missing("mp3/none.mp3");
    FAIL();
  } catch (const EGameError& e) {
    EXPECT_STREQ(e.what(), "GetShortPathName err [mp3/none.mp3]");
  }
  dir.WriteBytes("mp3/text.mp3", std::string(5000, 'x'));
  dir.WriteBytes("mp3/empty.mp3", "");
  dir.WriteBytes("mp3/wave.mp3", Wave16(Tone()));
  for (const char* name : {"mp3/text.mp3", "mp3/empty.mp3", "mp3/wave.mp3"}) {
    TMCIPlayer player(name);
    EXPECT_TRUE(player.Silent()) << name;
    player.Play();
    player.SetVolume(500);
    EXPECT_EQ(player.Mode(), MusicStopped);
  }
}
}  // namespace
