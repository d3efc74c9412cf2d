#pragma once
// The level in progress kept in the player's round file, so that play goes on after a quit or
// a crash: written aside and renamed like every player file, read back only for the level it
// was played on (same number, same files), set aside when it cannot be used, and deleted when
// the level is passed or lost.

#include <cstdint>
#include <functional>
#include <string>

#include "play/round_file.h"

class TKeptRound {
 public:
  // From now on the round of this level is kept in the file that path names, asked each time
  // (deleting a namesake before the player in the roster renames the player's file); a path of
  // "" keeps nothing.
  void Start(std::function<std::string()> path, int32_t level, uint64_t levelCheck);

  enum class TOutcome { Nothing, Read, SetAside };
  struct TRead {
    TOutcome Outcome = TOutcome::Nothing;
    // With SetAside: what the player is told (why, and where the file went).
    std::string Message;
  };
  // The round kept for this level, into file. A file that cannot be read, or belongs to
  // another level or to the level's earlier files, is renamed out of the way.
  TRead Read(TRoundFile& file);
  // "" or why it could not be written; file's level and check are this level's.
  std::string Write(TRoundFile file) const;
  // The level has ended: its file goes, and nothing more is kept.
  void Drop();

 private:
  std::string SetAside(const std::string& path, const std::string& reason) const;

  std::function<std::string()> path_ = [] { return std::string(); };
  int32_t level_ = 0;
  uint64_t levelCheck_ = 0;
};
