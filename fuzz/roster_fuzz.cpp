// The roster file: any bytes load without harm; what was loaded saves, and loads back to the
// same players and the same bytes; a file read whole keeps all its players.

#include <algorithm>

#include "fuzz_support.h"
#include "players/players.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(FuzzBytes(data, size));
  TPlayers first;
  const bool whole = first.LoadFromBytes(input);
  const std::string saved = first.SaveToBytes();
  FuzzCheck(saved.size() == 8 + static_cast<size_t>(first.Count()) * TPlayers::RecordSize,
            "the saved roster has the wrong size");
  if (whole && input.size() >= 4) {
    int32_t claimed = 0;
    for (int i = 3; i >= 0; --i) claimed = static_cast<int32_t>((static_cast<uint32_t>(claimed) << 8) | data[i]);
    FuzzCheck(first.Count() == std::max(0, claimed), "a roster read whole lost players");
  }
  TPlayers second;
  FuzzCheck(second.LoadFromBytes(saved), "a saved roster does not read whole");
  FuzzCheck(second.Count() == first.Count() && second.CurrentIndex() == first.CurrentIndex(),
            "the roster does not load back to the same players");
  for (int32_t k = 0; k < first.Count(); ++k) {
    const TPlayer& a = *first.Items(k);
    const TPlayer& b = *second.Items(k);
    FuzzCheck(a.Name() == b.Name() && a.Level() == b.Level() && a.Money() == b.Money() &&
                  a.ClearCount() == b.ClearCount() && a.PlaySeconds() == b.PlaySeconds(),
              "a player changed on the way through the file");
  }
  FuzzCheck(second.SaveToBytes() == saved, "the roster does not save back to the same bytes");
  first.FreePlayers();
  second.FreePlayers();
  return 0;
}
