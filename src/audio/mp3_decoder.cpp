#include "audio/mp3_decoder.h"

#include <sys/types.h>

#include <algorithm>
#include <cstring>

#include <mpg123.h>

namespace {
// mpg123 reads the in-memory file through these.
ssize_t ReadMemory(void* handle, void* buffer, size_t count) {
  auto* source = static_cast<TMp3Source*>(handle);
  const off_t left = static_cast<off_t>(source->Bytes->size()) - source->Position;
  const size_t n = std::min(count, static_cast<size_t>(std::max<off_t>(left, 0)));
  std::memcpy(buffer, source->Bytes->data() + source->Position, n);
  source->Position += static_cast<long>(n);
  return static_cast<ssize_t>(n);
}

off_t SeekMemory(void* handle, off_t offset, int whence) {
  auto* source = static_cast<TMp3Source*>(handle);
  const off_t size = static_cast<off_t>(source->Bytes->size());
  const off_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? source->Position : size;
  const off_t target = base + offset;
  if (target < 0 || target > size) return -1;
  source->Position = static_cast<long>(target);
  return target;
}

// The most decoded bytes that can still give no more than maxFrames of output.
size_t ByteBudget(const TPcmLayout& layout, int64_t maxFrames) {
  const int64_t sourceFrames = maxFrames * layout.Rate / DeviceRate + 1;
  return static_cast<size_t>(sourceFrames) * static_cast<size_t>(layout.Channels) * sizeof(int16_t);
}
}  // namespace

void TMp3Reader::THandleFree::operator()(mpg123_handle_struct* handle) const {
  mpg123_close(handle);
  mpg123_delete(handle);
}

// Any rate, mono or stereo, always 16-bit: the conversion to the output is done by SDL.
TMp3Reader::TMp3Reader(const std::string& bytes) : source_{&bytes} {
  mpg123_init();
  handle_.reset(mpg123_new(nullptr, nullptr));
  if (!handle_) return;
  mpg123_handle* handle = handle_.get();
  mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0);
  mpg123_format_none(handle);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i) mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_replace_reader_handle(handle, ReadMemory, SeekMemory, nullptr) != MPG123_OK ||
      mpg123_open_handle(handle, &source_) != MPG123_OK)
    handle_.reset();
}

TMp3Reader::~TMp3Reader() = default;

size_t TMp3Reader::Read(unsigned char* out, size_t size) {
  while (handle_ && !ended_) {
    size_t done = 0;
    const int result = mpg123_read(handle_.get(), out, size, &done);
    if (result == MPG123_NEW_FORMAT) {
      long rate = 0;
      int channels = 0, encoding = 0;
      mpg123_getformat(handle_.get(), &rate, &channels, &encoding);
      if (layout_.Rate != 0 && (layout_.Rate != rate || layout_.Channels != channels)) {
        ended_ = true;
      } else {
        layout_ = TPcmLayout{AUDIO_S16SYS, channels, static_cast<int>(rate), false};
      }
      if (done > 0 || ended_) return done;
      continue;
    }
    if (result != MPG123_OK || done == 0) ended_ = true;
    return done;
  }
  return 0;
}

bool TMp3Reader::Rewind() {
  if (!handle_ || mpg123_seek(handle_.get(), 0, SEEK_SET) < 0) return false;
  ended_ = false;
  return true;
}

std::optional<TDevicePcm> DecodeMp3(const std::string& bytes, int64_t maxFrames) {
  TMp3Reader reader(bytes);
  std::string decoded;
  unsigned char block[16384];
  while (const size_t done = reader.Read(block, sizeof block)) {
    decoded.append(reinterpret_cast<const char*>(block), done);
    if (decoded.size() > ByteBudget(reader.Layout(), maxFrames)) return std::nullopt;
  }
  if (reader.Layout().Rate == 0 || decoded.empty()) return std::nullopt;
  return ConvertToDevice(reader.Layout(), decoded.data(), decoded.size());
}
