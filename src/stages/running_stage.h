#pragma once
// The stage in which a level is played. The player holds a hex set that follows the mouse,
// turns it with the right button and drops it with the left; complete rows clear in chains for
// money while the board flows into the gaps; a countdown drops the set by itself and loses the
// game when no place is left; boxes released by clears blast a colour, drop chip gems or give a
// laser. Clearing the level's rows passes it once the money is paid out.
//
// Modes: Holding (PlayMouse, not Busy), Clearing (PlayMouse, Busy), Aiming (LaserMouse, Busy),
// Firing (PlayMouse, Busy), Lost (GameOverMouse, Busy).
//
// The stage owns every element it makes that does not end by itself. Effects that end by
// themselves and report to the stage (the row flash, the laser bolt) are tracked so that
// leaving the stage or destroying it cancels them without a report.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/dxs.h"
#include "audio/mci_player.h"
#include "board/gm_cells.h"
#include "board/hexa_set.h"
#include "board/stage_param.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "frame/clock.h"
#include "frame/events.h"
#include "stages/stage_list.h"
#include "stages/drop_preview.h"

class TPlayer;

class TGmStage_Running : public TGmStage {
 public:
  explicit TGmStage_Running(TGmStageList* owner);
  ~TGmStage_Running() override;

  // The laser's beam and bolt.
  static constexpr TARGB LaserColor = MakeARGB(255, 220, 220, 255);
  static constexpr uint8_t AimBeamMinAlpha = 200;
  static constexpr TARGB AimBeamHalo = MakeARGB(170, 24, 12, 40);

  static constexpr const char* StageName = "TGmStage_Running";
  std::string ClassName() const override { return StageName; }
  // Sounds that cannot be loaded are raised as one error after everything else is made: the
  // stage can still be played, with those sounds silent.
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override;
  void Resume() override;
  // A trial from the editor is not the player's game: its seconds are not counted.
  bool Playing() const override { return playing_ && !trial_; }
  // From a little before each hurry-up beat until it has passed (running_pace.cpp).
  bool WantsFullRate() const override;

  // Board drawing.
  void ShowCell(uint8_t Code, float X, float Y);
  void RedrawBoard();
  void DrawArrows();

  // Holding, turning, dropping and clearing.
  void NewHexSet();
  void ClearHeldSet();
  void BuildHexSet(int32_t Shape);
  void UpdateOutlines();
  void RotateStep();
  void PlayMouse(uint8_t Kind, TShiftState Shift, int32_t Button, float X, float Y);
  bool CanDrop() const;
  void DropHexSet();
  void StartRowClear(int32_t Row);
  void RowClearDone(int32_t Row);

  // The countdown, the automatic drop and the sparkles.
  void DropProgress(float Fraction);
  void OnDropTimer();
  void AutoDrop();
  // Each cell is tried once per automatic drop, so a flow with a cycle cannot trap the search.
  bool SearchDrop(const TGmPoint& Cell);
  void ShowTimeout(TPointF P);
  void KeepInsideField(TDSPE_Static& Picture) const;
  void Sparkle();

  // Boxes and the laser.
  void SpawnBox(int32_t Row);
  void BoxMoved(TDSPE_Bounce* Box, bool HitEdge);
  void ClearGems();
  void Breakground(int32_t N);
  void StartLaser();
  void LaserMouse(uint8_t Kind, TShiftState Shift, int32_t Button, float X, float Y);
  void FireLaser(float Y);
  void LaserDone();
  void EndLaser();
  void DestroyBoxes();

  // Level set-up, payout and the end of a game.
  void SetupLevel();
  void CoinTick();
  void SetRowsCleared(int32_t N);
  void GameOver();
  void GameOverMouse(uint8_t Kind, TShiftState Shift, int32_t Button, float X, float Y);

  std::unique_ptr<TTTimer> SparkleTimer;
  std::unique_ptr<TTTimer> DropTimer;
  std::unique_ptr<TTTimer> CoinTimer;
  bool HurryArmed = true;
  std::unique_ptr<THexaSet> HexSet;
  std::unique_ptr<THexaSet> Geometry;
  std::vector<std::unique_ptr<TDSPE_Flash>> Outlines;
  std::unique_ptr<TDSPE_Static> LaserGunLeft;
  std::unique_ptr<TDSPE_Static> LaserGunRight;
  std::unique_ptr<TDSPE_Arc> CountdownRing;
  std::unique_ptr<TDSPE_Lightning> AimBeam;
  std::unique_ptr<TDSPE_String> ChainText;
  std::unique_ptr<TDSPE_Static> GameOverPicture;
  std::vector<std::unique_ptr<TDSPE_Static>> CellPictures;

  std::unique_ptr<TDXSElem> SoundRotate, SoundDrop, SoundCannotDrop, SoundClearLine, SoundStart, SoundHurryUp,
      SoundBreakup, SoundLaser, SoundLaserBreakout, SoundBox, SoundBoom, SoundCoin;
  // Absent when its file could not be loaded.
  std::unique_ptr<TMCIPlayer> MusicRunning;
  std::unique_ptr<TMCIPlayer> MusicFailed;

  std::unique_ptr<TGmCells> Board;
  std::unique_ptr<TStageParam> StageParam;
  bool Busy = false;
  bool Paused = false;
  bool LevelPassed = false;
  float MouseX = 0;
  float MouseY = 0;
  int32_t RowsCleared = 0;
  int32_t Chain = 0;
  std::vector<std::unique_ptr<TDSPE_Bounce>> Boxes;
  int32_t PendingMoney = 0;
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

  // The row flash and the laser bolt while they run (they free themselves).
  TDSPE_FlashBmp* RowFlash = nullptr;
  TDSPE_Lightning* LaserBolt = nullptr;

  // ---- The "More..." options (running_options.cpp) ----
  // Brings the gem pictures and the pace in line with the options; called on entering and on
  // every resume, since the options are changed while the game is paused.
  void ApplyMoreOptions();
  // The gem picture of a code in the set the options choose.
  std::string GemPictureFile(uint8_t Code) const;
  bool SymbolsShown() const { return symbolsShown_; }
  bool RelaxedPace() const { return Owner->More.RelaxedPace; }
  // The current player's record: a game begins on the first level after a lost one (or the
  // start), a level played relaxed at any moment counts as a relaxed level.
  void RecordLevelStart();
  void RecordRowCleared();
  void RecordLevelPassed();
  void RecordGameOver();
  // The drop preview: rows, payout and the small ring follow the held set, the board and the
  // countdown. Hidden while the option is off, the set cannot be dropped, or nothing is held.
  void UpdatePreview();
  // Where the held set goes for a pointer at (X, Y): with the preview its gems sit on the cells
  // they would land in.
  TPointF HeldSetOrigin(float X, float Y) const;
  TDropForecast Forecast;
  std::unique_ptr<TDSPE_RowGlow> PreviewRows;
  std::unique_ptr<TDSPE_Caption> PreviewMoney;
  std::unique_ptr<TDSPE_SetRing> PreviewRing;

 private:
  void CreateElements();
  void CreateTimers();
  // A sound that cannot be loaded stays silent so that the stage is still whole; returns the
  // failures, one line each, which Init raises once everything is made.
  std::string CreateSounds();
  // Loads both pieces of music; a piece that cannot be loaded is left out and its error noted.
  void CreateMusic(std::string& errors);
  void ShowHeldSet(bool Visible);
  // The board cell under the sprite of held element Index.
  TGmPoint CellUnderElement(int32_t Index) const;
  // Stops (and so rewinds) the effect first, so it starts again from its beginning.
  static void Restart(TDXSElem& Sound);
  // Ends a row flash or laser bolt still running, without its report.
  void CancelRunningEffects();
  void HideLaser();
  void PayChunk();
  void FinishPassedLevel();
  // Shows the level read by SetupLevel; errors (one line each) are reported after.
  void PresentLevel(const std::string& errors);
  // Reads the trial's files; returns their problems like the file readers do.
  std::string LoadTrialLevel();
  // The player that play reports to: nobody during a trial.
  TPlayer* ReportedPlayer() const;
  bool BoxesAllowed() const;

  bool playing_ = false;
  std::vector<bool> searched_;
  std::unique_ptr<TTrialLevel> trial_;

  // ---- The "More..." options (running_options.cpp) ----
  void LoadCellPictures();
  void ApplyGemPictures();
  // Gives the held set's gems the pictures of the current set, keeping cells and position.
  void RepaintHeldSet();
  void ApplyPace();
  void CreatePreviewElements();
  std::vector<THeldGem> HeldGems() const;
  void PlacePreviewCaption();
  void PlacePreviewRing();
  bool symbolsShown_ = false;
  bool relaxedApplied_ = false;
  bool newGame_ = true;
  bool levelRelaxed_ = false;
  int64_t levelMoney_ = 0;
};
