#pragma once
// Shared by the roster suites: an event log and players made in one line.

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "players/players.h"

using TLog = std::vector<std::string>;

// Binds every event to a log line "event value".
inline void Record(TPlayerEvents& events, TLog& log) {
  events.OnLevelChange = [&log](int32_t v) { log.push_back("level " + std::to_string(v)); };
  events.OnMoneyChange = [&log](int32_t v) { log.push_back("money " + std::to_string(v)); };
  events.OnUnitPriceChange = [&log](int32_t v) { log.push_back("unit " + std::to_string(v)); };
  events.OnEfficiencyChange = [&log](int32_t v) { log.push_back("efficiency " + std::to_string(v)); };
  events.OnNameChange = [&log](const std::string& v) { log.push_back("name " + v); };
}

inline std::unique_ptr<TPlayer> MakePlayer(const std::string& name, int32_t level, int32_t money, int32_t rows,
                                           int32_t seconds) {
  auto player = std::make_unique<TPlayer>();
  player->SetName(name);
  player->SetLevel(level);
  player->SetMoney(money);
  player->SetClearCount(rows);
  player->SetPlaySeconds(seconds);
  return player;
}

// The roster file of the named players, the first one current.
inline std::string RosterFileOf(std::initializer_list<const char*> names) {
  TPlayers saved;
  for (const char* name : names) saved.Add(MakePlayer(name, 2, 10, 1, 5));
  saved.SetCurrentIndex(0);
  std::string bytes = saved.SaveToBytes();
  saved.FreePlayers();
  return bytes;
}

inline std::vector<std::string> NamesIn(const TPlayers& roster) {
  std::vector<std::string> names;
  for (int32_t k = 0; k < roster.Count(); ++k) names.push_back(roster.Items(k)->Name());
  return names;
}
