// The "More..." options as the running stage plays them (the gem picture set with symbols, the
// relaxed pace, the drop preview) and the player's record of play.

#include <algorithm>

#include "board/cell_codes.h"
#include "frame/saturating.h"
#include "players/players.h"
#include "stages/gem_stamps.h"
#include "stages/running_stage.h"

void TGmStage_Running::ApplyMoreOptions() {
  const bool changed = Owner->More.Symbols != symbolsShown_;
  ApplyGemPictures();
  // A lost game keeps its greyed board until the next level is entered.
  if (changed && playing_) {
    RedrawBoard();
    RebuildHeldSet(false);
  }
  ApplyPace();
  // Turned on or off in a pause, the preview places the set at once, not at the next move.
  if (playing_ && !Round->Busy()) HexSet->SetOrigin(HeldSetOrigin(MouseX, MouseY));
  MoveHeldSet(HexSet->Origin);
}

std::string TGmStage_Running::GemPictureFile(uint8_t Code) const { return ::GemPictureFile(Code, symbolsShown_); }

void TGmStage_Running::ApplyGemPictures() {
  if (Owner->More.Symbols == symbolsShown_) return;
  symbolsShown_ = Owner->More.Symbols;
  LoadCellPictures();
}

void TGmStage_Running::LoadCellPictures() {
  TDSP* dsp = Owner->DSP.get();
  cellPictures_.clear();
  for (uint8_t code : GemStampCodes) {
    cellPictures_.emplace_back(
        TDSPE_Static::CreateMasked(dsp, LayerCells, GemPictureFile(code), HexagonMaskFile(code), 0, 0));
    cellPictures_.back()->Visible = false;
  }
}

void TGmStage_Running::ApplyPace() {
  const bool relaxed = RelaxedPace();
  Round->SetRelaxed(relaxed);
  levelRelaxed_ = levelRelaxed_ || (relaxed && playing_);
  CountdownRing->Visible = playing_ && !relaxed;
  // The small ring of the preview follows the pace too.
  UpdatePreview();
}

void TGmStage_Running::RecordLevelStart() {
  levelMoney_ = 0;
  levelRelaxed_ = false;
  if (!newGame_) return;
  newGame_ = false;
  if (TPlayer* player = Players.Current()) CountOne(player->Record.GamesPlayed);
}

void TGmStage_Running::RecordRowCleared(int32_t Payout) {
  levelMoney_ = SaturatingAdd<int64_t>(levelMoney_, Payout);
  TPlayer* player = Players.Current();
  if (!player) return;
  TPlayerRecord& record = player->Record;
  CountOne(record.RowsCleared);
  // The round has just counted this row in its chain.
  record.LongestChain = std::max<int64_t>(record.LongestChain, Round->Chain);
  record.BestLevelMoney = std::max(record.BestLevelMoney, levelMoney_);
}

void TGmStage_Running::RecordLevelPassed() {
  if (TPlayer* player = Players.Current())
    CountOne(levelRelaxed_ ? player->Record.RelaxedLevelsPassed : player->Record.LevelsPassed);
}
