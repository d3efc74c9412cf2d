#include "audio/mp3_decoder.h"

#include <sys/types.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include <mpg123.h>

namespace {
// The in-memory file mpg123 reads through its reader callbacks.
struct TMemorySource {
  const std::string* Bytes;
  off_t Position = 0;
};

ssize_t ReadMemory(void* handle, void* buffer, size_t count) {
  auto* source = static_cast<TMemorySource*>(handle);
  const off_t left = static_cast<off_t>(source->Bytes->size()) - source->Position;
  const size_t n = std::min(count, static_cast<size_t>(std::max<off_t>(left, 0)));
  std::memcpy(buffer, source->Bytes->data() + source->Position, n);
  source->Position += static_cast<off_t>(n);
  return static_cast<ssize_t>(n);
}

off_t SeekMemory(void* handle, off_t offset, int whence) {
  auto* source = static_cast<TMemorySource*>(handle);
  const off_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source->Position : static_cast<off_t>(source->Bytes->size());
  const off_t target = base + offset;
  if (target < 0 || target > static_cast<off_t>(source->Bytes->size())) return -1;
  source->Position = target;
  return target;
}

struct THandleFree {
  void operator()(mpg123_handle* handle) const {
    mpg123_close(handle);
    mpg123_delete(handle);
  }
};
using THandle = std::unique_ptr<mpg123_handle, THandleFree>;

// Any rate, mono or stereo, always 16-bit: the conversion to the output is done by SDL.
THandle OpenDecoder(TMemorySource& source) {
  mpg123_init();
  THandle handle(mpg123_new(nullptr, nullptr));
  if (!handle) return nullptr;
  mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
  mpg123_format_none(handle.get());
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i)
    mpg123_format(handle.get(), rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_replace_reader_handle(handle.get(), ReadMemory, SeekMemory, nullptr) != MPG123_OK ||
      mpg123_open_handle(handle.get(), &source) != MPG123_OK)
    return nullptr;
  return handle;
}

// The most decoded bytes that can still give no more than maxFrames of output.
size_t ByteBudget(const TPcmLayout& layout, int64_t maxFrames) {
  const int64_t sourceFrames = maxFrames * layout.Rate / DeviceRate + 1;
  return static_cast<size_t>(sourceFrames) * static_cast<size_t>(layout.Channels) * sizeof(int16_t);
}

// Decodes until the end, an error or a change of format; the bytes and their layout. Nothing
// once the bytes outgrow the budget for maxFrames.
std::optional<std::string> DecodeAll(mpg123_handle* handle, TPcmLayout& layout, int64_t maxFrames) {
  std::string decoded;
  unsigned char block[16384];
  for (;;) {
    size_t done = 0;
    const int result = mpg123_read(handle, block, sizeof block, &done);
    decoded.append(reinterpret_cast<const char*>(block), done);
    if (layout.Rate != 0 && decoded.size() > ByteBudget(layout, maxFrames)) return std::nullopt;
    if (result == MPG123_NEW_FORMAT) {
      long rate = 0;
      int channels = 0, encoding = 0;
      mpg123_getformat(handle, &rate, &channels, &encoding);
      if (layout.Rate != 0 && (layout.Rate != rate || layout.Channels != channels)) break;
      layout = TPcmLayout{AUDIO_S16SYS, channels, static_cast<int>(rate), false};
    } else if (result != MPG123_OK || done == 0) {
      break;
    }
  }
  return decoded;
}
}  // namespace

std::optional<TDevicePcm> DecodeMp3(const std::string& bytes, int64_t maxFrames) {
  TMemorySource source{&bytes};
  THandle handle = OpenDecoder(source);
  if (!handle) return std::nullopt;
  TPcmLayout layout;
  const std::optional<std::string> decoded = DecodeAll(handle.get(), layout, maxFrames);
  if (!decoded || layout.Rate == 0 || decoded->empty()) return std::nullopt;
  return ConvertToDevice(layout, decoded->data(), decoded->size());
}
