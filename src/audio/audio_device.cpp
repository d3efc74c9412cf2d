#include "audio/audio_device.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include <QCoreApplication>
#include <QTimer>

#include <unistd.h>

namespace {
// How often the mixer runs and how much the sound server is asked to hold. Where effects play
// the mixer runs in periods of 512 frames, about 12 ms at 44100 Hz, so an effect waits at most
// that long to be mixed. SDL would ask a PulseAudio server to hold no more than one period,
// which a loaded desktop starves into gaps of silence; the server is asked instead, through the
// sound library's own setting, to hold 50 ms, so an effect is heard within about 60 ms of its
// cause and the sound does not drop out (figures from tools/measure_audio_gaps.sh). Where only
// music plays nothing waits on the output, and it runs in periods four times as long with the
// server holding 150 ms: the mixer and the server wake a quarter as often. A player's own
// server setting wins over both.
struct TOutputPace {
  Uint16 CallbackFrames;
  const char* ServerMilliseconds;
};
constexpr TOutputPace QuickPace{512, "50"};
constexpr TOutputPace CalmPace{2048, "150"};

const TOutputPace& PaceFor(bool quickEffects) { return quickEffects ? QuickPace : CalmPace; }

// The sound library reads it whenever an output opens. A value the game did not write is the
// player's own and stays.
void AskServerToHold(const TOutputPace& pace) {
  static std::string written;
  const char* set = std::getenv("PULSE_LATENCY_MSEC");
  if (set && set != written) return;
  written = pace.ServerMilliseconds;
  setenv("PULSE_LATENCY_MSEC", pace.ServerMilliseconds, 1);
}

// While the audio drivers are tried, what they write to the error stream is held back: without
// a sound server the sound library names each card it could not open, block after block, for
// every driver SDL tries. Given back when done, its probing lines left out.
class THeldErrorStream {
 public:
  THeldErrorStream() {
    std::fflush(stderr);
    held_ = std::tmpfile();
    saved_ = held_ ? ::dup(STDERR_FILENO) : -1;
    if (saved_ >= 0) ::dup2(::fileno(held_), STDERR_FILENO);
  }
  ~THeldErrorStream() {
    if (saved_ < 0) {
      if (held_) std::fclose(held_);
      return;
    }
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    std::rewind(held_);
    char line[1024];
    while (std::fgets(line, sizeof line, held_))
      if (std::string(line).rfind("ALSA lib ", 0) != 0) std::fputs(line, stderr);
    std::fclose(held_);
  }
  THeldErrorStream(const THeldErrorStream&) = delete;
  THeldErrorStream& operator=(const THeldErrorStream&) = delete;

 private:
  std::FILE* held_ = nullptr;
  int saved_ = -1;
};

// Once a run: every sound and every music piece asks for the device again.
void ReportNoDevice() {
  static bool told = false;
  if (std::exchange(told, true)) return;
  std::fprintf(stderr, "Brillor I: no sound device (%s); the game plays without sound.\n", SDL_GetError());
}

std::weak_ptr<TAudioDevice>& SharedDevice() {
  static std::weak_ptr<TAudioDevice> device;
  return device;
}
}  // namespace

std::shared_ptr<TAudioDevice> TAudioDevice::Acquire() {
  if (std::shared_ptr<TAudioDevice> device = SharedDevice().lock()) return device;
  std::shared_ptr<TAudioDevice> device = Open();
  if (!device) ReportNoDevice();
  return device;
}

std::shared_ptr<TAudioDevice> TAudioDevice::Open() {
  const THeldErrorStream quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  // The device object must exist before the callback can run, so it is made first and opens
  // the output itself.
  std::shared_ptr<TAudioDevice> device(new TAudioDevice(0));
  SDL_AudioSpec& wanted = device->wanted_;
  wanted.freq = DeviceRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = DeviceChannels;
  wanted.samples = PaceFor(device->quickEffects_).CallbackFrames;
  wanted.callback = &TAudioDevice::Callback;
  wanted.userdata = device.get();
  if (!device->OpenOutput()) return nullptr;  // the destructor quits the subsystem again
  SharedDevice() = device;
  return device;
}

TAudioDevice::~TAudioDevice() {
  if (id_ != 0) SDL_CloseAudioDevice(id_);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void TAudioDevice::Callback(void* device, Uint8* stream, int bytes) {
  // SDL holds the device lock while it calls back.
  static_cast<TAudioDevice*>(device)->mixer_.Mix(reinterpret_cast<int16_t*>(stream),
                                                 bytes / static_cast<int>(sizeof(int16_t) * DeviceChannels));
}

void TAudioDevice::SetOutputPaused(bool paused) {
  pausedByHand_ = paused;
  FitOutput();
}

bool TAudioDevice::AnyPlaying() {
  TLock lock(*this);
  return mixer_.AnyPlaying();
}

void TAudioDevice::FitOutput() {
  const bool wanted = !pausedByHand_ && AnyPlaying();
  if (wanted && id_ == 0) {
    OpenOutput();
  } else if (!wanted && id_ != 0) {
    CloseOutput();
  }
}

bool TAudioDevice::OpenOutput() {
  AskServerToHold(PaceFor(quickEffects_));
  SDL_AudioSpec obtained{};
  id_ = SDL_OpenAudioDevice(nullptr, 0, &wanted_, &obtained, 0);
  period_ = id_ != 0 ? obtained.samples : 0;
  if (id_ != 0) SDL_PauseAudioDevice(id_, 0);
  return id_ != 0;
}

void TAudioDevice::CloseOutput() {
  SDL_CloseAudioDevice(id_);
  id_ = 0;
  period_ = 0;
}

void TAudioDevice::SetQuickEffects(bool quick) {
  if (quick == quickEffects_) return;
  quickEffects_ = quick;
  wanted_.samples = PaceFor(quick).CallbackFrames;
  // A running output opens again at the new pace; the voices keep their places in the mixer.
  if (id_ == 0) return;
  CloseOutput();
  FitOutput();
}

void TAudioDevice::VoiceStarted() {
  FitOutput();
  LookAgainOnceEffectsEnd();
}

void TAudioDevice::VoiceStopped() {
  FitOutput();
  LookAgainOnceEffectsEnd();
}

void TAudioDevice::LookAgainOnceEffectsEnd() {
  if (id_ == 0 || checkPending_ || !QCoreApplication::instance()) return;
  {
    TLock lock(*this);
    if (!mixer_.AnyEndingByItself()) return;
  }
  // Effects end by themselves in the callback: look again every quarter of a second until the
  // last has, however long it plays.
  checkPending_ = true;
  QTimer::singleShot(250, QCoreApplication::instance(), [weak = weak_from_this()] {
    if (std::shared_ptr<TAudioDevice> device = weak.lock()) {
      device->checkPending_ = false;
      device->FitOutput();
      device->LookAgainOnceEffectsEnd();
    }
  });
}

void TAudioDevice::Render(int16_t* out, int32_t frames) {
  TLock lock(*this);
  mixer_.Mix(out, frames);
}

TAudioVoice::TAudioVoice(std::shared_ptr<TAudioDevice> device, TDevicePcm pcm) : device_(std::move(device)) {
  voice_.Pcm = std::move(pcm);
  TAudioDevice::TLock lock(*device_);
  device_->Mixer().Add(&voice_);
}

TAudioVoice::TAudioVoice(std::shared_ptr<TAudioDevice> device, std::unique_ptr<TMusicStream> stream)
    : device_(std::move(device)), stream_(std::move(stream)) {
  voice_.Stream = stream_.get();
  TAudioDevice::TLock lock(*device_);
  device_->Mixer().Add(&voice_);
}

TAudioVoice::~TAudioVoice() {
  {
    TAudioDevice::TLock lock(*device_);
    device_->Mixer().Remove(&voice_);
  }
  device_->VoiceStopped();
}

void TAudioVoice::Play() {
  {
    TAudioDevice::TLock lock(*device_);
    voice_.Playing = true;
  }
  if (stream_) stream_->SetPlaying(true);
  device_->VoiceStarted();
}

void TAudioVoice::Halt() {
  {
    TAudioDevice::TLock lock(*device_);
    voice_.Playing = false;
  }
  Stopped();
}

void TAudioVoice::Stopped() {
  if (stream_) stream_->SetPlaying(false);
  device_->VoiceStopped();
}

void TAudioVoice::Stop() {
  auto halt = [this] {
    TAudioDevice::TLock lock(*device_);
    voice_.Playing = false;
    voice_.Position = 0;
    if (stream_) stream_->DropBuffered();
  };
  if (stream_) {
    stream_->Rewind(halt);
  } else {
    halt();
  }
  Stopped();
}

void TAudioVoice::SetLooping(bool looping) {
  TAudioDevice::TLock lock(*device_);
  voice_.Looping = looping;
}

void TAudioVoice::SetGain(float gain) {
  TAudioDevice::TLock lock(*device_);
  voice_.Gain = gain;
}

bool TAudioVoice::Playing() {
  TAudioDevice::TLock lock(*device_);
  return voice_.Playing;
}

int64_t TAudioVoice::Position() {
  TAudioDevice::TLock lock(*device_);
  return voice_.Position;
}
