#pragma once
// The one sound output of the game: an SDL2 device whose callback runs the mixer. Effects and
// music share it; it opens when the first of them asks and closes when the last lets go. In
// between it runs only while a voice plays: an SDL device keeps its thread waking even while
// paused, so once nothing plays the output is closed, and opened again by the next voice to play.

#include <cstdint>
#include <memory>

#include <SDL.h>

#include "audio/mixer.h"

class TAudioDevice : public std::enable_shared_from_this<TAudioDevice> {
 public:
  // The open device, or null when there is no sound output (no driver, no device).
  static std::shared_ptr<TAudioDevice> Acquire();

  ~TAudioDevice();
  TAudioDevice(const TAudioDevice&) = delete;
  TAudioDevice& operator=(const TAudioDevice&) = delete;

  // Holds off the callback while the game thread changes voices.
  class TLock {
   public:
    // A closed output has no callback to hold off.
    explicit TLock(TAudioDevice& device) : id_(device.id_) {
      if (id_ != 0) SDL_LockAudioDevice(id_);
    }
    ~TLock() {
      if (id_ != 0) SDL_UnlockAudioDevice(id_);
    }
    TLock(const TLock&) = delete;
    TLock& operator=(const TLock&) = delete;

   private:
    SDL_AudioDeviceID id_;
  };

  // Only under a TLock.
  TMixer& Mixer() { return mixer_; }

  // Stops or restarts the callback; while it is stopped Render lets a caller (a test, a tool)
  // step the mix by hand.
  void SetOutputPaused(bool paused);
  void Render(int16_t* out, int32_t frames);

  // Called outside any TLock as voices start and stop: the output runs while a voice plays.
  // A voice that ends by itself is noticed within a quarter of a second of its end.
  void VoiceStarted();
  void VoiceStopped();
  // True while the output runs (its callback mixes).
  bool OutputRunning() const { return id_ != 0; }
  // Frames the callback mixes at a time while the output runs, 0 while it is closed.
  int32_t OutputPeriod() const { return period_; }

  // Quick (the default) where effects play: short periods, so an effect is heard soon after
  // its cause. Otherwise (music only) long periods that wake the mixer and the sound server a
  // quarter as often. A running output opens again at the new pace.
  void SetQuickEffects(bool quick);
  bool QuickEffects() const { return quickEffects_; }

 private:
  explicit TAudioDevice(SDL_AudioDeviceID id) : id_(id) {}
  static void Callback(void* device, Uint8* stream, int bytes);
  // Opens the device; none when no driver gives one.
  static std::shared_ptr<TAudioDevice> Open();
  // Opens or closes the output as the voices and SetOutputPaused want it.
  void FitOutput();
  // Opens the output as wanted_ and the pace ask and starts its callback; false when no driver
  // gives one.
  bool OpenOutput();
  void CloseOutput();
  bool AnyPlaying();
  // While the output runs for a voice that ends by itself, looks again a moment later.
  void LookAgainOnceEffectsEnd();

  SDL_AudioDeviceID id_;
  // What the output was opened with, to open it again the same way.
  SDL_AudioSpec wanted_{};
  int32_t period_ = 0;
  bool quickEffects_ = true;
  bool pausedByHand_ = false;
  bool checkPending_ = false;
  TMixer mixer_;
};

// One voice on a device: added to its mixer while this lives; every change goes through the
// device's lock.
class TAudioVoice {
 public:
  TAudioVoice(std::shared_ptr<TAudioDevice> device, TDevicePcm pcm);
  // A voice of music decoded as it plays; it always loops.
  TAudioVoice(std::shared_ptr<TAudioDevice> device, std::unique_ptr<TMusicStream> stream);
  ~TAudioVoice();
  TAudioVoice(const TAudioVoice&) = delete;
  TAudioVoice& operator=(const TAudioVoice&) = delete;

  // Starts from the current position; a voice already playing goes on unchanged.
  void Play();
  // Halts where it is (Play continues from there).
  void Halt();
  // Halts and goes back to the start.
  void Stop();
  // Takes effect at once, also while playing: no jump in the position.
  void SetLooping(bool looping);
  void SetGain(float gain);

  bool Playing();
  int64_t Position();
  int64_t Frames() const { return voice_.Frames(); }

 private:
  // After the voice stopped playing: its decoding and the output may rest.
  void Stopped();

  std::shared_ptr<TAudioDevice> device_;
  // Freed after the voice has left the mixer.
  std::unique_ptr<TMusicStream> stream_;
  TMixVoice voice_;
};
