#include "audio/dxs.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include <QCoreApplication>
#include <gtest/gtest.h>

#include "audio/audio_device.h"
#include "audio/mci_player.h"
#include "frame/errors.h"
#include "support/temp_dir.h"
#include "wave_files.h"

namespace {
// 100 frames of 16-bit stereo: frame i holds (i + 1) * 100.
std::vector<int16_t> Ramp() {
  std::vector<int16_t> samples;
  for (int i = 1; i <= 100; ++i) samples.insert(samples.end(), 2, static_cast<int16_t>(i * 100));
  return samples;
}

// The output is held still so each test steps the mix itself through Render.
class DXSTest : public ::testing::Test {
 protected:
  DXSTest() {
    dir.WriteBytes("wav/ramp.wav", Wave16(Ramp()));
    dxs.Device->SetOutputPaused(true);
  }
  std::unique_ptr<TDXSElem> Load(const std::string& name = "wav/ramp.wav") {
    return std::make_unique<TDXSElem>(&dxs, dir.File(name), false);
  }
  // The left channel of the next frames of output.
  std::vector<int> Render(int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    dxs.Device->Render(out.data(), frames);
    std::vector<int> left;
    for (int i = 0; i < frames; ++i) left.push_back(out[i * 2]);
    return left;
  }
  TTempProgramDir dir;
  TDXS dxs;
};

TEST_F(DXSTest, PlayStopAndReplay) {
  auto elem = Load();
  EXPECT_EQ(elem->Frames(), 100);
  elem->Play();
  EXPECT_EQ(Render(3), (std::vector<int>{100, 200, 300}));
  elem->Play();  // already playing: goes on
  EXPECT_EQ(Render(1)[0], 400);
  elem->Stop();
  EXPECT_EQ(Render(1)[0], 0);
  elem->Play();
  EXPECT_EQ(Render(1)[0], 100);
  Render(99);
  EXPECT_FALSE(elem->IsPlaying());
  EXPECT_EQ(Render(1)[0], 0);
}

TEST_F(DXSTest, SetLoopTakesEffectWithoutAJump) {
  auto elem = Load();
  elem->SetLoop(true);  // a stopped effect only changes its next Play
  elem->Play();
  Render(150);
  EXPECT_EQ(elem->Position(), 50);
  elem->SetLoop(false);  // finishes this pass, then stops
  std::vector<int> left = Render(51);
  EXPECT_EQ(left.front(), 5100);
  EXPECT_EQ(left.back(), 0);
  elem->Play();
  Render(60);
  elem->SetLoop(true);  // playing once: goes on from the same place, then loops
  left = Render(41);
  EXPECT_EQ(left.front(), 6100);
  EXPECT_EQ(left.back(), 100);
}

TEST_F(DXSTest, SharedVolumeReachesEffectsLoadedLater) {
  auto first = Load();
  dxs.Elems->SetVolume(-2000);
  auto second = Load();
  EXPECT_EQ(dxs.Elems->Count(), 2);
  second->Play();
  EXPECT_EQ(Render(1)[0], 10);
  first->SetVolume(300);  // above full is full
  first->Play();
  EXPECT_EQ(Render(1)[0], 100 + 20);
  const std::string refused = "DXSB SetVolume Error:" + DSErrorDescription(-2147024809) + ",Value:-10001";
  EXPECT_EQ(refused, "DXSB SetVolume Error:An invalid parameter was passed to the returning function.,Value:-10001");
  EXPECT_EQ(ErrorText([&] { dxs.Elems->SetVolume(-10001); }), refused);
  EXPECT_EQ(ErrorText([] { TDXS().Elems->SetVolume(-10001); }), refused);  // also with no effect loaded
  EXPECT_EQ(dxs.Elems->Volume(), -2000);
  dxs.Elems->SetVolume(-10000);
  EXPECT_EQ(Render(1)[0], 0);
}

TEST_F(DXSTest, LoadFailuresNameTheProblem) {
  const std::string missing = dir.File("wav/none.wav");
  EXPECT_EQ(ErrorText([&] { TDXSElem(&dxs, missing, false); }), "Open Error [" + missing + "]");
  dir.WriteBytes("wav/adpcm.wav", Riff("WAVE", Fmt(2, 1, 22050, 4) + Chunk("data", "abcd")));
  EXPECT_EQ(ErrorText([&] { Load("wav/adpcm.wav"); }), "CreateSoundBuffer err");
  EXPECT_EQ(dxs.Elems->Count(), 0);  // nothing half-made is left in the list
}

TEST_F(DXSTest, EffectsAndDeviceMayEndInEitherOrder) {
  Load().reset();
  EXPECT_EQ(dxs.Elems->Count(), 0);
  auto device = std::make_unique<TDXS>();
  TDXSElem orphan(device.get(), dir.File("wav/ramp.wav"), false);
  device.reset();
  orphan.Play();
  EXPECT_EQ(Render(1)[0], 100);
}

TEST(DXSSilentTest, WithoutADeviceEveryOperationDoesNothing) {
  TDXSElem elem(nullptr, "wav/none.wav", false);
  elem.SetLoop(true);
  elem.SetVolume(-20000);
  elem.Play();
  EXPECT_FALSE(elem.IsPlaying() || elem.Loop());
}

TEST(DXSDeviceTest, WithoutOutputTheDeviceFailsAndMusicIsSilent) {
  const char* set = std::getenv("SDL_AUDIODRIVER");
  const std::string driver = set ? set : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  TTempProgramDir dir;
  dir.WriteBytes("mp3/any.mp3", "ID3");
  EXPECT_EQ(ErrorText([] { TDXS(); }), "DirectSoundCreate8 err");
  EXPECT_TRUE(TMCIPlayer("mp3/any.mp3").Silent());
  set ? setenv("SDL_AUDIODRIVER", driver.c_str(), 1) : unsetenv("SDL_AUDIODRIVER");
}

TEST(DXSDeviceTest, AlsaSamplesPlayThroughTheRealCallback) {
  const std::string file = "/usr/share/sounds/alsa/Noise.wav";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "alsa-utils sounds not installed";
  TDXS dxs;
  TDXSElem noise(&dxs, file, false);  // 48000 Hz mono, about 1.4 s
  EXPECT_NEAR(noise.Frames(), (std::filesystem::file_size(file) - 44) / 2 * 44100 / 48000, 2);
  noise.Play();
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (noise.Position() < 4410 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GE(noise.Position(), 4410);
}

// An SDL device's thread wakes even while paused, so the output closes once nothing plays and
// opens again for the next voice; held by hand it stays closed. An effect that ends by itself
// lets it close a moment later.
TEST(DXSDeviceTest, TheOutputRunsOnlyWhileSomethingPlays) {
  TTempProgramDir dir;
  dir.WriteBytes("wav/ramp.wav", Wave16(Ramp()));
  TDXS dxs;
  TDXSElem first(&dxs, dir.File("wav/ramp.wav"), false), second(&dxs, dir.File("wav/ramp.wav"), false);
  first.SetLoop(true);
  second.SetLoop(true);
  auto running = [&] { return dxs.Device->OutputRunning(); };
  first.Play();
  second.Play();
  first.Stop();
  EXPECT_TRUE(running()) << "one still plays";
  second.Stop();
  EXPECT_FALSE(running()) << "nothing plays";
  first.Play();
  ASSERT_TRUE(running()) << "woken by the next to play";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (first.Position() == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_GT(first.Position(), 0) << "mixed by the callback again";

  // Played once, the ramp ends by itself within a few milliseconds.
  first.SetLoop(false);
  second.Stop();
  while (running() && std::chrono::steady_clock::now() < deadline) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_FALSE(running()) << "closed once the effect ended";

  // Longer than the first look after it started, and started with nothing else playing: no
  // stop comes to notice its end, the looks go on until it has ended.
  dir.WriteBytes("wav/long.wav", Wave16(std::vector<int16_t>(2 * 30000, 1000)));
  TDXSElem longer(&dxs, dir.File("wav/long.wav"), false);
  longer.Play();
  ASSERT_TRUE(running());
  while (running() && std::chrono::steady_clock::now() < deadline + std::chrono::seconds(5)) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_FALSE(running()) << "closed once the long effect ended";

  dxs.Device->SetOutputPaused(true);
  first.Play();
  EXPECT_FALSE(running()) << "held by hand";
  dxs.Device->SetOutputPaused(false);
  EXPECT_TRUE(running());
}

// Where only music plays the output runs in longer periods, and the sound server is asked to
// hold more; a running output opens again at the new pace and its voices go on from where they
// were.
TEST(DXSDeviceTest, TheOutputRunsAtThePaceLastSetAndKeepsItsVoicesWhenThePaceChanges) {
  const char* before = std::getenv("PULSE_LATENCY_MSEC");
  const std::string kept = before ? before : "";
  unsetenv("PULSE_LATENCY_MSEC");
  auto serverBuffer = [] { return std::string(std::getenv("PULSE_LATENCY_MSEC")); };
  TTempProgramDir dir;
  dir.WriteBytes("wav/tone.wav", Wave16(std::vector<int16_t>(2 * 30000, 1000)));
  TDXS dxs;
  TDXSElem tone(&dxs, dir.File("wav/tone.wav"), true);
  TAudioDevice& device = *dxs.Device;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  auto waitForMix = [&] {
    const int64_t from = tone.Position();
    while (tone.Position() == from && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return tone.Position() != from;
  };
  tone.Play();
  ASSERT_TRUE(device.QuickEffects()) << "quick until told otherwise";
  EXPECT_EQ(device.OutputPeriod(), 512);
  ASSERT_TRUE(waitForMix());

  device.SetQuickEffects(false);
  EXPECT_EQ(device.OutputPeriod(), 2048);
  EXPECT_EQ(serverBuffer(), "150");
  EXPECT_TRUE(tone.IsPlaying());
  EXPECT_TRUE(waitForMix()) << "mixed again after opening anew";

  tone.Stop();
  EXPECT_EQ(device.OutputPeriod(), 0) << "closed while nothing plays";
  tone.Play();
  EXPECT_EQ(device.OutputPeriod(), 2048) << "opened at the pace last set";
  device.SetQuickEffects(true);
  EXPECT_EQ(device.OutputPeriod(), 512);
  EXPECT_EQ(serverBuffer(), "50");
  before ? setenv("PULSE_LATENCY_MSEC", kept.c_str(), 1) : unsetenv("PULSE_LATENCY_MSEC");
}
}  // namespace
