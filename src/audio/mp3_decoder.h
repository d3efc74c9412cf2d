#pragma once
// MP3 music decoded from bytes already in memory, into the output's format. Encoder delay and
// padding are cut off (gapless decoding), so a piece loops without a gap.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "audio/pcm_conversion.h"

struct mpg123_handle_struct;

// Where the decoder stands in the bytes it reads.
struct TMp3Source {
  const std::string* Bytes;
  long Position = 0;
};

// Decodes a piece a block at a time, as 16-bit samples at the file's own rate and channels.
class TMp3Reader {
 public:
  // bytes must outlive the reader.
  explicit TMp3Reader(const std::string& bytes);
  ~TMp3Reader();
  TMp3Reader(const TMp3Reader&) = delete;
  TMp3Reader& operator=(const TMp3Reader&) = delete;

  // Up to size bytes of samples into out; 0 at the end of the piece, on damage, or where the
  // format changes part way (what follows is not played).
  size_t Read(unsigned char* out, size_t size);
  // Back to the first sample; false when the piece cannot be read again.
  bool Rewind();
  // The samples' layout, known once Read has given any (Rate 0 before).
  const TPcmLayout& Layout() const { return layout_; }

 private:
  struct THandleFree {
    void operator()(mpg123_handle_struct* handle) const;
  };

  TMp3Source source_;
  std::unique_ptr<mpg123_handle_struct, THandleFree> handle_;
  TPcmLayout layout_;
  bool ended_ = false;
};

// The decoded samples; nothing when the bytes hold no playable MP3 audio, or when the piece runs
// longer than maxFrames of output: decoding stops as soon as that is known, so a long file never
// fills memory. A stream that breaks off part way gives what was decoded before the break.
std::optional<TDevicePcm> DecodeMp3(const std::string& bytes, int64_t maxFrames = MaxDeviceFrames);
