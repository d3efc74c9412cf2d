#include "audio/mci_player.h"

#include <cmath>
#include <cstdlib>

#include <QUuid>
#include <gtest/gtest.h>

#include "audio/audio_device.h"
#include "audio/mp3_decoder.h"
#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
constexpr int ToneFrames = 44100;

// One second of a 441 Hz tone: whole periods, so the piece loops seamlessly.
std::vector<int16_t> Tone() {
  std::vector<int16_t> samples;
  for (int i = 0; i < ToneFrames; ++i)
    samples.insert(samples.end(), 2, static_cast<int16_t>(std::lrint(12000 * std::sin(2 * M_PI * i / 100.0))));
  return samples;
}

// "mp3/tone.mp3" made by the lame encoder.
class MCIPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.WriteBytes("mp3/tone.wav", Wave16(Tone()));
    const std::string command = "lame --quiet '" + dir.File("mp3/tone.wav") + "' '" + dir.File("mp3/tone.mp3") + "'";
    if (std::system(command.c_str()) != 0) GTEST_SKIP() << "the lame encoder is not installed";
    MCIPlayers.SetVolume(MusicVolumeMax);
  }
  TTempProgramDir dir;
};

TEST_F(MCIPlayerTest, DecodesGaplessSoTheLoopSeamIsSmooth) {
  const std::string mp3 = dir.ReadBytes("mp3/tone.mp3");
  const TDevicePcm pcm = DecodeMp3(mp3).value();
  ASSERT_EQ(pcm.size(), ToneFrames * 2u);  // no encoder delay or padding left in
  int largestStep = 0;
  for (size_t i = 2; i < pcm.size(); i += 2) largestStep = std::max(largestStep, std::abs(pcm[i] - pcm[i - 2]));
  EXPECT_LE(std::abs(pcm.front() - pcm[pcm.size() - 2]), largestStep + 200);
  // A stream that breaks off gives what came before the break.
  EXPECT_NEAR(static_cast<double>(DecodeMp3(mp3.substr(0, mp3.size() / 2)).value().size()), ToneFrames, 4000);
  // A piece longer than the longest sound wanted is refused, however it is cut.
  EXPECT_TRUE(DecodeMp3(mp3, ToneFrames));
  EXPECT_FALSE(DecodeMp3(mp3, ToneFrames / 2));
  EXPECT_FALSE(DecodeMp3(mp3, 1000));
}

TEST_F(MCIPlayerTest, PlayRepeatsAndPauseKeepsThePlace) {
  TMCIPlayer player("mp3\\tone.mp3");
  std::shared_ptr<TAudioDevice> device = TAudioDevice::Acquire();
  device->SetOutputPaused(true);
  std::vector<int16_t> out(2 * 30000);
  player.Resume();  // nothing to resume
  EXPECT_EQ(player.Mode(), MusicStopped);
  player.Play();
  device->Render(out.data(), 30000);
  player.Pause();
  EXPECT_EQ(player.Mode(), MusicPaused);
  device->Render(out.data(), 30000);
  EXPECT_EQ(out[100], 0);
  player.Resume();
  EXPECT_EQ(player.Mode(), MusicPlaying);
  device->Render(out.data(), 30000);
  EXPECT_EQ(player.Position(), 60000 - ToneFrames);
  player.Stop();
  EXPECT_EQ(player.Mode(), MusicStopped);
  player.Rewind();
  EXPECT_EQ(player.Position(), 0);
}

TEST_F(MCIPlayerTest, VolumesAreClampedAndSharedOncePerChange) {
  TMCIPlayer first("mp3/tone.mp3");
  first.SetVolume(1500);
  EXPECT_EQ(first.Volume(), 1000);
  MCIPlayers.SetVolume(-3);
  EXPECT_EQ(first.Volume(), 0);
  MCIPlayers.SetVolume(700);
  first.SetVolume(200);
  MCIPlayers.SetVolume(700);  // unchanged: not sent again
  EXPECT_EQ(first.Volume(), 200);
  MCIPlayers.SetVolume(300);
  TMCIPlayer second("mp3/tone.mp3");
  EXPECT_EQ(second.Volume(), 300);
}

TEST_F(MCIPlayerTest, PlayersOfOneFileAreIndependentAndListed) {
  const int32_t before = MCIPlayers.Count();
  auto first = std::make_unique<TMCIPlayer>("mp3/tone.mp3");
  TMCIPlayer second("mp3/tone.mp3");
  EXPECT_NE(first->Alias, second.Alias);
  EXPECT_EQ(first->Alias, QUuid(QString::fromStdString(first->Alias)).toString(QUuid::WithBraces).toUpper().toStdString());
  first->Play();
  EXPECT_EQ(second.Mode(), MusicStopped);  // each plays on its own
  first.reset();
  ASSERT_EQ(MCIPlayers.Count(), before + 1);
  EXPECT_EQ(MCIPlayers.Items(before), &second);
  {
    TMCIPlayers list;  // a list that ends closes the players still in it
    list.Add(&second);
  }
  second.Play();
  EXPECT_TRUE(second.Silent());
  EXPECT_EQ(second.Mode(), MusicStopped);
}

TEST_F(MCIPlayerTest, BadFilesGiveSilentPlayersAndMissingOnesAnError) {
  EXPECT_EQ(ErrorText([] { TMCIPlayer("mp3/none.mp3"); }), "GetShortPathName err [mp3/none.mp3]");
  dir.WriteBytes("mp3/text.mp3", std::string(5000, 'x'));
  dir.WriteBytes("mp3/empty.mp3", "");
  dir.WriteBytes("mp3/wave.mp3", Wave16(Tone()));
  for (const char* name : {"mp3/text.mp3", "mp3/empty.mp3", "mp3/wave.mp3"}) {
    TMCIPlayer player(name);
    player.Play();
    EXPECT_EQ(player.Mode(), MusicStopped) << name;
  }
}
}  // namespace

// The sound server is asked to hold enough that a loaded desktop does not starve it, unless the
// player has asked for something else.
TEST(AudioDevice, AsksTheServerForItsBufferUnlessThePlayerSetOne) {
  const char* before = std::getenv("PULSE_LATENCY_MSEC");
  const std::string kept = before ? before : "";
  for (const char* own : {static_cast<const char*>(nullptr), "120"}) {
    if (own)
      setenv("PULSE_LATENCY_MSEC", own, 1);
    else
      unsetenv("PULSE_LATENCY_MSEC");
    const std::shared_ptr<TAudioDevice> device = TAudioDevice::Acquire();
    ASSERT_NE(std::getenv("PULSE_LATENCY_MSEC"), nullptr);
    EXPECT_STREQ(std::getenv("PULSE_LATENCY_MSEC"), own ? own : "50");
  }
  if (before)
    setenv("PULSE_LATENCY_MSEC", kept.c_str(), 1);
  else
    unsetenv("PULSE_LATENCY_MSEC");
}
