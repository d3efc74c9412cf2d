#pragma once
// The frame around the game's stages (title, playing, level map, editor): owns the clock, the
// display surface, the sound device and the one-second timer, makes one stage current and drives frames through
// it, pauses and resumes in nests, and holds the player's settings while the game runs (the
// player files load and save them).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/dxs.h"
#include "board/hex_geometry.h"
#include "board/object_stack.h"
#include "display/dsp.h"
#include "frame/clock.h"
#include "frame/events.h"
#include "frame/idle_loop.h"
#include "frame/more_options.h"
#include "frame/settings.h"
#include "players/autosave.h"

class TGmStageList;

enum TMouseKind : uint8_t { MouseMove = 0, MouseDown = 1 };
enum TMouseButton : int32_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

// Kind, Button, X, Y in playing-field coordinates. The stages take no modifier keys.
using TStageMouseEvent = TEvent<uint8_t, int32_t, float, float>;

// The keys the stages take: the four arrows, turning anticlockwise and clockwise, and going on
// (dropping, or whatever a click does where it goes on).
enum TStageKey : uint8_t { KeyLeft, KeyRight, KeyUp, KeyDown, KeyTurnLeft, KeyTurnRight, KeyGoOn };
using TStageKeyEvent = TEvent<uint8_t>;

class TGmStage {
 public:
  // Appends the new stage to the list; resources are made by Init.
  explicit TGmStage(TGmStageList* owner);
  virtual ~TGmStage() = default;
  TGmStage(const TGmStage&) = delete;
  TGmStage& operator=(const TGmStage&) = delete;

  // The class name stages switch to each other by ("TGmStage_Running"): each stage's StageName.
  virtual std::string ClassName() const = 0;

  virtual void Init() = 0;
  virtual void Enter() = 0;
  virtual void Leave() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  // One frame: clock tick, render, frame count. Done is set false so the loop calls again.
  virtual void Idle(bool& done);

  // True while a game is under way (play seconds are counted then).
  virtual bool Playing() const { return false; }
  // True while the stage needs the frames at the full pace for something still to come that no
  // element shows yet (a beat about to fall due); otherwise the frame loop may rest while only
  // slow things change.
  virtual bool WantsFullRate() const { return false; }
  // True for a stage that plays sound effects, which must be heard soon after their cause;
  // elsewhere only music plays and the sound output may run at a calmer pace.
  virtual bool PlaysEffects() const { return false; }

  TGmStageList* Owner;
  TStageMouseEvent OnMouse;
  TStageKeyEvent OnKey;

 protected:
  // For a stage whose click goes on wherever it falls: going on by key is that click.
  void GoOnByKey();
};

class TGmStageList {
 public:
  // window receives finished frames (may be null); source is the clock's time source.
  explicit TGmStageList(TFramePresenter* window, TTimeSource& source = DefaultTimeSource());
  // Frees the stages, then the surface and the clock.
  ~TGmStageList();
  TGmStageList(const TGmStageList&) = delete;
  TGmStageList& operator=(const TGmStageList&) = delete;

  // Where the pointer last was over the playing field, in the stages' coordinates (none until
  // it first moves there): a level that starts puts its held set there, not in the field's corner.
  std::optional<TPointF> Pointer;

  // Stages (owned) in creation order.
  void Add(TGmStage* stage);
  // Destroys every stage.
  void Clear();
  int32_t Count() const { return static_cast<int32_t>(stages_.size()); }
  TGmStage* Stage(int32_t index) const { return stages_[index].get(); }

  void SetCurrentStage(TGmStage* stage);
  TGmStage* FindStage(std::string_view name) const;
  // SetCurrentStage(FindStage(name)); nothing when no stage has that name.
  void SwitchToStage(std::string_view name);
  // The first stage of type T, or null: how the game's own code finds a stage.
  template <class T>
  T* Find() const {
    for (const auto& stage : stages_)
      if (auto* found = dynamic_cast<T*>(stage.get())) return found;
    return nullptr;
  }
  // Switches to the stage that goes by T's name (a stand-in of that name will do, as in tests);
  // nothing when there is none.
  template <class T>
  void SwitchTo() {
    SwitchToStage(T::StageName);
  }
  void Pause();
  void Resume();
  bool IsPaused() const { return PauseDepth > 0; }
  void SetNextHexSet(int32_t index);
  void SecondTick();

  // Puts the music volume, the effect volume (brought into its range: a damaged file must not
  // stop the game) and the turning direction into effect.
  void ApplySettings(const TSettings& settings);
  // The settings in effect; without a sound device the effect volume applied last is kept.
  TSettings Settings() const;

  // The frame loop; a stage is attached while current and unpaused.
  TIdleLoop& IdleLoop() { return *idleLoop_; }

  std::unique_ptr<TTClock> Clock;
  std::unique_ptr<TTTimer> SecondTimer;
  std::unique_ptr<TDSP> DSP;
  // The sound-effect device; absent when no sound output could be opened (effects are silent).
  std::unique_ptr<TDXS> Sound;
  int32_t PauseDepth = 0;
  std::unique_ptr<TObjectStack<TGmStage>> StageStack;
  // Keeps the roster saved during play; it saves between frames only.
  std::unique_ptr<TAutosave> Autosave;
  TGmStage* CurrentStage = nullptr;
  int32_t FrameCount = 0;
  int32_t LastFrameRate = 0;
  TEvent<int32_t> OnFrameRate;
  int32_t NextHexSet = -1;
  TEvent<int32_t> OnNextHexSet;
  uint8_t RotateMode = 1;
  // The "More..." options.
  TMoreOptions More;

 private:
  void AttachIdle(TGmStage* stage);

  std::unique_ptr<TIdleLoop> idleLoop_;
  // The effect volume of the settings, written back as it was when there is no sound device to
  // hold it.
  int32_t storedSoundVolume_ = 0;
  std::vector<std::unique_ptr<TGmStage>> stages_;
};
