#pragma once
// The player's files in one place: the settings ("dat/b00"), the roster ("dat/b01", with its
// backup), the "More..." options and the records, and the lock that keeps one running game per
// player folder. Everything the player has goes through here: loaded once at start, saved at
// every autosave and at exit.
//
// One policy for all four files:
// - A file over 1 MB, or one that cannot be read whole, is kept as "<file>.damaged" (numbered,
//   never over an earlier one) before anything is written over it; what could be read of it is
//   used, the roster and the records fall back on their backups, and the player is told once,
//   in the one start-up message.
// - Saves write aside and rename; the roster first (it is worth most), then the records, the
//   settings and the options. During play a file whose content has not changed since it was
//   read or written is not written again; at exit every file is.
// - A save that fails is told once per cause (a folder and the system's reason) and session;
//   the same failure again goes to the error stream only.
//
// The lock is an advisory lock (flock) on "dat/brillor.lock", held open while the game runs, so
// the kernel frees it whenever the game ends, however it ends. Whatever was left at that name
// cannot keep a player out: any regular file will do, a link is removed and anything else is
// kept aside as "<file>.damaged". The process id written into it is only a hint for a second
// start, believed only once that process is seen to be this game holding this very file.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "frame/more_options.h"
#include "frame/settings.h"

class EFileError;
class TPlayers;

// What the files held at start.
struct TPlayerFilesLoad {
  // None when the file held no settings: the game keeps its defaults.
  std::optional<TSettings> Settings;
  TMoreOptions More;
  // The one message about what could not be read and what was done about it; empty when all
  // was read.
  std::string Report;
};

class TPlayerFiles {
 public:
  // The files of the player folder (see paths.h).
  TPlayerFiles();
  ~TPlayerFiles();
  TPlayerFiles(const TPlayerFiles&) = delete;
  TPlayerFiles& operator=(const TPlayerFiles&) = delete;

  enum class TLock { Taken, HeldByAnotherGame, Unavailable };
  // Takes the lock of the player folder for as long as this object lives. HeldByAnotherGame
  // only while a running game holds it; Unavailable when no lock can be made there (a read-only
  // folder with no lock file in it): the game runs without one.
  TLock TakeLock();
  // The process of the game that holds the lock, after HeldByAnotherGame; 0 unless that process
  // is this game (by its program's name), is not this process, and has the lock file open.
  int64_t LockHolder() const { return lockHolder_; }

  // Loads the roster into roster, the records matched to its players, the settings and the
  // options.
  TPlayerFilesLoad Load(TPlayers& roster);
  enum class TSave { Changed, All };
  // Saves every file that changed (at exit, every file). Returns the failures the player should
  // be shown, one line each; repeated causes go to the error stream only.
  std::string Save(const TPlayers& roster, const TSettings& settings, const TMoreOptions& more,
                   TSave which = TSave::Changed);

  static std::string LockPath();

 private:
  std::string LoadRecordsOf(TPlayers& roster);
  std::optional<TSettings> LoadSettings(std::string& report);
  TMoreOptions LoadOptions(std::string& report);
  // Notes what a file holds now, so an unchanged file is not written again.
  void Remember(const std::string& path);
  // Writes bytes unless they are what the file already holds (with the backup WriteFileSafely
  // keeps); a failure is added to shown, or to the error stream when its cause was told before.
  void SaveFile(const std::string& path, const std::string& bytes, const std::string& backup,
                bool (*worthKeeping)(const std::string&), TSave which, std::string& shown);
  // Marks a failure's cause as told; true when it had not been told before.
  bool FirstOfItsCause(const EFileError& error);

  // The lock file, open and locked; -1 while no lock is held.
  int lockFile_ = -1;
  int64_t lockHolder_ = 0;
  // What was done to take the lock that the player is told at start.
  std::string lockReport_;
  // False when the roster could neither be read nor kept aside: the roster and the records are
  // then never written, so what may still be recovered from them stays as it is.
  bool rosterSaveable_ = true;
  bool recordsSaveable_ = true;
  // What each file holds, as last read or written.
  std::map<std::string, std::string> known_;
  std::set<std::string> toldCauses_;
};
