// The running stage's elements, sounds and music, its six stage operations, the pointer, and
// the held set on the field.

#include "stages/running_stage.h"

#include "board/hex_grid.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/stage_music.h"
#include "stages/start_stage.h"

namespace {
constexpr int32_t TurnsPerCircle = 6;
}  // namespace

TGmStage_Running::TGmStage_Running(TGmStageList* owner) : TGmStage(owner) {}

void TGmStage_Running::Init() {
  CreateElements();
  CreateTimersAndEvents();
  // Sounds and music that cannot be loaded are raised as one error after everything else is
  // made: the stage can still be played, with them silent.
  std::string loadErrors = sounds_.Load(Owner->Sound.get());
  musicRunning_ = LoadStageMusic(Asset::MusicRunning, loadErrors);
  musicFailed_ = LoadStageMusic(Asset::MusicFailed, loadErrors);
  OnMouse = [this](uint8_t kind, int32_t button, float x, float y) { Mouse(kind, button, x, y); };
  RaiseLoadErrors(loadErrors);
}

void TGmStage_Running::CreateElements() {
  TDSP* dsp = Owner->DSP.get();
  BoardView = std::make_unique<TBoardView>(dsp);
  HeldView = std::make_unique<THeldSetView>(dsp, Owner->Clock->SecondsToTicks(0.2f));
  CountdownRing = std::make_unique<TDSPE_Arc>(dsp, LayerCountdown, 100);
  CountdownRing->X = CountdownRing->Y = 100;
  CountdownRing->Visible = false;
  Laser = std::make_unique<TLaserView>(dsp);
  RowClear = std::make_unique<TRowClearView>(dsp);
  GameOverPicture.reset(
      TDSPE_Static::CreateMasked(dsp, LayerGameOver, GamePath(Asset::GameOver), GamePath(Asset::GameOverMask), 40, 200));
  GameOverPicture->Visible = false;
  BoardView->LoadPictures(Owner->More.Symbols);
  Preview.Create(dsp);
  CreateContinueText();
}

void TGmStage_Running::Enter() {
  ApplyGemPictures();
  Sound(TPlaySound::Start).Play();
  WithMusic(musicRunning_, &TMCIPlayer::Rewind);
  WithMusic(musicRunning_, &TMCIPlayer::Play);
  SetupLevel();
  Round->BoxesAllowed = BoxesAllowed();
  StartKeepingRound();
  const bool resumed = ResumeKeptRound();
  if (!resumed) {
    Round->Begin();
    record_.LevelStarted();
  }
  // The laser's guns take the held set's place.
  ShowHeldSet(Round->Mode != TPlayMode::Aiming && Round->Mode != TPlayMode::Firing);
  CountdownRing->Visible = true;
  playing_ = true;
  ApplyPace();
  if (resumed) WaitForClick();
}

void TGmStage_Running::Leave() {
  if (waitingForClick_) ContinueAfterClick();
  WithMusic(musicRunning_, &TMCIPlayer::Stop);
  WithMusic(musicFailed_, &TMCIPlayer::Stop);
  playing_ = false;
  Round->Stop();
  CountdownRing->Visible = false;
  GameOverPicture->Visible = false;
  // A clear or shot cut short must not show on, and the laser's looping sound and guns must
  // not outlive it.
  RowClear->Cancel();
  Laser->Hide();
  Sound(TPlaySound::Laser).Stop();
  ShowHeldSet(false);
  trial_.reset();
  OnLeave();
}

void TGmStage_Running::Pause() {
  Round->SetPaused(true);
  for (TMCIPlayer* music : {musicRunning_.get(), musicFailed_.get()})
    if (music && music->Mode() == MusicPlaying) music->Pause();
  for (auto& box : Boxes) box->Pause();
}

void TGmStage_Running::Resume() {
  // Resumed from its file, the level waits for its click even after another pause.
  if (waitingForClick_) {
    Owner->Clock->PauseTimers();
    return;
  }
  Round->SetPaused(false);
  for (TMCIPlayer* music : {musicRunning_.get(), musicFailed_.get()})
    if (music && music->Mode() == MusicPaused) music->Resume();
  for (auto& box : Boxes) box->Resume();
  ApplyMoreOptions();
}

void TGmStage_Running::Idle(bool& done) {
  TGmStage::Idle(done);
  Round->AfterFrame(Owner->Clock->Now);
}

// ---- The pointer ----

void TGmStage_Running::Mouse(uint8_t Kind, int32_t Button, float X, float Y) {
  if (waitingForClick_ && Kind == MouseDown) {
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
    MoveHeldSet(HeldSetOrigin(X, Y));
  } else if (Button == mbLeft) {
    if (!Round->TryDrop()) Restart(TPlaySound::CannotDrop);
  } else if (Button == mbRight) {
    // Five steps one way are one step the other way.
    Round->Turn(Owner->RotateMode != 0 ? 1 : TurnsPerCircle - 1);
    PlaceHeldSet();
    Restart(TPlaySound::Rotate);
  }
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
  if (trial_)
    EndTrial();
  else
    Owner->SwitchTo<TGmStage_Start>();
}

// ---- The board and the held set ----

void TGmStage_Running::RedrawBoard() {
  BoardView->Redraw(Round->Board);
  UpdatePreview();
}

void TGmStage_Running::RebuildHeldSet(bool NewSet) {
  HeldView->Rebuild(Round->Held, NewSet, BoardView->Symbols());
  UpdateOutlines();
}

void TGmStage_Running::PlaceHeldSet() {
  HeldView->Place(Round->Held);
  UpdateOutlines();
}

void TGmStage_Running::MoveHeldSet(TPointF Origin) {
  HeldView->Set.SetOrigin(Origin);
  TGmPoint anchor;
  FieldGeometry().PixelToCell(Origin, anchor.Row, anchor.Col);
  Round->MoveTo(anchor);
  UpdateOutlines();
}

void TGmStage_Running::ShowHeldSet(bool Visible) {
  HeldView->Set.SetVisible(Visible);
  UpdateOutlines();
}

void TGmStage_Running::UpdateOutlines() {
  HeldView->Outline(Round->Held, Round->Board);
  UpdatePreview();
}

TPointF TGmStage_Running::HeldSetOrigin(float X, float Y) const {
  if (!Owner->More.DropPreview) return {X, Y};
  const THexGeometry field = FieldGeometry();
  int32_t row = 0, col = 0;
  field.PixelToCell(X, Y, row, col);
  return field.CellToPixel(row, col);
}

void TGmStage_Running::UpdatePreview() {
  // The stage calls here while it is still being made.
  if (!Preview.Made() || !Round) return;
  const THexaSet& set = HeldView->Set;
  const bool active = Owner->More.DropPreview && playing_ && set.Visible && set.Count() > 0 && !Round->Busy();
  Preview.Update(active, Round->CanDrop(), !RelaxedPace(), Round->Board, Round->Held.Landing(), Round->Chain, set);
}
