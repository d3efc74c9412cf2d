#pragma once
// Keeping the roster file safe across crashes and damage. Every save keeps the file it replaces
// as "<roster>.bak". At start, a roster that cannot be read is moved aside as
// "<roster>.damaged" (never over an earlier one) and the backup is loaded instead when it
// reads; the player is told which copy he got.

#include <string>

class TPlayers;

struct TRosterStart {
  // False when the roster could not be read and could not be moved aside either: saving over
  // it would destroy what may still be recovered, so the session is not saved.
  bool Saveable = true;
  // What the player should be told; empty when the roster read normally.
  std::string Report;
};

// Removes temp files a cut-short save left in the roster's folder, then loads the roster.
TRosterStart LoadRosterAtStart(TPlayers& players, const std::string& path);
// Saves the roster, keeping the replaced file as the backup. Throws EGameError with the reason.
void SaveRoster(const TPlayers& players, const std::string& path);

std::string RosterBackupPath(const std::string& path);
// The first of "<path>.damaged", "<path>.damaged2", ... that does not exist yet.
std::string FreeDamagedPath(const std::string& path);
