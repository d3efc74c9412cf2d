#include "stages/running_stage.h"

#include "board/cell_codes.h"
#include "board/hex_grid.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "players/players.h"
#include "stages/gem_stamps.h"
#include "stages/hex_shapes.h"
#include "stages/stage_music.h"
#include "stages/start_stage.h"

namespace {
constexpr int32_t HexagonSize = 18;
const TPointF BoardOrigin{4, 0};
}  // namespace

TGmStage_Running::TGmStage_Running(TGmStageList* owner) : TGmStage(owner) {}

TGmStage_Running::~TGmStage_Running() {
  // The surface outlives the stage: effects still running must not report to it afterwards.
  CancelRunningEffects();
}

void TGmStage_Running::Init() {
  CreateElements();
  CreateTimers();
  std::string loadErrors = CreateSounds();
  CreateMusic(loadErrors);
  Busy = false;
  HurryArmed = true;
  Paused = false;
  Board = std::make_unique<TGmCells>();
  StageParam = std::make_unique<TStageParam>();
  MouseX = MouseY = 0;
  PendingMoney = 0;
  LevelPassed = false;
  playing_ = false;
  RaiseLoadErrors(loadErrors);
}

void TGmStage_Running::CreateElements() {
  TDSP* dsp = Owner->DSP.get();
  Geometry = std::make_unique<THexaSet>(HexagonSize, BoardOrigin);
  HexSet = std::make_unique<THexaSet>(HexagonSize, BoardOrigin);
  CountdownRing = std::make_unique<TDSPE_Arc>(dsp, 3, 100);
  CountdownRing->X = CountdownRing->Y = 100;
  CountdownRing->Visible = false;
  LaserGunLeft.reset(TDSPE_Static::CreateKeyed(dsp, 5, GamePath("bmp/lasergun0.bmp"), 0, 0, 1, 0));
  LaserGunRight.reset(
      TDSPE_Static::CreateKeyed(dsp, 5, GamePath("bmp/lasergun1.bmp"), dsp->Width() - 15, 0, 1, 0));
  LaserGunLeft->Visible = LaserGunRight->Visible = false;
  AimBeam = std::make_unique<TDSPE_Lightning>(dsp, 5, LaserColor, 15, 0, dsp->Width() - 15, 0, 1, 2, 1, 7, 2,
                                              nullptr, false);
  // Seen over every cell: never faint, and edged in dark over light gems and arrows.
  AimBeam->MinAlpha = AimBeamMinAlpha;
  AimBeam->Halo = AimBeamHalo;
  AimBeam->Visible = false;
  ChainText.reset(TDSPE_String::CreateMasked(dsp, 11, GamePath("bmp/num.bmp"), GamePath("bmp/nummask.bmp"), 0,
                                             0, 25));
  ChainText->Visible = false;
  GameOverPicture.reset(TDSPE_Static::CreateMasked(dsp, 12, GamePath("dat/x01"), GamePath("dat/x02"), 40, 200));
  GameOverPicture->Visible = false;
  LoadCellPictures();
  CreatePreviewElements();
}

void TGmStage_Running::LoadCellPictures() {
  TDSP* dsp = Owner->DSP.get();
  CellPictures.clear();
  for (uint8_t code : GemStampCodes) {
    CellPictures.emplace_back(
        TDSPE_Static::CreateMasked(dsp, 0, GemPictureFile(code), HexagonMaskFile(code), 0, 0));
    CellPictures.back()->Visible = false;
  }
}

void TGmStage_Running::CreateTimers() {
  TTClock& clock = *Owner->Clock;
  DropTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(5));
  DropTimer->OnTimer = [this] { OnDropTimer(); };
  DropTimer->OnProgress = [this](float fraction) { DropProgress(fraction); };
  SparkleTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(5));
  SparkleTimer->OnTimer = [this] { Sparkle(); };
  CoinTimer = std::make_unique<TTTimer>(clock, false, clock.SecondsToTicks(0.1f));
  CoinTimer->OnTimer = [this] { CoinTick(); };
}

std::string TGmStage_Running::CreateSounds() {
  TDXS* dxs = Owner->Sound.get();
  std::string errors;
  auto load = [dxs, &errors](const char* file) {
    const std::string path = GamePath(file);
    try {
      return std::make_unique<TDXSElem>(dxs, path, false);
    } catch (const std::exception& error) {
      NoteLoadError(errors, error, path);
      return std::make_unique<TDXSElem>(nullptr, path, false);
    }
  };
  SoundRotate = load("wav/rotate.wav");
  SoundDrop = load("wav/drop.wav");
  SoundCannotDrop = load("wav/CannotDrop.wav");
  SoundClearLine = load("wav/clearline.wav");
  SoundStart = load("wav/luo.wav");
  SoundHurryUp = load("wav/hurryup.wav");
  SoundBreakup = load("wav/breakup.wav");
  SoundLaser = load("wav/laser.wav");
  SoundLaser->SetLoop(true);
  SoundLaserBreakout = load("wav/laserbreakout.wav");
  SoundBox = load("wav/PBox.wav");
  SoundBoom = load("wav/Boom.wav");
  SoundCoin = load("wav/coin.wav");
  return errors;
}

void TGmStage_Running::CreateMusic(std::string& errors) {
  MusicRunning = LoadStageMusic("mp3/Running.mp3", errors);
  MusicFailed = LoadStageMusic("mp3/failed.mp3", errors);
}

void TGmStage_Running::Enter() {
  ApplyGemPictures();
  SoundStart->Play();
  WithMusic(MusicRunning, &TMCIPlayer::Rewind);
  WithMusic(MusicRunning, &TMCIPlayer::Play);
  SetupLevel();
  Owner->SetNextHexSet(Random(DealtShapeCount));
  NewHexSet();
  OnMouse = [this](uint8_t kind, TShiftState shift, int32_t button, float x, float y) {
    PlayMouse(kind, shift, button, x, y);
  };
  ShowHeldSet(true);
  DropTimer->SetEnabled(true);
  SparkleTimer->SetEnabled(true);
  CoinTimer->SetEnabled(true);
  CountdownRing->Visible = true;
  SetRowsCleared(0);
  Chain = 0;
  Busy = false;
  LevelPassed = false;
  playing_ = true;
  RecordLevelStart();
  ApplyPace();
}

void TGmStage_Running::Leave() {
  WithMusic(MusicRunning, &TMCIPlayer::Stop);
  WithMusic(MusicFailed, &TMCIPlayer::Stop);
  playing_ = false;
  DropTimer->SetEnabled(false);
  SparkleTimer->SetEnabled(false);
  CoinTimer->SetEnabled(false);
  CountdownRing->Visible = false;
  GameOverPicture->Visible = false;
  DestroyBoxes();
  // A clear or laser cut short must not finish on a stage that is no longer played, and the
  // laser's looping sound and guns must not outlive it.
  CancelRunningEffects();
  HideLaser();
  ChainText->Visible = false;
  ShowHeldSet(false);
  trial_.reset();
  OnLeave();
}

void TGmStage_Running::Pause() {
  Paused = true;
  for (TMCIPlayer* music : {MusicRunning.get(), MusicFailed.get()})
    if (music && music->Mode() == MusicPlaying) music->Pause();
  for (auto& box : Boxes) box->Pause();
}

void TGmStage_Running::Resume() {
  Paused = false;
  for (TMCIPlayer* music : {MusicRunning.get(), MusicFailed.get()})
    if (music && music->Mode() == MusicPaused) music->Resume();
  for (auto& box : Boxes) box->Resume();
  ApplyMoreOptions();
}

void TGmStage_Running::ShowCell(uint8_t Code, float X, float Y) {
  TDSPE_Static* picture = CellPictures[GemStampIndex(Code)].get();
  picture->X = X;
  picture->Y = Y;
  picture->Visible = true;
  Owner->DSP->DrawElemOnBackground(picture);
  picture->Visible = false;
}

void TGmStage_Running::RedrawBoard() {
  Owner->DSP->BlendSavedBackground(1);
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board->GetCell(row, col);
      if (code == CellEmpty) continue;
      const TPointF p = Geometry->CellToPixel(row, col);
      ShowCell(code, p.X, p.Y);
    }
  UpdatePreview();
}

void TGmStage_Running::DrawArrows() {
  TDSP& dsp = *Owner->DSP;
  auto stamp = [&](const std::string& file, const TGmPoint& at) {
    const TPointF p = Geometry->CellToPixel(at.Row, at.Col);
    dsp.DrawMaskedOnBackground(file, file, QRectF(p.X + 9, p.Y + 9, 24, 24));
  };
  const TMoveMatrix& flow = Board->MoveMatrix;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col)
      for (int32_t k = 0; k < flow.SourceCount(row, col); ++k) {
        const TGmPoint source = flow.SourceAt(row, col, k);
        const std::string arrow = ArrowFile(source, MakeGmPoint(row, col));
        if (!arrow.empty()) stamp(arrow, source);
      }
  const std::string endMarker = GamePath("dat/c08");
  for (const TGmPoint& end : flow.EndCells()) stamp(endMarker, end);
}

void TGmStage_Running::GameOver() {
  playing_ = false;
  RecordGameOver();
  Owner->Autosave->Request();
  WithMusic(MusicRunning, &TMCIPlayer::Stop);
  WithMusic(MusicFailed, &TMCIPlayer::Rewind);
  WithMusic(MusicFailed, &TMCIPlayer::Play);
  Busy = true;
  DestroyBoxes();
  DropTimer->SetEnabled(false);
  SparkleTimer->SetEnabled(false);
  ShowHeldSet(false);
  OnMouse = [this](uint8_t kind, TShiftState shift, int32_t button, float x, float y) {
    GameOverMouse(kind, shift, button, x, y);
  };
  GameOverPicture->Visible = true;
  CountdownRing->Visible = false;
  TDSP& dsp = *Owner->DSP;
  dsp.SaveBackground();
  dsp.GrayBackground();
  dsp.BlendSavedBackground(0.4f);
}

void TGmStage_Running::GameOverMouse(uint8_t Kind, TShiftState, int32_t, float, float) {
  if (Kind != MouseDown) return;
  if (trial_)
    EndTrial();
  else
    Owner->SwitchTo<TGmStage_Start>();
}

void TGmStage_Running::SetRowsCleared(int32_t N) {
  RowsCleared = N;
  OnRowsCleared(N);
}

void TGmStage_Running::ShowHeldSet(bool Visible) {
  HexSet->SetVisible(Visible);
  UpdateOutlines();
}

void TGmStage_Running::Restart(TDXSElem& Sound) {
  Sound.Stop();
  Sound.Play();
}

void TGmStage_Running::CancelRunningEffects() {
  if (RowFlash) {
    RowFlash->OnFinish = nullptr;
    delete RowFlash;
    RowFlash = nullptr;
  }
  if (LaserBolt) {
    LaserBolt->OnFinish = nullptr;
    delete LaserBolt;
    LaserBolt = nullptr;
  }
}
