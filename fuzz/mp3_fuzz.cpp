// A piece of music through our decoder: any bytes give nothing or whole stereo frames, never
// more than the length allowed.

#include "audio/mp3_decoder.h"
#include "fuzz_support.h"

namespace {
// Five seconds keep each run short; the limit is checked the same way at any size.
constexpr int64_t Limit = int64_t{DeviceRate} * 5;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::optional<TDevicePcm> pcm = DecodeMp3(std::string(FuzzBytes(data, size)), Limit);
  if (!pcm) return 0;
  FuzzCheck(pcm->size() % DeviceChannels == 0, "music ends in half a frame");
  FuzzCheck(static_cast<int64_t>(pcm->size()) <= Limit * DeviceChannels, "music longer than the limit");
  return 0;
}
