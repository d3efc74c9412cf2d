// The running stage's elements, sounds and music, its six stage operations, the pointer, and
// the held set on the field.

#include "stages/running_stage.h"

#include <algorithm>

#include "board/hex_grid.h"
#include "frame/paths.h"
#include "stages/stage_music.h"

namespace {
constexpr int32_t TurnsPerCircle = 6;
// Half the width of a hexagon of size 18, and how far a row's reference lies above its middle.
constexpr float HalfHexWidth = 15.5884572f;
constexpr float RowReferenceOffset = 10;

const char* const SoundFiles[] = {"wav/rotate.wav", "wav/drop.wav",  "wav/CannotDrop.wav", "wav/clearline.wav",
                                  "wav/luo.wav",    "wav/hurryup.wav", "wav/breakup.wav",  "wav/laser.wav",
                                  "wav/laserbreakout.wav", "wav/PBox.wav", "wav/Boom.wav",  "wav/coin.wav"};
}  // namespace

TGmStage_Running::TGmStage_Running(TGmStageList* owner) : TGmStage(owner) {}

TGmStage_Running::~TGmStage_Running() {
  // The surface outlives the stage: effects still running must not outlive it here.
  CancelRunningEffects();
}

void TGmStage_Running::Init() {
  CreateElements();
  CreateTimersAndEvents();
  std::string loadErrors = CreateSounds();
  musicRunning_ = LoadStageMusic("mp3/Running.mp3", loadErrors);
  musicFailed_ = LoadStageMusic("mp3/failed.mp3", loadErrors);
  OnMouse = [this](uint8_t kind, TShiftState, int32_t button, float x, float y) { Mouse(kind, button, x, y); };
  MouseX = MouseY = 0;
  playing_ = false;
  RaiseLoadErrors(loadErrors);
}

void TGmStage_Running::CreateElements() {
  TDSP* dsp = Owner->DSP.get();
  BoardView = std::make_unique<TBoardView>(dsp);
  HeldView = std::make_unique<THeldSetView>(dsp, Owner->Clock->SecondsToTicks(0.2f));
  CountdownRing = std::make_unique<TDSPE_Arc>(dsp, LayerCountdown, 100);
  CountdownRing->X = CountdownRing->Y = 100;
  CountdownRing->Visible = false;
  LaserGunLeft.reset(TDSPE_Static::CreateKeyed(dsp, LayerEffects, GamePath("bmp/lasergun0.bmp"), 0, 0, 1, 0));
  LaserGunRight.reset(TDSPE_Static::CreateKeyed(dsp, LayerEffects, GamePath("bmp/lasergun1.bmp"),
                                                dsp->Width() - 15, 0, 1, 0));
  LaserGunLeft->Visible = LaserGunRight->Visible = false;
  AimBeam = std::make_unique<TDSPE_Lightning>(dsp, LayerEffects, LaserColor, 15, 0, dsp->Width() - 15, 0, 1, 2, 1, 7,
                                              2, nullptr, false);
  // Seen over every cell: never faint, and edged in dark over light gems and arrows.
  AimBeam->MinAlpha = AimBeamMinAlpha;
  AimBeam->Halo = AimBeamHalo;
  AimBeam->Visible = false;
  ChainText.reset(TDSPE_String::CreateMasked(dsp, LayerChainText, GamePath("bmp/num.bmp"),
                                             GamePath("bmp/nummask.bmp"), 0, 0, 25));
  ChainText->Visible = false;
  GameOverPicture.reset(
      TDSPE_Static::CreateMasked(dsp, LayerGameOver, GamePath("dat/x01"), GamePath("dat/x02"), 40, 200));
  GameOverPicture->Visible = false;
  BoardView->LoadPictures(Owner->More.Symbols);
  Preview.Create(dsp);
}

std::string TGmStage_Running::CreateSounds() {
  std::string errors;
  for (size_t i = 0; i < sounds_.size(); ++i) {
    const std::string path = GamePath(SoundFiles[i]);
    try {
      sounds_[i] = std::make_unique<TDXSElem>(Owner->Sound.get(), path, false);
    } catch (const std::exception& error) {
      NoteLoadError(errors, error, path);
      sounds_[i] = std::make_unique<TDXSElem>(nullptr, path, false);
    }
  }
  Sound(TPlaySound::Laser).SetLoop(true);
  return errors;
}

void TGmStage_Running::Enter() {
  ApplyGemPictures();
  Sound(TPlaySound::Start).Play();
  WithMusic(musicRunning_, &TMCIPlayer::Rewind);
  WithMusic(musicRunning_, &TMCIPlayer::Play);
  SetupLevel();
  Round->BoxesAllowed = BoxesAllowed();
  Round->Begin();
  ShowHeldSet(true);
  CountdownRing->Visible = true;
  playing_ = true;
  record_.LevelStarted();
  ApplyPace();
}

void TGmStage_Running::Leave() {
  WithMusic(musicRunning_, &TMCIPlayer::Stop);
  WithMusic(musicFailed_, &TMCIPlayer::Stop);
  playing_ = false;
  Round->Stop();
  CountdownRing->Visible = false;
  GameOverPicture->Visible = false;
  // A clear or shot cut short must not show on, and the laser's looping sound and guns must
  // not outlive it.
  CancelRunningEffects();
  LaserGunLeft->Visible = LaserGunRight->Visible = AimBeam->Visible = false;
  Sound(TPlaySound::Laser).Stop();
  ChainText->Visible = false;
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

void TGmStage_Running::Restart(TPlaySound Which) {
  Sound(Which).Stop();
  Sound(Which).Play();
}

// ---- The pointer ----

void TGmStage_Running::Mouse(uint8_t Kind, int32_t Button, float X, float Y) {
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
    const float y = std::clamp(Y, 0.0f, static_cast<float>(Owner->DSP->Height()));
    LaserGunLeft->Y = LaserGunRight->Y = y - 15;
    AimBeam->Y = AimBeam->TargetY = y;
  } else if (Button == mbLeft) {
    FireLaser(Y);
  }
}

void TGmStage_Running::FireLaser(float Y) {
  AimBeam->Visible = false;
  // The two rows the beam's band crosses.
  const THexGeometry field = FieldGeometry();
  int32_t rowA = 0, rowB = 0, col = 0;
  field.PixelToCell(0, Y - HalfHexWidth - RowReferenceOffset, rowA, col);
  field.PixelToCell(0, Y + HalfHexWidth - RowReferenceOffset, rowB, col);
  Round->FireLaser(rowA, rowB);
}

void TGmStage_Running::GameOverMouse(uint8_t Kind) {
  if (Kind != MouseDown) return;
  if (trial_)
    EndTrial();
  else
    Owner->SwitchToStage("TGmStage_Start");
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

namespace {
template <typename Effect>
void EndEffect(Effect*& effect) {
  if (!effect) return;
  effect->OnFinish = nullptr;
  delete effect;
  effect = nullptr;
}
}  // namespace

void TGmStage_Running::CancelRunningEffects() {
  EndEffect(rowFlash_);
  EndEffect(laserBolt_);
}
