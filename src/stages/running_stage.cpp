// The running stage's elements, sounds and music, and its six stage operations.

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
  CreateControls();
  RaiseLoadErrors(loadErrors);
}

void TGmStage_Running::CreateControls() {
  Controls = std::make_unique<TPlayControls>(
      *Round, *HeldView, *Laser, sounds_,
      TPlayControls::THooks{[this] { return WaitingForClick(); }, [this] { ContinueAfterClick(); },
                            [this] { GoOnAfterLoss(); }, [this] { return Owner->More.DropPreview; },
                            [this] { return Owner->RotateMode != 0; }});
  OnMouse = [this](uint8_t kind, int32_t button, float x, float y) { Controls->Mouse(kind, button, x, y); };
  OnKey = [this](uint8_t key) { Controls->Key(key); };
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
  GameOverPicture.reset(TDSPE_Static::CreateMasked(dsp, LayerGameOver, WordedPath(Asset::GameOver),
                                                   WordedPath(Asset::GameOverMask), 40, 200));
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
    // The set comes in under the pointer, which may not move before the first drop; without
    // it, where the keys can drop it at once.
    Controls->StartHand(Owner->Pointer);
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

void TGmStage_Running::GoOnAfterLoss() {
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

