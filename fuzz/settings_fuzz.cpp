// The settings file: whatever it holds, loading and saving it back gives the same nine bytes
// (the effect volume brought into its range), and a file too short is ignored whole.

#include <algorithm>
#include <memory>

#include "audio/dxs.h"
#include "audio/mci_player.h"
#include "frame/settings.h"
#include "stages/stage_list.h"
#include "fuzz_support.h"

namespace {
std::string Int32Bytes(int32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
  return bytes;
}

int32_t Int32At(std::string_view bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
  return static_cast<int32_t>(value);
}

// Music 1000, effects -500, turning 1: not what any input starts from by chance.
const std::string Defaults = Int32Bytes(1000) + Int32Bytes(-500) + "\x01";

TGmStageList& List() {
  static TGmStageList* list = [] {
    StartFuzzApplication();
    FuzzPath("dat");
    return new TGmStageList(nullptr);
  }();
  return *list;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TGmStageList& list = List();
  const std::string_view input = FuzzBytes(data, size);
  list.ApplySettings(*SettingsFromBytes(Defaults));
  if (const auto read = SettingsFromBytes(std::string(input))) list.ApplySettings(*read);
  const std::string saved = SettingsBytes(list.Settings());
  std::string expected = Defaults;
  if (input.size() >= 9) {
    const int32_t effects = std::clamp(Int32At(input, 4), DXSVolumeMin, DXSVolumeMax);
    expected = std::string(input.substr(0, 4)) + Int32Bytes(effects) + input[8];
  }
  FuzzCheck(saved == expected, "settings do not save back as they were read");
  return 0;
}
