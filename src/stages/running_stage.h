#pragma once
// The stage in which a level is played: the view of a round of play (play/play_round.h). It
// shows the board, the held set under the pointer with its outlines, the countdown ring, the
// row flashes, the boxes and the laser, plays the sounds and music, turns the pointer into the
// round's cells, and reports to the player.
//
// The stage owns every element it makes that does not end by itself. Effects that end by
// themselves (the row flash, the laser bolt) are tracked so that leaving the stage or
// destroying it takes them off the field.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/dxs.h"
#include "audio/mci_player.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "frame/events.h"
#include "frame/stage_list.h"
#include "play/play_round.h"
#include "stages/board_view.h"
#include "stages/drop_preview.h"
#include "stages/held_set_view.h"
#include "stages/play_layers.h"
#include "stages/play_record.h"

class TPlayer;

// The running stage's sounds, in the order they are loaded.
enum class TPlaySound : uint8_t {
  Rotate, Drop, CannotDrop, ClearLine, Start, HurryUp, Breakup, Laser, LaserBreakout, Box, Boom, Coin, Count
};

class TGmStage_Running : public TGmStage {
 public:
  explicit TGmStage_Running(TGmStageList* owner);
  ~TGmStage_Running() override;

  // The laser's beam and bolt.
  static constexpr TARGB LaserColor = MakeARGB(255, 220, 220, 255);
  static constexpr uint8_t AimBeamMinAlpha = 200;
  static constexpr TARGB AimBeamHalo = MakeARGB(170, 24, 12, 40);

  std::string ClassName() const override { return "TGmStage_Running"; }
  // Sounds that cannot be loaded are raised as one error after everything else is made: the
  // stage can still be played, with those sounds silent.
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override;
  void Resume() override;
  // The frame, then the round's spans that run by the frames shown.
  void Idle(bool& done) override;
  // A trial from the editor is not the player's game: its seconds are not counted.
  bool Playing() const override { return playing_ && !trial_; }

  TDXSElem& Sound(TPlaySound Which) const { return *sounds_[static_cast<size_t>(Which)]; }
  // Draws the round's board into the background again.
  void RedrawBoard();

  std::unique_ptr<TPlayRound> Round;
  std::unique_ptr<TBoardView> BoardView;
  std::unique_ptr<THeldSetView> HeldView;
  std::unique_ptr<TDSPE_Static> LaserGunLeft;
  std::unique_ptr<TDSPE_Static> LaserGunRight;
  std::unique_ptr<TDSPE_Arc> CountdownRing;
  std::unique_ptr<TDSPE_Lightning> AimBeam;
  std::unique_ptr<TDSPE_String> ChainText;
  std::unique_ptr<TDSPE_Static> GameOverPicture;
  // Boxes on the field; each one's Tag is its box in the round.
  std::vector<std::unique_ptr<TDSPE_Bounce>> Boxes;
  float MouseX = 0;
  float MouseY = 0;
  TEvent<int32_t> OnRowsCleared;
  TEvent<int32_t> OnPassRows;
  // The stage was left: what shows the level's progress shows it no longer.
  TNotifyEvent OnLeave;
  // Level files that are missing or damaged, one line each; the level is played with what
  // could be read.
  TEvent<const std::string&> OnLevelError;

  // ---- Trial play from the level editor ----
  // The level is handed over as the bytes of its two files and played without touching the
  // player: no money, cleared rows, level or play time is reported, and boxes come from the
  // first level on. A passed or lost trial, EndTrial and leaving the stage end it; the first
  // three go back to ReturnStage.
  struct TTrialLevel {
    std::string LevelBytes;
    std::string LayoutBytes;
    std::string ReturnStage;
  };
  void StartTrial(const TTrialLevel& Level);
  void EndTrial();
  bool InTrial() const { return trial_ != nullptr; }

  // ---- The "More..." options (running_options.cpp) ----
  // Brings the gem pictures and the pace in line with the options; called on entering and on
  // every resume, since the options are changed while the game is paused.
  void ApplyMoreOptions();
  // The drop preview: rows, payout and the small ring follow the held set, the board and the
  // countdown. Hidden while the option is off, the set cannot be dropped, or nothing is held.
  TDropPreview Preview;

 private:
  void CreateElements();
  void CreateTimersAndEvents();
  void ConnectRowEvents();
  void ConnectBoxEvents();
  // A sound that cannot be loaded stays silent so that the stage is still whole; returns the
  // failures, one line each, which Init raises once everything is made.
  std::string CreateSounds();
  // Stops (and so rewinds) the effect first, so it starts again from its beginning.
  void Restart(TPlaySound Which);
  void Mouse(uint8_t Kind, int32_t Button, float X, float Y);
  void PlayMouse(uint8_t Kind, int32_t Button, float X, float Y);
  void LaserMouse(uint8_t Kind, int32_t Button, float Y);
  void GameOverMouse(uint8_t Kind);

  // The held set on the field: new pictures (a new set also gets new outlines), pictures
  // following the round's gems after a turn, or the pointer; outlines and preview after each.
  void RebuildHeldSet(bool NewSet);
  void PlaceHeldSet();
  void MoveHeldSet(TPointF Origin);
  void ShowHeldSet(bool Visible);
  void UpdateOutlines();
  // Where the held set goes for a pointer at (X, Y): with the preview its gems sit on the
  // cells they would land in.
  TPointF HeldSetOrigin(float X, float Y) const;
  void UpdatePreview();

  // Events of the round.
  void ShowRowClearing(int32_t Row, int32_t Multiplier);
  void ShowRowCleared(int32_t Payout);
  void ShowTimeout(TPointF P);
  void Countdown(float Fraction);
  void ReleaseBox(const TBox& Box, int32_t Row);
  void BoxMoved(TDSPE_Bounce* Box, bool HitEdge);
  void ShowBlast(const std::vector<THeldGem>& Cells);
  void FireLaser(float Y);
  void ShowGameOver();
  // Ends a row flash or laser bolt still running.
  void CancelRunningEffects();
  void FinishPassedLevel();

  // The level (running_level.cpp): read from the player's files or the trial's bytes.
  void SetupLevel();
  void PresentLevel(const std::string& errors);
  std::string LoadTrialLevel();
  // The player that play reports to: nobody during a trial.
  TPlayer* ReportedPlayer() const;
  bool BoxesAllowed() const;

  // The options (running_options.cpp).
  void ApplyGemPictures();
  void ApplyPace();
  bool RelaxedPace() const { return Owner->More.RelaxedPace; }

  std::array<std::unique_ptr<TDXSElem>, static_cast<size_t>(TPlaySound::Count)> sounds_;
  // Absent when its file could not be loaded.
  std::unique_ptr<TMCIPlayer> musicRunning_;
  std::unique_ptr<TMCIPlayer> musicFailed_;
  // The row flash and the laser bolt while they run (they free themselves).
  TDSPE_FlashBmp* rowFlash_ = nullptr;
  TDSPE_Lightning* laserBolt_ = nullptr;
  bool hurryArmed_ = true;
  bool playing_ = false;
  std::unique_ptr<TTrialLevel> trial_;
  TPlayRecordKeeper record_;
};
