#pragma once
// The stage in which a level is played: the view of a round of play (play/play_round.h). It
// shows the board, the held set under the pointer with its outlines, the countdown ring, the
// row flashes, the boxes and the laser, plays the sounds and music, turns the pointer into the
// round's cells, and reports to the player. Effects that end by themselves (the row flash, the
// laser bolt) are tracked by their parts, so that leaving the stage takes them off the field.

#include <memory>
#include <string>
#include <vector>

#include "audio/mci_player.h"
#include "display/picture_elements.h"
#include "frame/events.h"
#include "play/hurry_beat.h"
#include "play/play_round.h"
#include "stages/stage_list.h"
#include "stages/board_view.h"
#include "stages/drop_preview.h"
#include "stages/held_set_view.h"
#include "stages/laser_view.h"
#include "stages/play_layers.h"
#include "stages/play_record.h"
#include "stages/play_sounds.h"
#include "stages/row_clear_view.h"

class TPlayer;

class TGmStage_Running : public TGmStage {
 public:
  explicit TGmStage_Running(TGmStageList* owner);

  static constexpr const char* StageName = "TGmStage_Running";
  std::string ClassName() const override { return StageName; }
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override;
  void Resume() override;
  // The frame, then the round's spans that run by the frames shown.
  void Idle(bool& done) override;
  // A trial from the editor is not the player's game: its seconds are not counted.
  bool Playing() const override { return playing_ && !trial_; }
  // From two slow frames before each hurry-up beat until it has passed.
  bool WantsFullRate() const override;

  TDXSElem& Sound(TPlaySound Which) const { return sounds_[Which]; }
  // Draws the round's board into the background again.
  void RedrawBoard();

  std::unique_ptr<TPlayRound> Round;
  std::unique_ptr<TBoardView> BoardView;
  std::unique_ptr<THeldSetView> HeldView;
  std::unique_ptr<TDSPE_Arc> CountdownRing;
  std::unique_ptr<TLaserView> Laser;
  std::unique_ptr<TRowClearView> RowClear;
  std::unique_ptr<TDSPE_Static> GameOverPicture;
  // Boxes on the field; each one's Tag is its box in the round.
  std::vector<std::unique_ptr<TDSPE_Bounce>> Boxes;
  float MouseX = 0;
  float MouseY = 0;
  TEvent<int32_t> OnRowsCleared;
  TEvent<int32_t> OnPassRows;
  // The stage was left: what shows the level's progress shows it no longer.
  TNotifyEvent OnLeave;
  // Level files missing or damaged, one line each; the level is played with what was read.
  TEvent<const std::string&> OnLevelError;

  // Trial play of the editor's level, handed over as the bytes of its two files: nothing is
  // reported to the player and boxes come from the first level on. A passed or lost trial,
  // EndTrial and leaving end it; the first three go back to ReturnStage.
  struct TTrialLevel {
    std::string LevelBytes;
    std::string LayoutBytes;
    std::string ReturnStage;
  };
  void StartTrial(const TTrialLevel& Level);
  void EndTrial();
  bool InTrial() const { return trial_ != nullptr; }

  // Writes the level in progress to the player's round file (running_resume.cpp); "" or why it
  // could not be written. Nothing is written outside a level of the player's, or once lost.
  std::string KeepRound();
  // A level resumed from its file waits, paused, for a click on the field.
  bool WaitingForClick() const { return waitingForClick_; }
  std::unique_ptr<TDSPE_Text> ContinueText;

  // The gem pictures and the pace as the options say (changed while the game is paused).
  void ApplyMoreOptions();
  // Hidden while the option is off, the set cannot be dropped, or nothing is held.
  TDropPreview Preview;

 private:
  void CreateElements();
  void CreateTimersAndEvents();
  void ConnectBoxEvents();
  void Restart(TPlaySound Which) const { sounds_.Restart(Which); }
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

  void ShowRowCleared(int32_t Payout);
  void ShowTimeout(TPointF P);
  void Countdown(float Fraction);
  void ReleaseBox(TBox& Box, int32_t Row);
  // The box's picture on the field, where the round has it.
  void ShowBox(const TBox& Box);
  void BoxMoved(TDSPE_Bounce* Box, bool HitEdge);
  void ShowBlast(const std::vector<THeldGem>& Cells);
  void ShowGameOver();
  void FinishPassedLevel();

  void SetupLevel();
  void PresentLevel(const std::string& errors);
  // The player that play reports to: nobody during a trial.
  TPlayer* ReportedPlayer() const;
  bool BoxesAllowed() const;

  // The round file: its path and the level's check are taken when a level of the player's is
  // set up; a round read back replaces the new round, one that cannot be read is set aside.
  void CreateContinueText();
  void StartKeepingRound();
  bool ResumeKeptRound();
  void SetAsideKeptRound(const std::string& reason);
  void DropKeptRound();
  void WaitForClick();
  void ContinueAfterClick();

  void ApplyGemPictures();
  void ApplyPace();
  bool RelaxedPace() const { return Owner->More.RelaxedPace; }

  TPlaySounds sounds_;
  // Absent when its file could not be loaded.
  std::unique_ptr<TMCIPlayer> musicRunning_;
  std::unique_ptr<TMCIPlayer> musicFailed_;
  THurryBeat hurry_;
  bool playing_ = false;
  std::unique_ptr<TTrialLevel> trial_;
  TPlayRecordKeeper record_;
  std::string roundPath_;
  int32_t roundLevel_ = 0;
  uint64_t levelCheck_ = 0;
  bool waitingForClick_ = false;
};
