#include "players/autosave.h"

#include "players/players.h"

TAutosave::TAutosave(TTimeSource& source, const TPlayers& roster)
    : source_(source), roster_(roster), player_(roster.Current()) {}

void TAutosave::Request() { requested_ = true; }

void TAutosave::PlaySecond() { playSeconds_ += 1; }

void TAutosave::FrameDone() {
  if (Due() && SecondSinceLastSave()) Save();
}

void TAutosave::SaveBeforeModal() {
  Request();
  FrameDone();
}

bool TAutosave::Due() const {
  return requested_ || playSeconds_ >= PlaySecondsBetweenSaves || roster_.Current() != player_;
}

bool TAutosave::SecondSinceLastSave() const {
  return !saved_ || source_.Counter() - lastSave_ >= source_.Frequency();
}

void TAutosave::Save() {
  // Whatever the outcome, the next try waits for the next moment or the next 30 seconds, so a
  // full disk is not hammered every second.
  requested_ = false;
  playSeconds_ = 0;
  player_ = roster_.Current();
  saved_ = true;
  lastSave_ = source_.Counter();
  if (!OnSave) return;
  try {
    OnSave();
    lastError_.clear();
  } catch (const std::exception& error) {
    if (lastError_ == error.what()) return;
    lastError_ = error.what();
    OnError(lastError_);
  }
}
