#pragma once
// Keeping the roster file safe across crashes and damage. Every save keeps the file it replaces
// as "<roster>.bak", when that file read whole and held players. At start, a roster that cannot
// be read is kept as "<roster>.damaged" (never over an earlier one), the backup is loaded
// instead when it reads (else the players the damaged file still holds), and what was loaded
// is written as the roster at once; with no roster at all, a backup that reads is loaded and
// written back the same way. The player is told which copy he got.

#include <optional>
#include <string>

#include "frame/errors.h"

class TPlayers;

struct TRosterStart {
  // False when the roster could not be read and could not be moved aside either: saving over
  // it would destroy what may still be recovered, so the session is not saved.
  bool Saveable = true;
  // What the player should be told; empty when the roster read normally.
  std::string Report;
  // The roster file could not be written at start (it is named in the report).
  std::optional<EFileError> WriteFailure;
};

// Removes temp files a cut-short save left in the roster's folder, then loads the roster.
TRosterStart LoadRosterAtStart(TPlayers& players, const std::string& path);
// Saves the roster, keeping the replaced file as the backup. Throws EGameError with the reason.
void SaveRoster(const TPlayers& players, const std::string& path);

std::string RosterBackupPath(const std::string& path);
