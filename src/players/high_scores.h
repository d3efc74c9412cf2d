#pragma once
// The high-score list: ten built-in entries followed by every player of the roster. Nothing of
// it is stored; the roster's players are the live ones, so the tables and the main window's
// medals always follow their current values.

#include <array>
#include <memory>

#include "players/players.h"

inline constexpr int32_t BuiltInEntryCount = 10;
inline constexpr int32_t TableRows = 10;
inline constexpr int32_t CategoryCount = 4;
// The letters of level, money, unit price and efficiency.
inline constexpr char CategoryLetters[CategoryCount] = {'L', 'M', 'U', 'E'};

class THighScores {
 public:
  // The list holds the ten built-in entries.
  THighScores();
  THighScores(const THighScores&) = delete;
  THighScores& operator=(const THighScores&) = delete;

  // Drops the roster part and adds every roster player again, in roster order.
  void Refresh(const TPlayers& roster);
  // The first rows of a category's table, best first.
  std::vector<const TPlayer*> Table(int32_t Category) const;

  // Entries 0..9 are owned here; the rest are the roster's players.
  TPlayers List;

 private:
  std::array<std::unique_ptr<TPlayer>, BuiltInEntryCount> builtIn_;
};
