// A level's course: dealing and turning the held set, drops, the row-clear chain and its
// payout, the payout of money, and the level's end.

#include "play/play_round.h"

#include "board/cell_codes.h"
#include "frame/random.h"
#include "frame/saturating.h"
#include "play/hex_shapes.h"
#include "play/level_rules.h"

namespace {
constexpr float SparkleSeconds = 5;
constexpr float CoinSeconds = 0.1f;
constexpr float FirstCountdownSeconds = 5;
}  // namespace

TPlayRound::TPlayRound(TTClock& clock) : clock_(clock) {
  DropTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(FirstCountdownSeconds));
  DropTimer->OnTimer = [this] {
    if (!Busy() && !LevelPassed && !Relaxed) AutoDrop();
  };
  DropTimer->OnProgress = [this](float fraction) { OnCountdown(fraction); };
  SparkleTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(SparkleSeconds));
  SparkleTimer->OnTimer = [this] { Sparkle(); };
  CoinTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(CoinSeconds));
  CoinTimer->OnTimer = [this] { CoinTick(); };
}

void TPlayRound::LevelLoaded() {
  DropTimer->Interval = clock_.SecondsToTicks(static_cast<float>(Param.AutoDropSec));
}

void TPlayRound::Begin() {
  NextShape = Random(DealtShapeCount);
  OnNextShape(NextShape);
  DealNewSet();
  DropTimer->SetEnabled(true);
  SparkleTimer->SetEnabled(true);
  CoinTimer->SetEnabled(true);
  SetRowsCleared(0);
  Chain = 0;
  Mode = TPlayMode::Holding;
  LevelPassed = false;
}

void TPlayRound::Stop() {
  DropTimer->SetEnabled(false);
  SparkleTimer->SetEnabled(false);
  CoinTimer->SetEnabled(false);
  DestroyBoxes();
  rowClock_.Cancel();
  boltClock_.Cancel();
}

void TPlayRound::SetRelaxed(bool value) {
  // Back from relaxed play the countdown starts a full period, not wherever it had run to.
  if (Relaxed && !value && !Busy()) DropTimer->Restart();
  Relaxed = value;
}

void TPlayRound::AfterFrame(int64_t now) {
  if (rowClock_.Frame(now, clock_.Frequency, RowClearSeconds)) FinishRowClear();
  if (boltClock_.Frame(now, clock_.Frequency)) FinishLaser();
}

void TPlayRound::SetRowsCleared(int32_t rows) {
  RowsCleared = rows;
  OnRowsCleared(rows);
}

void TPlayRound::DealNewSet() {
  TakeShape(NextShape);
  NextShape = Random(DealtShapeCount);
  OnNextShape(NextShape);
  Turn(1 + Random(TurnsPerCircle - 1));
  OnNewSet();
}

void TPlayRound::Hold(int32_t shape) {
  TakeShape(shape);
  OnNewSet();
}

void TPlayRound::TakeShape(int32_t shape) {
  const TGmPoint anchor = Held.Anchor;
  Held = THeldSet::FromShape(shape);
  Held.Anchor = anchor;
}

void TPlayRound::Turn(int32_t steps) {
  for (int32_t i = 0; i < steps; ++i) Held.Turn();
}

bool TPlayRound::CanDrop() const {
  if (Busy() || Paused) return false;
  for (int32_t i = 0; i < Held.Count(); ++i) {
    const TGmPoint cell = Held.CellOf(i);
    if (Board.IsBlocked(cell.Row, cell.Col)) return false;
  }
  return true;
}

bool TPlayRound::TryDrop() {
  if (!CanDrop()) return false;
  Drop();
  return true;
}

void TPlayRound::Drop() {
  if (Paused) return;
  std::vector<THeldGem> placed;
  for (const THeldGem& gem : Held.Landing()) {
    if (!IsOnBoard(gem.Cell)) continue;
    Board.SetCell(gem.Cell.Row, gem.Cell.Col, gem.Code);
    placed.push_back(gem);
  }
  OnSetDropped(placed);
  StartRowClear(Board.FindFullRow());
  DealNewSet();
  DropTimer->Restart();
}

void TPlayRound::StartRowClear(int32_t row) {
  if (row < 0 || row >= BoardRows) return;
  Mode = TPlayMode::Clearing;
  DropTimer->SetEnabled(false);
  Board.RemoveRow(row);
  // Every chip on the board loses a tier.
  for (int32_t r = 0; r < BoardRows; ++r)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board.GetCell(r, col);
      if (IsChipGem(code)) Board.SetCell(r, col, Downgrade(code));
    }
  clearingRow_ = row;
  rowClock_.Start();
  OnRowClearing(row, ChainMultiplier(Chain));
}

void TPlayRound::FinishRowClear() {
  const int32_t row = clearingRow_;
  const int32_t payout = RowPayout(Chain);
  PendingMoney = GrownFigure(PendingMoney, payout);
  CountOne(Chain);
  SetRowsCleared(GrownFigure(RowsCleared, 1));
  Mode = TPlayMode::Holding;
  Board.RefillRemoved();
  OnRowCleared(row, payout);
  DropTimer->Restart();
  const int32_t next = Board.FindFullRow();
  if (next >= 0) {
    StartRowClear(next);
    return;
  }
  Chain = 0;
  OnChainEnded(row);
  if (RowsCleared < Param.PassRows) {
    SpawnBox(row);
  } else {
    LevelPassed = true;
    OnLevelPassed();
  }
}

void TPlayRound::CoinTick() {
  if (PendingMoney > 0) {
    const int32_t chunk = CoinChunk(PendingMoney);
    OnPaid(chunk);
    PendingMoney -= chunk;
  } else if (LevelPassed && !rowClock_.Running()) {
    // A row still clearing brings more money: the level ends once that is paid too, and only
    // once, whoever listens.
    CoinTimer->SetEnabled(false);
    OnLevelFinished();
  }
}

void TPlayRound::Lose() {
  Mode = TPlayMode::Lost;
  DestroyBoxes();
  DropTimer->SetEnabled(false);
  SparkleTimer->SetEnabled(false);
  OnGameLost();
}
