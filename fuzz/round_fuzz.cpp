// The round file: any bytes read without harm, and a round that was read writes a text that
// reads back to the same round.

#include "fuzz_support.h"
#include "play/round_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TRoundFile file;
  if (!ReadRoundText(FuzzBytes(data, size), file).empty()) return 0;
  const std::string saved = RoundText(file);
  TRoundFile again;
  FuzzCheck(ReadRoundText(saved, again).empty(), "a written round is refused");
  FuzzCheck(again.Level == file.Level && again.LevelCheck == file.LevelCheck && again.LevelMoney == file.LevelMoney &&
                again.PlayedRelaxed == file.PlayedRelaxed && again.Round == file.Round,
            "a round changed on the way through the file");
  return 0;
}
