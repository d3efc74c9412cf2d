#include "stages/stage_list.h"

#include <algorithm>
#include <cctype>

#include "audio/audio_device.h"
#include "audio/mci_player.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "players/players.h"

namespace {
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}
}  // namespace

TGmStage::TGmStage(TGmStageList* owner) : Owner(owner) { Owner->Add(this); }

void TGmStage::GoOnByKey() {
  OnKey = [this](uint8_t key) {
    if (key == KeyGoOn) OnMouse(MouseDown, mbLeft, 0, 0);
  };
}

void TGmStage::Idle(bool& done) {
  done = false;
  Owner->Clock->Tick();
  Owner->DSP->Render(Owner->Clock->Now);
  Owner->FrameCount += 1;
}

TGmStageList::TGmStageList(TFramePresenter* window, TTimeSource& source) {
  Clock = std::make_unique<TTClock>(source);
  DSP = std::make_unique<TDSP>(window, 400, 500, 221, 20, GamePath(Asset::FieldBackground), Clock->Frequency);
  try {
    Sound = std::make_unique<TDXS>();
  } catch (const std::exception&) {
    // No sound output: the game runs silent.
  }
  SecondTimer = std::make_unique<TTTimer>(*Clock, true, Clock->Frequency);
  SecondTimer->OnTimer = [this] { SecondTick(); };
  StageStack = std::make_unique<TObjectStack<TGmStage>>();
  Autosave = std::make_unique<TAutosave>(source, Players);
  idleLoop_ = std::make_unique<TIdleLoop>(source);
  DSP->SetSlowFrameRate(SlowFrameRate);
}

TGmStageList::~TGmStageList() {
  idleLoop_->Detach();
  // The stages go first: they own timers registered with the clock and elements on the surface.
  Clear();
  SecondTimer.reset();
  Sound.reset();
  DSP.reset();
  Clock.reset();
  StageStack.reset();
}

void TGmStageList::Add(TGmStage* stage) { stages_.emplace_back(stage); }

void TGmStageList::Clear() {
  CurrentStage = nullptr;
  idleLoop_->Detach();
  // Later stages may refer to earlier ones; free them last-created first.
  while (!stages_.empty()) stages_.pop_back();
}

void TGmStageList::AttachIdle(TGmStage* stage) {
  idleLoop_->Attach([this, stage] {
    bool done = false;
    stage->Idle(done);
    Autosave->FrameDone();
    // While only slow things change, the loop may wake at the slow pace.
    idleLoop_->SetResting(!DSP->FullRate() && !stage->WantsFullRate());
  });
}

void TGmStageList::SetCurrentStage(TGmStage* stage) {
  if (CurrentStage) CurrentStage->Leave();
  if (Sound && Sound->Device) Sound->Device->SetQuickEffects(stage->PlaysEffects());
  stage->Enter();
  CurrentStage = stage;
  AttachIdle(stage);
}

void TGmStageList::SwitchToStage(std::string_view name) {
  if (TGmStage* stage = FindStage(name)) SetCurrentStage(stage);
}

TGmStage* TGmStageList::FindStage(std::string_view name) const {
  for (const auto& stage : stages_)
    if (EqualIgnoringCase(stage->ClassName(), name)) return stage.get();
  return nullptr;
}

void TGmStageList::Pause() {
  if (PauseDepth == 0 && CurrentStage) {
    Clock->PauseTimers();
    StageStack->Push(CurrentStage);
    CurrentStage->Pause();
    idleLoop_->Detach();
  }
  PauseDepth += 1;
}

void TGmStageList::Resume() {
  PauseDepth -= 1;
  if (IsPaused() || !CurrentStage) return;
  Clock->ResumeTimers();
  if (TGmStage* frozen = StageStack->Pop()) frozen->Resume();
  AttachIdle(CurrentStage);
}

void TGmStageList::SetNextHexSet(int32_t index) {
  NextHexSet = index;
  OnNextHexSet(index);
}

void TGmStageList::SecondTick() {
  if (FrameCount != LastFrameRate) OnFrameRate(FrameCount);
  LastFrameRate = FrameCount;
  FrameCount = 0;
  if (CurrentStage && CurrentStage->Playing()) {
    if (TPlayer* player = Players.Current()) player->AddPlaySecond();
    Autosave->PlaySecond();
  }
}

void TGmStageList::ApplySettings(const TSettings& settings) {
  MCIPlayers.SetVolume(settings.MusicVolume);
  storedSoundVolume_ = std::clamp(settings.SoundVolume, DXSVolumeMin, DXSVolumeMax);
  if (Sound) Sound->Elems->SetVolume(storedSoundVolume_);
  RotateMode = settings.RotateMode;
}

TSettings TGmStageList::Settings() const {
  return {MCIPlayers.Volume(), Sound ? Sound->Elems->Volume() : storedSoundVolume_, RotateMode};
}
