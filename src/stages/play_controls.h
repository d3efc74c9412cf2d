#pragma once
// The player's hand in a level: the pointer and the keys turned into the round's moves. The
// pointer carries the held set (onto the cells it would land in, with the drop preview), the
// left button drops it and the right turns it; the arrows step it from cell to cell, Z and X
// turn it, Return drops it. While the laser is out they aim and fire it; after a lost game a
// click or Return goes on. A set steered by keys stays where they put it until the pointer
// really moves; so does a set that starts a level with the pointer not over the field.

#include <cstdint>
#include <functional>
#include <optional>

#include "play/key_steps.h"
#include "play/play_round.h"
#include "stages/held_set_view.h"
#include "stages/laser_view.h"
#include "stages/play_sounds.h"

class TPlayControls {
 public:
  // What the controls ask of the stage.
  struct THooks {
    // A resumed level waits for a click (or Return), which Continue answers.
    std::function<bool()> Waiting;
    std::function<void()> Continue;
    // After a lost game: on to what comes next.
    std::function<void()> GoOnAfterLoss;
    // Whether the set is carried onto the cells (the drop preview is on), and whether the
    // right button turns it anticlockwise.
    std::function<bool()> Snapped;
    std::function<bool()> RightTurnsAnticlockwise;
  };

  TPlayControls(TPlayRound& round, THeldSetView& held, TLaserView& laser, const TPlaySounds& sounds, THooks hooks);

  void Mouse(uint8_t kind, int32_t button, float x, float y);
  void Key(uint8_t key);
  // Puts the hand, and the set, over a point of the field (a resumed set where it was held).
  void PlaceHand(TPointF at);
  // A level begun afresh: the set under the pointer where it is known and leads the set, else
  // where a set begun from the keys starts, held there as if keys had put it.
  void StartHand(const std::optional<TPointF>& pointer);
  // The set follows the hand again where it is (after the options changed).
  void FollowHand();

  // Where the hand is: the pointer, or where keys took the set; boxes are caught near it.
  float X = 0;
  float Y = 0;

 private:
  void PlayMouse(uint8_t kind, int32_t button, float x, float y);
  void LaserMouse(uint8_t kind, int32_t button, float y);
  void PlayKey(uint8_t key);
  void LaserKey(uint8_t key);
  void Step(TKeyStep step);
  // The set's anchor to the cell, as keys put it.
  void SteerTo(TGmPoint anchor);
  // Steps of 60 degrees anticlockwise, with the sound of a turn.
  void Turn(int32_t steps);
  void KeyTurn(int32_t steps);

  TPlayRound& round_;
  THeldSetView& held_;
  TLaserView& laser_;
  const TPlaySounds& sounds_;
  THooks hooks_;
  TPointerHold pointerHold_;
};
