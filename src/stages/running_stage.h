#pragma once
// The stage in which a level is played: the view of a round of play (play/play_round.h). It
// shows the board, the held set under the pointer with its outlines, the countdown ring, the
// row flashes, the boxes and the laser, plays the sounds and music, turns the pointer into the
// round's cells, and reports to the player. Effects that end by themselves (the row flash, the
// laser bolt) are tracked by their parts, so that leaving the stage takes them off the field.

#include <memory>
#include <string>
#include <vector>

#include "display/picture_elements.h"
#include "frame/events.h"
#include "play/play_round.h"
#include "stages/stage_list.h"
#include "stages/board_view.h"
#include "stages/box_views.h"
#include "stages/countdown_ring.h"
#include "stages/held_set_view.h"
#include "stages/kept_round.h"
#include "stages/laser_view.h"
#include "stages/play_controls.h"
#include "stages/played_level.h"
#include "stages/play_layers.h"
#include "stages/play_record.h"
#include "stages/play_sounds.h"
#include "stages/row_clear_view.h"
#include "stages/stage_music.h"

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
  bool Playing() const override { return playing_ && !InTrial(); }
  // From two slow frames before each hurry-up beat until it has passed.
  bool WantsFullRate() const override;
  bool PlaysEffects() const override { return true; }

  TDXSElem& Sound(TPlaySound Which) const { return sounds_[Which]; }
  // Draws the round's board into the background again.
  void RedrawBoard();

  std::unique_ptr<TPlayRound> Round;
  std::unique_ptr<TBoardView> BoardView;
  std::unique_ptr<THeldSetView> HeldView;
  std::unique_ptr<TCountdownRing> CountdownRing;
  std::unique_ptr<TLaserView> Laser;
  std::unique_ptr<TRowClearView> RowClear;
  std::unique_ptr<TDSPE_Static> GameOverPicture;
  // Boxes on the field; each picture's Tag is its box in the round.
  std::unique_ptr<TBoxViews> Boxes;
  // The pointer and the keys; boxes are caught near their hand.
  std::unique_ptr<TPlayControls> Controls;
  TEvent<int32_t> OnRowsCleared;
  TEvent<int32_t> OnPassRows;
  // The stage was left: what shows the level's progress shows it no longer.
  TNotifyEvent OnLeave;
  // Level files missing or damaged, one line each; the level is played with what was read.
  TEvent<const std::string&> OnLevelError;

  // Trial play of the editor's level: a passed or lost trial, EndTrial and leaving end it;
  // the first three go back to the trial's ReturnStage.
  void StartTrial(const TTrialLevel& Level);
  void EndTrial();
  bool InTrial() const { return level_.Trial() != nullptr; }

  // Writes the level in progress to the player's round file (running_resume.cpp); "" or why it
  // could not be written. Nothing is written outside a level of the player's, or once lost.
  std::string KeepRound();
  // A level resumed from its file waits, paused, for a click on the field.
  bool WaitingForClick() const { return ContinueText->Visible; }
  std::unique_ptr<TDSPE_Text> ContinueText;

  // The gem pictures and the pace as the options say (changed while the game is paused).
  void ApplyMoreOptions();

 private:
  void CreateElements();
  void CreateTimersAndEvents();
  void ConnectBoxEvents();
  void CreateBoxViews();
  void Restart(TPlaySound Which) const { sounds_.Restart(Which); }
  void CreateControls();
  // After a lost game: the title, or back from a trial.
  void GoOnAfterLoss();

  void ShowRowCleared(int32_t Payout);
  void ShowTimeout(TPointF P);
  void Countdown(float Fraction);
  // The ring and the preview's ring at the countdown; true as a hurry-up beat strikes.
  bool ShowCountdown(float Fraction);
  void ReleaseBox(TBox& Box, int32_t Row);
  void ShowBlast(const std::vector<THeldGem>& Cells);
  void ShowGameOver();
  void FinishPassedLevel();

  void SetupLevel();
  void PresentLevel(const std::string& errors);
  TPlayer* ReportedPlayer() const { return level_.ReportedPlayer(); }

  // The round file is chosen when a level of the player's is set up; a round read back
  // replaces the new round.
  void CreateContinueText();
  void StartKeepingRound();
  bool ResumeKeptRound();
  void WaitForClick();
  void ContinueAfterClick();

  void ApplyGemPictures();
  void ApplyPace();
  bool RelaxedPace() const { return Owner->More.RelaxedPace; }

  TPlaySounds sounds_;
  TLevelMusic music_;
  bool playing_ = false;
  TPlayedLevel level_;
  TPlayRecordKeeper record_;
  TKeptRound kept_;
};
