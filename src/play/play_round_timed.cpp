// The timed side of a round: the countdown's automatic drop and its search for a place, the
// sparkles, and Pandora's boxes with their three outcomes.

#include <algorithm>
#include <cmath>

#include "board/cell_codes.h"
#include "board/weighted_random.h"
#include "frame/random.h"
#include "play/play_round.h"

namespace {
constexpr int32_t GemColours = 5;
}  // namespace

void TPlayRound::AutoDrop() {
  if (CanDrop()) {
    Drop();
    OnTimedOut(std::nullopt);
    return;
  }
  const TGmPoint held = Held.Anchor;
  searched_.assign(BoardCellCount, false);
  std::optional<TGmPoint> lastTried;
  bool dropped = false;
  for (const TGmPoint& end : Board.MoveMatrix.EndCells())
    if ((dropped = SearchDrop(end, lastTried))) break;
  Held.Anchor = held;
  OnTimedOut(lastTried);
  if (!dropped) Lose();
}

bool TPlayRound::SearchDrop(const TGmPoint& cell, std::optional<TGmPoint>& lastTried) {
  // Each cell is tried once, so a flow with a cycle cannot trap the search.
  if (!IsOnBoard(cell) || searched_[CellIndex(cell)]) return false;
  searched_[CellIndex(cell)] = true;
  if (Board.GetCell(cell.Row, cell.Col) == CellEmpty) {
    Held.Anchor = cell;
    lastTried = cell;
    for (int32_t turn = 0; turn < TurnsPerCircle; ++turn) {
      if (CanDrop()) {
        Drop();
        return true;
      }
      Held.Turn();
    }
  }
  // The end cells are where the flow ends: the search climbs against the flow.
  const TMoveMatrix& flow = Board.MoveMatrix;
  for (int32_t k = 0; k < flow.SourceCount(cell.Row, cell.Col); ++k)
    if (SearchDrop(flow.SourceAt(cell.Row, cell.Col, k), lastTried)) return true;
  return false;
}

void TPlayRound::Sparkle() {
  TGmPoint cell;
  if (Board.FindFilled(Random(Board.FilledCount), cell.Row, cell.Col)) OnSparkle(cell);
}

void TPlayRound::SpawnBox(int32_t row) {
  if (!BoxesAllowed) return;
  // A box always comes when none or one is out; then less and less often.
  const size_t out = Boxes.size();
  if (out >= MaxBoxes || Random(static_cast<int32_t>(out)) != 0) return;
  const int32_t kind = WeightedRandom({Param.ClearGemsPower, Param.BreakgroundPower, Param.LaserPower},
                                      static_cast<int32_t>(TBoxKind::Laser));
  TBox box{nextBoxId_, static_cast<TBoxKind>(kind), {}};
  nextBoxId_ = std::min(nextBoxId_ + 1, MaxBoxNumber);
  box.Motion.DirX = TBounceMotion::RandomDirection();
  box.Motion.DirY = TBounceMotion::RandomDirection();
  box.Motion.Speed = BoxSpeed;
  Boxes.push_back(box);
  OnBoxReleased(Boxes.back(), row);
}

void TPlayRound::CatchBox(int32_t id) {
  const TBox* found = FindBox(id);
  if (found == nullptr || !CanCatch()) return;
  const TBox box = *found;
  OnBoxCaught(box);
  switch (box.Kind) {
    case TBoxKind::ClearGems: ClearGems(); break;
    case TBoxKind::Breakground: Breakground(Param.BreakgrdCnt); break;
    case TBoxKind::Laser: StartLaser(); break;
    case TBoxKind::Nothing: break;
  }
  std::erase_if(Boxes, [id](const TBox& out) { return out.Id == id; });
}

TBox* TPlayRound::FindBox(int32_t id) {
  const auto found = std::find_if(Boxes.begin(), Boxes.end(), [id](const TBox& box) { return box.Id == id; });
  return found == Boxes.end() ? nullptr : &*found;
}

bool TPlayRound::MoveBox(int32_t id, double seconds, float rightmost, float lowest) {
  TBox* box = FindBox(id);
  return box != nullptr && box->Motion.Move(seconds, rightmost, lowest);
}

bool TPlayRound::CatchBoxNear(int32_t id, float x, float y) {
  const TBox* box = FindBox(id);
  if (box == nullptr || !CanCatch()) return false;
  if (std::hypot(x - box->Motion.X, y - box->Motion.Y) >= BoxCatchDistance) return false;
  CatchBox(id);
  return true;
}

void TPlayRound::DestroyBoxes() {
  Boxes.clear();
  OnBoxesGone();
}

void TPlayRound::ClearGems() {
  const int32_t colour = Random(GemColours);
  std::vector<THeldGem> blasted;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board.GetCell(row, col);
      // Read as a signed byte, an empty cell (-1) never matches a colour.
      if (static_cast<int8_t>(code) % 10 != colour) continue;
      blasted.push_back({{row, col}, code});
      Board.SetCell(row, col, CellEmpty);
    }
  OnGemsBlasted(blasted);
}

void TPlayRound::Breakground(int32_t count) {
  for (int32_t i = 0; i < count && Board.FilledCount < BoardCellCount; ++i) {
    TGmPoint cell;
    if (!Board.FindEmpty(Random(BoardCellCount - Board.FilledCount), cell.Row, cell.Col)) continue;
    Board.SetCell(cell.Row, cell.Col, static_cast<uint8_t>(ChipTier + Random(GemColours)));
    Board.SlideDown(cell);
  }
  OnChipsDropped();
}

void TPlayRound::StartLaser() {
  DropTimer->SetEnabled(false);
  Mode = TPlayMode::Aiming;
  OnLaserReady();
}

void TPlayRound::FireLaser(int32_t rowA, int32_t rowB) {
  // Rows taken by the laser earn nothing, count for nothing and downgrade no chip.
  Board.RemoveRow(rowA);
  Board.RemoveRow(rowB);
  DropTimer->SetEnabled(false);
  Mode = TPlayMode::Firing;
  boltClock_.Start();
  OnLaserFired();
}

void TPlayRound::FinishLaser() {
  // No search for complete rows follows: one the refill completes clears at the next drop.
  Board.RefillRemoved();
  Mode = TPlayMode::Holding;
  DropTimer->Restart();
  OnLaserDone();
}
