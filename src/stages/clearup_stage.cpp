#include "stages/clearup_stage.h"

#include "display/line_effects.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "players/players.h"
#include "stages/running_stage.h"
#include "stages/stage_music.h"

namespace {
constexpr float GlowSpeed = 10;
constexpr int32_t GlowParticles = 20;
constexpr int32_t GlowPenWidth = 2;
constexpr int32_t PointFrames = 6;
constexpr float PointFrameSeconds = 0.07f;
constexpr TARGB DigitKey = MakeARGB(255, 200, 0, 0);
constexpr int32_t DigitCellWidth = 12;

const TMapPoint& PointAt(int32_t Point) { return MapPoints[Point - 1]; }
}  // namespace

int32_t MapPointOfLevel(int32_t Level) {
  // A damaged roster may hold a level below 1: it still names a point of the path.
  const int32_t point = Level % MapPointCount;
  return point <= 0 ? point + MapPointCount : point;
}

int32_t TensTextX(int32_t Level) {
  if (Level > 999) return 286;
  if (Level > 99) return 298;
  return 310;
}

TGmStage_Clearup::TGmStage_Clearup(TGmStageList* owner) : TGmStage(owner) {}

TGmStage_Clearup::~TGmStage_Clearup() {
  // Points go before the pictures they were made beside, newest first, as Leave does.
  while (!Points.empty()) Points.pop_back();
}

void TGmStage_Clearup::Init() {
  std::string errors;
  Music = LoadStageMusic(Asset::MusicMap, errors);
  TDSP* dsp = Owner->DSP.get();
  Backdrop = std::make_unique<TDSPE_Static>(dsp, 50, Asset::Lambskin, 0, 0, 1.0f);
  Map.reset(TDSPE_Static::CreateTinted(dsp, 51, WordedPath(Asset::Map), InkColor));
  Constellation.reset(TDSPE_Static::CreateTinted(dsp, 51, WordedPath(Asset::Constellation), InkColor));
  LevelFlag.reset(
      TDSPE_Static::CreateKeyed(dsp, 52, WordedPath(Asset::LevelFlag), 240, 10, 1.0f, MakeARGB(255, 169, 145, 104)));
  TensText = std::make_unique<TDSPE_String>(dsp, 53, Asset::FlagDigits, 310, 47, 1.0f, DigitKey, DigitCellWidth);
  OnesText = std::make_unique<TDSPE_String>(dsp, 53, Asset::FlagDigits, OnesTextX, 38, 1.0f, DigitKey, DigitCellWidth);
  for (TDSPElem* elem : std::initializer_list<TDSPElem*>{Backdrop.get(), Map.get(), Constellation.get(),
                                                          LevelFlag.get(), TensText.get(), OnesText.get()})
    elem->Visible = false;
  Prompt = std::make_unique<TFadingPrompt>(dsp, 224, 470);
  ShowConstellation = false;
  GoOnByKey();
  RaiseLoadErrors(errors);
}

void TGmStage_Clearup::Enter() {
  WithMusic(Music, &TMCIPlayer::Rewind);
  WithMusic(Music, &TMCIPlayer::Play);
  Backdrop->Visible = true;
  const TPlayer* player = Players.Current();
  if (!player) return;
  const int32_t level = player->Level();
  int32_t current = MapPointOfLevel(level);
  TensText->X = static_cast<float>(TensTextX(level));
  if (ShowConstellation) {
    Constellation->Visible = true;
    MarkPassedPoint(MapPointCount);
    SetClickHandler(&TGmStage_Clearup::ConstellationMouse);
    current = MapPointCount;
  } else {
    Map->Visible = true;
    LevelFlag->Visible = true;
    ShowLevelNumber(level);
    ShowCurrentPoint(current);
    SetClickHandler(&TGmStage_Clearup::MapMouse);
  }
  for (int32_t point = 1; point < current; ++point) MarkPassedPoint(point);
  Prompt->Start();
}

void TGmStage_Clearup::Leave() {
  WithMusic(Music, &TMCIPlayer::Stop);
  Backdrop->Visible = false;
  Map->Visible = false;
  Constellation->Visible = false;
  LevelFlag->Visible = false;
  while (!Points.empty()) Points.pop_back();
  TensText->Visible = false;
  OnesText->Visible = false;
  Prompt->Stop();
}

void TGmStage_Clearup::Pause() { WithMusic(Music, &TMCIPlayer::Pause); }

void TGmStage_Clearup::Resume() { WithMusic(Music, &TMCIPlayer::Resume); }

void TGmStage_Clearup::MapMouse(uint8_t Kind, int32_t, float, float) {
  if (Kind == MouseDown) Owner->SwitchTo<TGmStage_Running>();
}

void TGmStage_Clearup::ConstellationMouse(uint8_t Kind, int32_t, float, float) {
  if (Kind != MouseDown) return;
  ShowConstellation = false;
  // Leaving and entering again shows the map of the new round.
  Owner->SetCurrentStage(this);
}

void TGmStage_Clearup::MarkPassedPoint(int32_t Point) {
  const TMapPoint& at = PointAt(Point);
  TDSP* dsp = Owner->DSP.get();
  const char* file = at.Big ? Asset::MapPointBig : Asset::MapPointSmall;
  auto* marker = TDSPE_Static::CreateTinted(dsp, 54, file, InkColor);
  marker->X = static_cast<float>(at.Big ? at.X - 9 : at.X - 6);
  marker->Y = static_cast<float>(at.Big ? at.Y - 10 : at.Y - 6);
  Points.emplace_back(marker);
  const int32_t glowLayer = at.Big ? 53 : 55;
  const float glowY = static_cast<float>(at.Big ? at.Y - 5 : at.Y);
  Points.push_back(std::make_unique<TDSPE_Temp>(dsp, glowLayer, GlowColor, static_cast<float>(at.X), glowY,
                                                GlowSpeed, GlowParticles, GlowPenWidth));
}

void TGmStage_Clearup::ShowLevelNumber(int32_t Level) {
  TensText->Text = std::to_string(Level / 10);
  TensText->Visible = TensText->Text != "0";
  OnesText->Text = std::to_string(Level % 10);
  OnesText->Visible = true;
}

void TGmStage_Clearup::ShowCurrentPoint(int32_t Point) {
  const TMapPoint& at = PointAt(Point);
  auto* blink = TDSPE_Animation::CreateTinted(Owner->DSP.get(), 54, Asset::MapPointBlink, InkColor, PointFrames,
                                              Owner->Clock->SecondsToTicks(PointFrameSeconds));
  blink->X = static_cast<float>(at.X - 8);
  blink->Y = static_cast<float>(at.Y - 7);
  Points.emplace_back(blink);
}

template <typename Handler>
void TGmStage_Clearup::SetClickHandler(Handler handler) {
  OnMouse = [this, handler](uint8_t kind, int32_t button, float x, float y) {
    (this->*handler)(kind, button, x, y);
  };
}
