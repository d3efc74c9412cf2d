#pragma once
// The rules of a round of play, as values: the board and the level's parameters, the held set
// and the next shape, drops and the chain of row clears with its payout, the countdown and its
// automatic drop, the boxes' outcomes and the laser, the money still to pay and the level's
// progress. The round knows no picture, sound or pointer: the running stage shows it, turns
// the pointer into cells and listens to its events.
//
// Modes: Holding; Clearing (a chain of rows runs); Aiming (the laser waits for its shot);
// Firing (the shot's rows refill when it is done); Lost. Only Holding takes a drop.
//
// Time: the countdown, the sparkles and the payout are timers of the game clock. A row clear
// and the laser's shot take their time from the frames shown (AfterFrame), so the board moves
// on after the frame that shows the row's flash, or the shot, complete.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "frame/bounce_motion.h"
#include "frame/clock.h"
#include "frame/events.h"
#include "play/effect_clocks.h"
#include "play/held_set.h"

struct TRoundState;

enum class TPlayMode : uint8_t { Holding, Clearing, Aiming, Firing, Lost };

// What a Pandora's box does when caught; its number is the level's weight order.
enum class TBoxKind : int32_t { Nothing = -1, ClearGems = 0, Breakground = 1, Laser = 2 };

// A box on the field: where it is (the top-left corner of its picture, in field pixels) and
// where it is going, at BoxSpeed.
struct TBox {
  int32_t Id;
  TBoxKind Kind;
  TBounceMotion Motion;
};

// Pixels a second a box moves on each axis, and how near the pointer catches it.
inline constexpr float BoxSpeed = 80;
inline constexpr float BoxCatchDistance = 50;
// No more boxes than this are out at once.
inline constexpr size_t MaxBoxes = 5;
// Boxes are numbered in the order they come out, up to this (a level lets out far fewer); a
// saved round holds no higher number, so play never counts past what the number can hold.
inline constexpr int32_t MaxBoxNumber = 1'000'000'000;

class TPlayRound {
 public:
  explicit TPlayRound(TTClock& clock);
  TPlayRound(const TPlayRound&) = delete;
  TPlayRound& operator=(const TPlayRound&) = delete;

  // ---- Events, in the order things happen ----
  // The next shape was drawn.
  TEvent<int32_t> OnNextShape;
  // A new set is held (dealt and turned at random).
  TNotifyEvent OnNewSet;
  // The held set's gems were written to the board.
  TEvent<const std::vector<THeldGem>&> OnSetDropped;
  // A complete row was taken off and starts to clear, paying Multiplier hundreds.
  TEvent<int32_t, int32_t> OnRowClearing;
  // The row is done: paid (Payout), counted, the board refilled.
  TEvent<int32_t, int32_t> OnRowCleared;
  // No complete row is left; Row was the chain's last.
  TEvent<int32_t> OnChainEnded;
  // The countdown's automatic drop: where the set was dropped or last tried, or nothing when
  // it was dropped where it is held.
  TEvent<std::optional<TGmPoint>> OnTimedOut;
  // Every frame of a countdown, with the elapsed fraction.
  TEvent<float> OnCountdown;
  TEvent<TGmPoint> OnSparkle;
  // A box came out at the row, moving in a random direction: the field places it (sets its
  // position).
  TEvent<TBox&, int32_t> OnBoxReleased;
  // A box was caught (before its outcome), and boxes all gone at once.
  TEvent<const TBox&> OnBoxCaught;
  TNotifyEvent OnBoxesGone;
  // Outcomes: the cells (and their codes) a colour blast emptied; chips dropped; the laser.
  TEvent<const std::vector<THeldGem>&> OnGemsBlasted;
  TNotifyEvent OnChipsDropped;
  TNotifyEvent OnLaserReady;
  TNotifyEvent OnLaserFired;
  TNotifyEvent OnLaserDone;
  // Money paid from what is pending, one chunk per tick.
  TEvent<int32_t> OnPaid;
  TEvent<int32_t> OnRowsCleared;
  // The rows were reached (at the chain's end), and everything is paid after it.
  TNotifyEvent OnLevelPassed;
  TNotifyEvent OnLevelFinished;
  TNotifyEvent OnGameLost;

  // ---- A level ----
  // Board and Param were loaded: the countdown takes the level's length.
  void LevelLoaded();
  // Starts play on Board and Param as loaded: the countdown of the level, rows from 0, the
  // first set and the next shape drawn, timers on.
  void Begin();
  // Play is left: timers off, boxes gone, a row clear or shot cancelled without its end.
  void Stop();
  void SetPaused(bool value) { Paused = value; }
  // A relaxed pace stops the countdown from dropping; back from it, a full countdown begins.
  void SetRelaxed(bool value);
  // Called after every frame shown, with the clock's reading.
  void AfterFrame(int64_t now);
  void SetRowsCleared(int32_t rows);
  // The round as values (play/round_state.h), and play going on from them on the same level,
  // loaded (instead of Begin): the timers from where they were, a clear or a shot from its
  // start, and the view told the next shape, the held set, the rows and the mode.
  TRoundState State() const;
  void Restore(const TRoundState& state);

  // ---- The held set ----
  void MoveTo(const TGmPoint& anchor) { Held.Anchor = anchor; }
  void Turn(int32_t steps);
  // Off the board or over a gem, for any gem; and nothing drops while busy or paused.
  bool CanDrop() const;
  // Drops if it can; false when it cannot.
  bool TryDrop();
  // The held set's next shape; a fresh set of it, turned at random.
  void DealNewSet();
  // A fresh set of the shape, unturned, where the set is held.
  void Hold(int32_t shape);

  // ---- The countdown and boxes ----
  void AutoDrop();
  void Sparkle();
  // After a chain that did not pass the level: maybe a box comes out at the row.
  void SpawnBox(int32_t row);
  bool CanCatch() const { return Mode == TPlayMode::Holding; }
  void CatchBox(int32_t id);
  // The box of the id, or nothing when it is gone.
  TBox* FindBox(int32_t id);
  // One step of a box's motion within a room of rightmost x lowest; true when a wall turned it.
  bool MoveBox(int32_t id, double seconds, float rightmost, float lowest);
  // Catches the box when the point is near it and a box can be caught; true when caught.
  bool CatchBoxNear(int32_t id, float x, float y);
  void DestroyBoxes();
  void ClearGems();
  void Breakground(int32_t count);
  void StartLaser();
  // The shot takes two rows off (either may lie off the board); they refill when it is done.
  void FireLaser(int32_t rowA, int32_t rowB);
  void CoinTick();
  // No place was found for the held set.
  void Lose();

  bool Busy() const { return Mode != TPlayMode::Holding; }

  TGmCells Board;
  TStageParam Param;
  THeldSet Held;
  int32_t NextShape = 0;
  TPlayMode Mode = TPlayMode::Holding;
  bool Paused = false;
  bool Relaxed = false;
  bool LevelPassed = false;
  // Boxes come from the second level on (and in a trial).
  bool BoxesAllowed = false;
  int32_t RowsCleared = 0;
  int32_t Chain = 0;
  int32_t PendingMoney = 0;
  std::vector<TBox> Boxes;

  std::unique_ptr<TTTimer> DropTimer;
  std::unique_ptr<TTTimer> SparkleTimer;
  std::unique_ptr<TTTimer> CoinTimer;

 private:
  void Drop();
  void TakeShape(int32_t shape);
  void StartRowClear(int32_t row);
  void FinishRowClear();
  void FinishLaser();
  bool SearchDrop(const TGmPoint& cell, std::optional<TGmPoint>& lastTried);

  TTClock& clock_;
  TFadeClock rowClock_;
  TBoltClock boltClock_;
  int32_t clearingRow_ = -1;
  int32_t nextBoxId_ = 0;
  std::vector<bool> searched_;
};
