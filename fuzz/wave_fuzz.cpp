// A sound effect's WAVE file: any bytes either load as whole stereo frames of the device format
// or fail with the game's own error; nothing else escapes.

#include "audio/dxs.h"
#include "frame/errors.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = WriteFuzzFile("wav/effect.wav", FuzzBytes(data, size));
  try {
    const TDevicePcm pcm = LoadEffectPcm(path);
    FuzzCheck(pcm.size() % DeviceChannels == 0, "an effect ends in half a frame");
    FuzzCheck(static_cast<int64_t>(pcm.size()) <= MaxDeviceFrames * DeviceChannels, "an effect longer than allowed");
  } catch (const EGameError&) {
    // Refused with the game's message: the effect stays silent.
  }
  return 0;
}
