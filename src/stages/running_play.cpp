// What the round's events look and sound like: drops, row clears and their chain, the
// countdown with its automatic drop, sparkles, payments and the end of a game.

#include <algorithm>

#include "frame/asset_names.h"
#include "frame/paths.h"
#include "play/level_rules.h"
#include "players/players.h"
#include "stages/clearup_stage.h"
#include "stages/running_stage.h"
#include "stages/stage_music.h"

void TGmStage_Running::CreateTimersAndEvents() {
  TPlayRound& round = *Round;
  round.OnNextShape = [this](int32_t shape) { Owner->SetNextHexSet(shape); };
  round.OnNewSet = [this] { HeldView->Rebuild(true, BoardView->Symbols()); };
  round.OnSetDropped = [this](const std::vector<THeldGem>& gems) {
    Restart(TPlaySound::Drop);
    for (const THeldGem& gem : gems)
      BoardView->ShowCell(gem.Code, FieldGeometry().CellToPixel(gem.Cell.Row, gem.Cell.Col));
  };
  round.OnRowClearing = [this](int32_t row, int32_t multiplier) {
    RowClear->Show(row, multiplier);
    Restart(TPlaySound::ClearLine);
  };
  round.OnRowCleared = [this](int32_t, int32_t payout) { ShowRowCleared(payout); };
  round.OnRowsCleared = [this](int32_t rows) { OnRowsCleared(rows); };
  round.OnCountdown = [this](float fraction) { Countdown(fraction); };
  round.OnTimedOut = [this](std::optional<TGmPoint> at) {
    ShowTimeout(at ? FieldGeometry().CellToPixel(at->Row, at->Col) : HeldView->Set.Origin);
    // The set is held where it was before the search.
    HeldView->Place();
  };
  round.OnSparkle = [this](TGmPoint cell) {
    const TPointF p = FieldGeometry().CellToPixel(cell.Row, cell.Col);
    new TDSPE_Startlight(Owner->DSP.get(), LayerEffects, GamePath(Asset::Starlight), QPointF(p.X, p.Y));
  };
  round.OnPaid = [this](int32_t chunk) {
    if (TPlayer* player = ReportedPlayer()) player->SetMoney(GrownFigure(player->Money(), chunk));
    Restart(TPlaySound::Coin);
  };
  round.OnLevelFinished = [this] { FinishPassedLevel(); };
  round.OnGameLost = [this] { ShowGameOver(); };
  ConnectBoxEvents();
  CreateBoxViews();
}

void TGmStage_Running::ShowRowCleared(int32_t Payout) {
  RowClear->Done();
  record_.RowCleared(Payout, Round->Chain);
  if (TPlayer* player = ReportedPlayer()) player->SetClearCount(GrownFigure(player->ClearCount(), 1));
  RedrawBoard();
}

void TGmStage_Running::Countdown(float Fraction) {
  if (ShowCountdown(Fraction)) Restart(TPlaySound::HurryUp);
}

bool TGmStage_Running::ShowCountdown(float Fraction) {
  if (RelaxedPace()) return false;
  HeldView->Preview.Ring->Remaining = 1 - Fraction;
  return CountdownRing->Follow(Fraction);
}

bool TGmStage_Running::WantsFullRate() const {
  return Round && !RelaxedPace() && TCountdownRing::NearBeat(*Round->DropTimer, Owner->Clock->Frequency);
}

void TGmStage_Running::ShowTimeout(TPointF P) {
  // Ends by itself. A set dropped by the edge would otherwise show only part of its stamp.
  auto* stamp =
      new TDSPE_FlashBmp(Owner->DSP.get(), LayerTimeout, WordedPath(Asset::TimeoutStamp), P.X - 20, P.Y, 0, false, 2);
  const TDSP& field = *Owner->DSP;
  stamp->X = std::clamp(stamp->X, 0.0f, std::max(0.0f, float(field.Width() - stamp->Width())));
  stamp->Y = std::clamp(stamp->Y, 0.0f, std::max(0.0f, float(field.Height() - stamp->Height())));
}

void TGmStage_Running::ShowGameOver() {
  playing_ = false;
  record_.GameLost();
  kept_.Drop();
  Owner->Autosave->Request();
  music_.Lost();
  HeldView->Show(false);
  GameOverPicture->Visible = true;
  CountdownRing->Visible = false;
  BoardView->GreyOut(0.4f);
}

void TGmStage_Running::FinishPassedLevel() {
  if (InTrial()) {
    EndTrial();
    return;
  }
  record_.LevelPassed();
  kept_.Drop();
  if (TPlayer* player = Players.Current()) {
    if (player->Level() > 0 && player->Level() % MapPointCount == 0)
      if (auto* map = Owner->Find<TGmStage_Clearup>())
        map->ShowConstellation = true;
    player->SetLevel(GrownFigure(player->Level(), 1));
    Owner->Autosave->Request();
  }
  Owner->SwitchTo<TGmStage_Clearup>();
}
