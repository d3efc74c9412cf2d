// The running stage's elements, sounds and music, its six stage operations, and the pointer.

#include "stages/running_stage.h"

#include "board/hex_grid.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/stage_music.h"
#include "stages/start_stage.h"

TGmStage_Running::TGmStage_Running(TGmStageList* owner) : TGmStage(owner) {}

void TGmStage_Running::Init() {
  Round = std::make_unique<TPlayRound>(*Owner->Clock);
  CreateElements();
  CreateTimersAndEvents();
  // Sounds and music that cannot be loaded are raised as one error after everything else is
  // made: the stage can still be played, with them silent.
  std::string loadErrors = sounds_.Load(Owner->Sound.get());
  music_.Load(Asset::MusicRunning, Asset::MusicFailed, loadErrors);
  OnMouse = [this](uint8_t kind, int32_t button, float x, float y) { Mouse(kind, button, x, y); };
  OnKey = [this](uint8_t key) { Key(key); };
  RaiseLoadErrors(loadErrors);
}

void TGmStage_Running::CreateElements() {
  TDSP* dsp = Owner->DSP.get();
  BoardView = std::make_unique<TBoardView>(dsp);
  HeldView = std::make_unique<THeldSetView>(dsp, Owner->Clock->SecondsToTicks(0.2f), *Round);
  HeldView->PreviewWanted = [this] { return Owner->More.DropPreview && playing_; };
  HeldView->RingWanted = [this] { return !RelaxedPace(); };
  CountdownRing = std::make_unique<TCountdownRing>(dsp);
  Laser = std::make_unique<TLaserView>(dsp);
  RowClear = std::make_unique<TRowClearView>(dsp);
  GameOverPicture.reset(
      TDSPE_Static::CreateMasked(dsp, LayerGameOver, GamePath(Asset::GameOver), GamePath(Asset::GameOverMask), 40, 200));
  GameOverPicture->Visible = false;
  BoardView->LoadPictures(Owner->More.Symbols);
  CreateContinueText();
}

void TGmStage_Running::Enter() {
  ApplyGemPictures();
  Sound(TPlaySound::Start).Play();
  music_.Start();
  SetupLevel();
  Round->BoxesAllowed = level_.BoxesAllowed();
  StartKeepingRound();
  const bool resumed = ResumeKeptRound();
  if (!resumed) {
    Round->Begin();
    record_.LevelStarted();
  }
  // The laser's guns take the held set's place.
  HeldView->Show(Round->Mode != TPlayMode::Aiming && Round->Mode != TPlayMode::Firing);
  CountdownRing->Visible = true;
  playing_ = true;
  ApplyPace();
  if (resumed) WaitForClick();
}

void TGmStage_Running::Leave() {
  if (WaitingForClick()) ContinueAfterClick();
  music_.Stop();
  playing_ = false;
  Round->Stop();
  CountdownRing->Visible = false;
  GameOverPicture->Visible = false;
  // A clear or shot cut short must not show on, and the laser's looping sound and guns must
  // not outlive it.
  RowClear->Cancel();
  Laser->Hide();
  Sound(TPlaySound::Laser).Stop();
  HeldView->Show(false);
  level_.EndTrial();
  OnLeave();
}

void TGmStage_Running::Pause() {
  Round->SetPaused(true);
  music_.Pause();
  Boxes->SetPaused(true);
}

void TGmStage_Running::Resume() {
  // Resumed from its file, the level waits for its click even after another pause.
  if (WaitingForClick()) {
    Owner->Clock->PauseTimers();
    return;
  }
  Round->SetPaused(false);
  music_.Resume();
  Boxes->SetPaused(false);
  ApplyMoreOptions();
}

void TGmStage_Running::Idle(bool& done) {
  TGmStage::Idle(done);
  Round->AfterFrame(Owner->Clock->Now);
}

// ---- The pointer ----

void TGmStage_Running::Mouse(uint8_t Kind, int32_t Button, float X, float Y) {
  if (Kind == MouseMove && !pointerHold_.Follows({X, Y})) return;
  if (WaitingForClick() && Kind == MouseDown) {
    ContinueAfterClick();
    return;
  }
  switch (Round->Mode) {
    case TPlayMode::Aiming: LaserMouse(Kind, Button, Y); break;
    case TPlayMode::Lost: GameOverMouse(Kind); break;
    default: PlayMouse(Kind, Button, X, Y); break;
  }
}

void TGmStage_Running::PlayMouse(uint8_t Kind, int32_t Button, float X, float Y) {
  if (Kind == MouseMove) {
    MouseX = X;
    MouseY = Y;
    HeldView->MoveTo(THeldSetView::OriginFor(X, Y, Owner->More.DropPreview));
  } else if (Button == mbLeft) {
    if (!Round->TryDrop()) Restart(TPlaySound::CannotDrop);
  } else if (Button == mbRight) {
    // Five steps one way are one step the other way.
    TurnHeldSet(Owner->RotateMode != 0 ? 1 : TurnsPerCircle - 1);
  }
}

void TGmStage_Running::TurnHeldSet(int32_t Steps) {
  Round->Turn(Steps);
  HeldView->Place();
  Restart(TPlaySound::Rotate);
}

void TGmStage_Running::LaserMouse(uint8_t Kind, int32_t Button, float Y) {
  if (Kind == MouseMove) {
    Laser->Aim(Y);
  } else if (Button == mbLeft) {
    const auto [rowA, rowB] = TLaserView::RowsAt(Y);
    Round->FireLaser(rowA, rowB);
  }
}

void TGmStage_Running::GameOverMouse(uint8_t Kind) {
  if (Kind != MouseDown) return;
  if (InTrial())
    EndTrial();
  else
    Owner->SwitchTo<TGmStage_Start>();
}

// ---- The board ----

void TGmStage_Running::RedrawBoard() {
  BoardView->Redraw(Round->Board);
  HeldView->UpdatePreview();
}

