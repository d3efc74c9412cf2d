#include "stages/start_stage.h"

#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/clearup_stage.h"
#include "stages/stage_music.h"

TGmStage_Start::TGmStage_Start(TGmStageList* owner) : TGmStage(owner) {}

TGmStage_Start::~TGmStage_Start() = default;

void TGmStage_Start::Init() {
  std::string errors;
  Music = LoadStageMusic(Asset::MusicTitle, errors);
  TDSP* dsp = Owner->DSP.get();
  Backdrop = std::make_unique<TDSPE_Static>(dsp, 98, Asset::Lambskin, 0, 0, 1.0f);
  Backdrop->Visible = false;
  Title.reset(TDSPE_Static::CreateTinted(dsp, 99, WordedPath(Asset::Title), TitleColor));
  Title->Visible = false;
  Prompt = std::make_unique<TFadingPrompt>(dsp, 115, 437);
  OnMouse = [this](uint8_t kind, int32_t button, float x, float y) {
    ClickMouse(kind, button, x, y);
  };
  GoOnByKey();
  RaiseLoadErrors(errors);
}

void TGmStage_Start::Enter() {
  WithMusic(Music, &TMCIPlayer::Rewind);
  WithMusic(Music, &TMCIPlayer::Play);
  Backdrop->Visible = true;
  Title->Visible = true;
  // No next shape is shown beside the title.
  Owner->SetNextHexSet(-1);
  Prompt->Start();
}

void TGmStage_Start::Leave() {
  WithMusic(Music, &TMCIPlayer::Stop);
  Backdrop->Visible = false;
  Title->Visible = false;
  Prompt->Stop();
}

void TGmStage_Start::Pause() { WithMusic(Music, &TMCIPlayer::Pause); }

void TGmStage_Start::Resume() { WithMusic(Music, &TMCIPlayer::Resume); }

void TGmStage_Start::ClickMouse(uint8_t Kind, int32_t, float, float) {
  if (Kind == MouseDown) Owner->SwitchTo<TGmStage_Clearup>();
}
