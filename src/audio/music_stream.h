#pragma once
// A piece of music decoded a little ahead of the mixer on a worker thread, so a piece holds
// only its file and a buffer of about a second and a half, however long it plays, and nobody
// waits for a whole piece to decode. The worker tops the buffer up twice a second while the
// piece plays and sleeps while it does not. The piece loops without a gap: at its end the decoder
// starts again from the first sample and the samples run on.
//
// The buffer has one writer (the worker) and one reader (the audio callback), which meet only
// through two atomic counters: the callback never allocates, locks or waits.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <SDL.h>

#include "audio/mp3_decoder.h"

class TMusicStream {
 public:
  // Frames the buffer holds.
  static constexpr int32_t BufferFrames = DeviceRate * 3 / 2;

  // Nothing when the bytes hold no playable MP3 audio. The buffer is filled before this
  // returns, so play can start at once.
  static std::unique_ptr<TMusicStream> Open(std::string bytes);
  // Stops the worker.
  ~TMusicStream();
  TMusicStream(const TMusicStream&) = delete;
  TMusicStream& operator=(const TMusicStream&) = delete;

  // Audio callback only: adds up to frames of the piece, times gain, into sum (interleaved in
  // the device's channels) and moves on. Fewer frames only if the worker has fallen behind.
  int32_t MixInto(float* sum, int32_t frames, float gain);

  // Back to the start and the buffer filled again. holdOutput must keep the audio callback
  // away from this stream while it calls DropBuffered.
  void Rewind(const std::function<void()>& holdOutput);
  // Only from Rewind's holdOutput.
  void DropBuffered();

  // The worker decodes ahead only while the piece plays; otherwise it sleeps until it does.
  void SetPlaying(bool playing);

  // Frames in one pass of the piece, once the decoder has reached its end; 0 before.
  int64_t PassFrames() const { return passFrames_.load(std::memory_order_acquire); }

 private:
  explicit TMusicStream(std::string bytes);
  // Under mutex_: decodes into the buffer until it is full or the piece cannot give more.
  // False when nothing could be added.
  bool Fill(int32_t most);
  // Under mutex_: converted frames from the decoder, decoding more as needed; starts the piece
  // again at its end. False when it can give no more.
  bool Decode();
  int32_t Room() const;
  void Work();

  std::string bytes_;
  TMp3Reader reader_;
  std::unique_ptr<SDL_AudioStream, void (*)(SDL_AudioStream*)> converter_{nullptr, SDL_FreeAudioStream};
  // Source frames decoded in this pass, and whether the last pass gave any.
  int64_t passSourceFrames_ = 0;
  bool dry_ = false;

  std::vector<int16_t> buffer_;
  // Frames ever written and read; the buffer holds those between.
  std::atomic<uint64_t> written_{0};
  std::atomic<uint64_t> read_{0};
  std::atomic<int64_t> passFrames_{0};

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  bool playing_ = false;
  std::thread worker_;
};
