// The level in progress kept in the player's round file (stages/kept_round.h): taken up when
// the stage is entered for the same level, which then waits, paused, for a click.

#include "frame/paths.h"
#include "frame/translated.h"
#include "players/player_records.h"
#include "players/players.h"
#include "stages/centred_words.h"
#include "stages/running_stage.h"

void TGmStage_Running::CreateContinueText() {
  const QString text =
      QString::fromStdString(Translated("RunningStage", QT_TRANSLATE_NOOP("RunningStage", "Click to continue")));
  ContinueText = CentredWords(Owner->DSP.get(), LayerContinue, text, 36);
  ContinueText->Visible = false;
}

void TGmStage_Running::StartKeepingRound() {
  const TPlayer* player = ReportedPlayer();
  const auto path = [this] {
    const TPlayer* now = ReportedPlayer();
    return now ? PlayerPath(RoundFileName(Players, *now)) : std::string();
  };
  kept_.Start(path, player ? player->Level() : 0, LevelCheck(Round->Board, Round->Param));
}

bool TGmStage_Running::ResumeKeptRound() {
  TRoundFile file;
  const TKeptRound::TRead read = kept_.Read(file);
  if (read.Outcome == TKeptRound::TOutcome::SetAside) OnLevelError(read.Message);
  if (read.Outcome != TKeptRound::TOutcome::Read) return false;
  Round->Restore(file.Round);
  // The set is shown where it was held until the pointer moves.
  Controls->PlaceHand(FieldGeometry().CellToPixel(Round->Held.Anchor.Row, Round->Held.Anchor.Col));
  record_.LevelResumed(file.LevelMoney, file.PlayedRelaxed);
  for (const TBox& box : Round->Boxes) Boxes->Show(box);
  // The rings show the countdown where it stood while the clock waits for the click; no beat
  // sounds for it.
  ShowCountdown(Round->DropTimer->Fraction);
  RedrawBoard();
  return true;
}

std::string TGmStage_Running::KeepRound() {
  if (!playing_ || Round->Mode == TPlayMode::Lost) return {};
  TRoundFile file;
  file.LevelMoney = record_.LevelMoney();
  file.PlayedRelaxed = record_.LevelRelaxed();
  file.Round = Round->State();
  return kept_.Write(file);
}

void TGmStage_Running::WaitForClick() {
  ContinueText->Visible = true;
  Owner->Clock->PauseTimers();
  Pause();
}

void TGmStage_Running::ContinueAfterClick() {
  ContinueText->Visible = false;
  Owner->Clock->ResumeTimers();
  Resume();
}
