// Taking a round's state and giving it back.

#include "play/round_state.h"

#include <algorithm>

#include "frame/random.h"
#include "play/level_rules.h"

namespace {
bool SameGems(const std::vector<THeldGem>& a, const std::vector<THeldGem>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const THeldGem& x, const THeldGem& y) {
    return x.Cell == y.Cell && x.Code == y.Code;
  });
}

bool SameBoxes(const std::vector<TBox>& a, const std::vector<TBox>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TBox& x, const TBox& y) {
    const TBounceMotion& m = x.Motion;
    const TBounceMotion& n = y.Motion;
    return x.Id == y.Id && x.Kind == y.Kind && m.X == n.X && m.Y == n.Y && m.DirX == n.DirX && m.DirY == n.DirY &&
           m.Speed == n.Speed;
  });
}

TTimerState TimerState(const TTTimer& timer) { return {timer.Enabled(), timer.Fraction}; }

// Running again from where its period was, at the next update.
void RestoreTimer(TTTimer& timer, const TTimerState& state) {
  timer.SetEnabled(state.Enabled);
  timer.RestartPending = false;
  timer.ResumePending = state.Enabled;
  timer.Fraction = state.Fraction;
}
}  // namespace

bool operator==(const TRoundState& a, const TRoundState& b) {
  return a.Cells == b.Cells && a.Removed == b.Removed && SameGems(a.HeldGems, b.HeldGems) &&
         a.HeldAnchor == b.HeldAnchor && a.HeldTurns == b.HeldTurns && a.NextShape == b.NextShape &&
         a.Mode == b.Mode && a.Relaxed == b.Relaxed && a.LevelPassed == b.LevelPassed &&
         a.BoxesAllowed == b.BoxesAllowed && a.RowsCleared == b.RowsCleared && a.Chain == b.Chain &&
         a.PendingMoney == b.PendingMoney && a.ClearingRow == b.ClearingRow && a.NextBoxId == b.NextBoxId &&
         SameBoxes(a.Boxes, b.Boxes) && a.Drop == b.Drop && a.Sparkle == b.Sparkle && a.Coin == b.Coin &&
         a.Random == b.Random;
}

TRoundState TPlayRound::State() const {
  TRoundState state;
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    state.Cells[static_cast<size_t>(cell)] = Board.GetCell(cell / BoardCols, cell % BoardCols);
  state.Removed = Board.RemovedCells;
  state.HeldGems = Held.Gems;
  state.HeldAnchor = Held.Anchor;
  state.HeldTurns = Held.Turns;
  state.NextShape = NextShape;
  state.Mode = Mode;
  state.Relaxed = Relaxed;
  state.LevelPassed = LevelPassed;
  state.BoxesAllowed = BoxesAllowed;
  state.RowsCleared = RowsCleared;
  state.Chain = Chain;
  state.PendingMoney = PendingMoney;
  state.ClearingRow = Mode == TPlayMode::Clearing ? clearingRow_ : -1;
  state.NextBoxId = nextBoxId_;
  state.Boxes = Boxes;
  state.Drop = TimerState(*DropTimer);
  state.Sparkle = TimerState(*SparkleTimer);
  state.Coin = TimerState(*CoinTimer);
  state.Random = RandomState();
  return state;
}

void TPlayRound::Restore(const TRoundState& state) {
  for (int32_t cell = 0; cell < BoardCellCount; ++cell)
    Board.SetCell(cell / BoardCols, cell % BoardCols, state.Cells[static_cast<size_t>(cell)]);
  Board.RemovedCells = state.Removed;
  Held.Gems = state.HeldGems;
  Held.Anchor = state.HeldAnchor;
  Held.Turns = state.HeldTurns;
  NextShape = state.NextShape;
  Mode = state.Mode;
  Relaxed = state.Relaxed;
  LevelPassed = state.LevelPassed;
  BoxesAllowed = state.BoxesAllowed;
  Chain = state.Chain;
  PendingMoney = state.PendingMoney;
  clearingRow_ = state.ClearingRow;
  nextBoxId_ = state.NextBoxId;
  Boxes = state.Boxes;
  RestoreTimer(*DropTimer, state.Drop);
  RestoreTimer(*SparkleTimer, state.Sparkle);
  RestoreTimer(*CoinTimer, state.Coin);
  SetRandomState(state.Random);
  OnNextShape(NextShape);
  OnNewSet();
  SetRowsCleared(state.RowsCleared);
  // A clear or a shot in progress starts over from its first frame.
  switch (Mode) {
    case TPlayMode::Clearing:
      rowClock_.Start();
      OnRowClearing(clearingRow_, ChainMultiplier(Chain));
      break;
    case TPlayMode::Aiming: OnLaserReady(); break;
    case TPlayMode::Firing:
      boltClock_.Start();
      OnLaserFired();
      break;
    case TPlayMode::Holding:
    case TPlayMode::Lost: break;
  }
}
