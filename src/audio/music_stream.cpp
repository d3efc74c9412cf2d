#include "audio/music_stream.h"

#include <algorithm>
#include <chrono>

#include "audio/sample_sum.h"

namespace {
// The worker tops the buffer up in pieces of this many frames, looking again this often while
// the piece plays (the buffer holds three times as long).
constexpr int32_t ChunkFrames = 4096;
constexpr auto Nap = std::chrono::milliseconds(500);
}  // namespace

std::unique_ptr<TMusicStream> TMusicStream::Open(std::string bytes) {
  std::unique_ptr<TMusicStream> stream(new TMusicStream(std::move(bytes)));
  {
    std::lock_guard<std::mutex> lock(stream->mutex_);
    if (!stream->Fill(BufferFrames)) return nullptr;
  }
  stream->worker_ = std::thread([raw = stream.get()] { raw->Work(); });
  return stream;
}

TMusicStream::TMusicStream(std::string bytes)
    : bytes_(std::move(bytes)), reader_(bytes_), buffer_(static_cast<size_t>(BufferFrames) * DeviceChannels) {}

TMusicStream::~TMusicStream() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  if (worker_.joinable()) worker_.join();
}

int32_t TMusicStream::MixInto(float* sum, int32_t frames, float gain) {
  const uint64_t from = read_.load(std::memory_order_relaxed);
  const uint64_t ready = written_.load(std::memory_order_acquire) - from;
  const auto given = static_cast<int32_t>(std::min<uint64_t>(static_cast<uint64_t>(frames), ready));
  // The frames run to the buffer's end, then on from its start.
  const auto start = static_cast<int32_t>(from % BufferFrames);
  const int32_t toEnd = std::min(given, BufferFrames - start);
  AddScaledSamples(sum, buffer_.data() + static_cast<ptrdiff_t>(start) * DeviceChannels, toEnd * DeviceChannels, gain);
  AddScaledSamples(sum + static_cast<ptrdiff_t>(toEnd) * DeviceChannels, buffer_.data(),
                   (given - toEnd) * DeviceChannels, gain);
  read_.store(from + static_cast<uint64_t>(given), std::memory_order_release);
  return given;
}

void TMusicStream::Rewind(const std::function<void()>& holdOutput) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    holdOutput();
    reader_.Rewind();
    converter_.reset();
    passSourceFrames_ = 0;
    dry_ = false;
    Fill(BufferFrames);
  }
  wake_.notify_one();
}

void TMusicStream::SetPlaying(bool playing) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (playing_ == playing) return;
    playing_ = playing;
  }
  wake_.notify_one();
}

void TMusicStream::DropBuffered() { read_.store(written_.load(std::memory_order_relaxed), std::memory_order_relaxed); }

int32_t TMusicStream::Room() const {
  const uint64_t held = written_.load(std::memory_order_relaxed) - read_.load(std::memory_order_acquire);
  return BufferFrames - static_cast<int32_t>(held);
}

bool TMusicStream::Fill(int32_t most) {
  const int frameBytes = static_cast<int>(sizeof(int16_t)) * DeviceChannels;
  int32_t added = 0;
  while (added < most && Room() > 0) {
    if ((!converter_ || SDL_AudioStreamAvailable(converter_.get()) < frameBytes) && !Decode()) break;
    // Whole frames into the free part of the buffer, up to where it wraps.
    const uint64_t to = written_.load(std::memory_order_relaxed);
    const auto at = static_cast<int32_t>(to % BufferFrames);
    const int32_t frames = std::min({Room(), BufferFrames - at, most - added});
    const int got = SDL_AudioStreamGet(converter_.get(), buffer_.data() + static_cast<size_t>(at) * DeviceChannels,
                                       frames * frameBytes);
    if (got <= 0) break;
    added += got / frameBytes;
    written_.store(to + static_cast<uint64_t>(got / frameBytes), std::memory_order_release);
  }
  return added > 0;
}

bool TMusicStream::Decode() {
  unsigned char block[16384];
  for (int attempts = 0; attempts < 2; ++attempts) {
    const size_t done = reader_.Read(block, sizeof block);
    const TPcmLayout& layout = reader_.Layout();
    if (done > 0) {
      if (!converter_)
        converter_.reset(SDL_NewAudioStream(layout.Format, static_cast<Uint8>(layout.Channels), layout.Rate,
                                            AUDIO_S16SYS, DeviceChannels, DeviceRate));
      if (!converter_) return false;
      passSourceFrames_ += static_cast<int64_t>(done) / layout.BytesPerFrame();
      return SDL_AudioStreamPut(converter_.get(), block, static_cast<int>(done)) == 0;
    }
    // The end of a pass: a piece that gave nothing in a whole pass never will.
    if (passSourceFrames_ == 0 || dry_) {
      dry_ = true;
      return false;
    }
    if (passFrames_.load(std::memory_order_relaxed) == 0)
      passFrames_.store(passSourceFrames_ * DeviceRate / layout.Rate, std::memory_order_release);
    passSourceFrames_ = 0;
    if (!reader_.Rewind()) return false;
  }
  return false;
}

void TMusicStream::Work() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    if (playing_ && Room() >= ChunkFrames && Fill(ChunkFrames)) continue;
    if (playing_) {
      wake_.wait_for(lock, Nap);
    } else {
      wake_.wait(lock);
    }
  }
}
