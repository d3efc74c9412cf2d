#pragma once
// Saving the roster during play, so a crash, a kill or a power cut loses little. A save is due
// at the moments worth keeping (a level passed, a game lost, another player chosen, a modal
// window opening) and after every 30 seconds of play. Saves happen only between frames, never
// in the middle of a frame's work, and never more than once a second; a moment that comes
// sooner waits for the next frame after that second.

#include <cstdint>
#include <string>

#include "frame/events.h"
#include "frame/time_source.h"

class TPlayer;
class TPlayers;

class TAutosave {
 public:
  // Reads the time from source and watches roster for a change of the current player.
  TAutosave(TTimeSource& source, const TPlayers& roster);

  // Writes the roster; throws on failure. Unassigned, nothing is saved (a roster that could not
  // be read is never written over).
  TNotifyEvent OnSave;
  // Why a save failed. A failure is reported once; the same failure again stays quiet until a
  // save succeeds.
  TEvent<const std::string&> OnError;

  // A moment worth keeping: saved at the next chance.
  void Request();
  // One more second of play.
  void PlaySecond();
  // Between two frames: saves when a save is due and the last one is a second old.
  void FrameDone();
  // Frames stop (a modal window opens): saves now unless the last save is under a second old.
  void SaveBeforeModal();

  static constexpr int32_t PlaySecondsBetweenSaves = 30;

 private:
  bool Due() const;
  bool SecondSinceLastSave() const;
  void Save();

  TTimeSource& source_;
  const TPlayers& roster_;
  const TPlayer* player_ = nullptr;
  bool requested_ = false;
  int32_t playSeconds_ = 0;
  bool saved_ = false;
  int64_t lastSave_ = 0;
  std::string lastError_;
};
