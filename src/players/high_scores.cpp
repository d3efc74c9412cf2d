#include "players/high_scores.h"

#include <algorithm>

namespace {
struct TBuiltInEntry {
  const char* Name;
  int32_t Level, Money, ClearCount, PlaySeconds;
};

constexpr TBuiltInEntry BuiltInEntries[BuiltInEntryCount] = {
    {"Rovari", 3, 6000, 60, 2000},          {"Voraz", 10, 35000, 270, 4000},
    {"Vevaz", 18, 80000, 600, 14000},       {"Zidaverade", 27, 102000, 1000, 16000},
    {"Devivada", 35, 100000, 900, 18000},   {"Rovudar", 40, 104000, 1000, 24000},
    {"Radovoz", 61, 152500, 1425, 48600},   {"Zediri", 54, 155000, 1350, 50000},
    {"Mirlo", 55, 247500, 1375, 63000},     {"Tobin", 56, 191000, 1400, 30000},
};
}  // namespace

THighScores::THighScores() {
  for (int32_t i = 0; i < BuiltInEntryCount; ++i) {
    const TBuiltInEntry& entry = BuiltInEntries[i];
    builtIn_[i] = std::make_unique<TPlayer>();
    TPlayer& player = *builtIn_[i];
    player.SetName(entry.Name);
    player.SetLevel(entry.Level);
    player.SetMoney(entry.Money);
    player.SetClearCount(entry.ClearCount);
    player.SetPlaySeconds(entry.PlaySeconds);
    List.Add(&player);
  }
}

void THighScores::Refresh(const TPlayers& roster) {
  while (List.Count() > BuiltInEntryCount) List.Delete(List.Count() - 1);
  for (int32_t i = 0; i < roster.Count(); ++i) List.Add(roster.Items(i));
}

std::vector<const TPlayer*> THighScores::Table(int32_t Category) const {
  const std::vector<int32_t> order = List.RankIndices(Category);
  std::vector<const TPlayer*> rows;
  for (size_t i = 0; i < std::min<size_t>(order.size(), TableRows); ++i) rows.push_back(List.Items(order[i]));
  return rows;
}
