#pragma once
// A round of play as plain values, taken from a running round and given back to a fresh one of
// the same level: what a round file keeps (play/round_file.h). The level itself (its flow and
// parameters) is not part of it; the level is loaded again and checked to be the same.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "board/gm_point.h"
#include "board/hex_grid.h"
#include "play/play_round.h"

// A timer of the round: running or not, and how far into its period.
struct TTimerState {
  bool Enabled = false;
  float Fraction = 0;
  friend bool operator==(const TTimerState&, const TTimerState&) = default;
};

struct TRoundState {
  std::array<uint8_t, BoardCellCount> Cells{};
  // Cells a row clear or the laser emptied, waiting for the refill.
  std::vector<TGmPoint> Removed;
  // The held set: the gems' offsets and codes, its cell and its turns.
  std::vector<THeldGem> HeldGems;
  TGmPoint HeldAnchor;
  int32_t HeldTurns = 0;
  int32_t NextShape = 0;
  TPlayMode Mode = TPlayMode::Holding;
  bool Relaxed = false;
  bool LevelPassed = false;
  bool BoxesAllowed = false;
  int32_t RowsCleared = 0;
  int32_t Chain = 0;
  int32_t PendingMoney = 0;
  // The row clearing (Clearing only), -1 otherwise.
  int32_t ClearingRow = -1;
  int32_t NextBoxId = 0;
  std::vector<TBox> Boxes;
  TTimerState Drop;
  TTimerState Sparkle;
  TTimerState Coin;
  // The game's random generator (frame/random.h).
  std::string Random;

  friend bool operator==(const TRoundState&, const TRoundState&);
};
