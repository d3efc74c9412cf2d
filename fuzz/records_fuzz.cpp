// The records file: any text reads without harm, each player gets a record or an empty one,
// and what was read saves to a file that reads back whole to the same records.

#include <memory>
#include <vector>

#include "fuzz_support.h"
#include "players/player_records.h"
#include "players/players.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPlayers roster;
  for (const char* name : {"Ann", "Bob", ""}) {
    auto player = std::make_unique<TPlayer>();
    player->SetName(name);
    roster.Add(std::move(player));
  }
  ReadRecordText(std::string(FuzzBytes(data, size)), roster);
  const std::string saved = RecordText(roster);
  FuzzCheck(RecordTextIsWhole(saved), "saved records do not read whole");
  std::vector<TPlayerRecord> before;
  for (int32_t i = 0; i < roster.Count(); ++i) before.push_back(roster.Items(i)->Record);
  FuzzCheck(ReadRecordText(saved, roster).empty(), "saved records report problems");
  for (int32_t i = 0; i < roster.Count(); ++i)
    FuzzCheck(roster.Items(i)->Record == before[static_cast<size_t>(i)], "a record changed on the way through the file");
  roster.FreePlayers();
  return 0;
}
