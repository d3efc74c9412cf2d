#include "players/roster_store.h"

#include <filesystem>

#include "frame/errors.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "players/players.h"

namespace {
// Loads the players of a file that reads whole; false, with the roster in any state, otherwise.
bool LoadsWhole(TPlayers& players, const std::string& path) {
  const TPlayerFileRead file = ReadPlayerFile(path);
  return file.Outcome == TPlayerFileRead::Read && !file.Bytes.empty() && players.LoadFromBytes(file.Bytes);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string Told(const char* text, std::initializer_list<std::string> values = {}) {
  return Translated("PlayerFiles", text, values);
}

// Writes the roster recovered at start as the roster file at once, so that a game ended right
// after (a kill, a power cut, a quit while the message is open) still finds it. The file
// replaced is damaged or missing and never becomes the backup. Returns what to add to the
// message when it could not be written.
std::string WriteRecovered(const TPlayers& players, const std::string& path, TRosterStart& start) {
  try {
    WriteFileSafely(path, players.SaveToBytes());
    return {};
  } catch (const EFileError& error) {
    start.WriteFailure = error;
    return Told(QT_TRANSLATE_NOOP("PlayerFiles", " They could not be written back yet (%1)."), {error.what()});
  }
}

TRosterStart FromBackupOrEmpty(TPlayers& players, const std::string& path) {
  const std::string backup = RosterBackupPath(path);
  TRosterStart start;
  if (LoadsWhole(players, backup)) {
    start.Report =
        Told(QT_TRANSLATE_NOOP("PlayerFiles", "The player file %1 is missing. Its backup %2 was loaded instead."), {Quoted(path), Quoted(backup)});
    start.Report += WriteRecovered(players, path, start);
    return start;
  }
  players.LoadFromBytes({});
  // A first start: an empty roster file, as the game has always left; a folder that cannot be
  // written says so now rather than at the first save.
  try {
    WriteFileSafely(path, {});
  } catch (const EFileError& error) {
    start.Report = error.what();
    start.WriteFailure = error;
  }
  return start;
}
}  // namespace

std::string RosterBackupPath(const std::string& path) { return path + ".bak"; }

TRosterStart LoadRosterAtStart(TPlayers& players, const std::string& path) {
  RemoveLeftoverTempFiles(std::filesystem::path(path).parent_path().string());
  const TPlayerFileRead file = ReadPlayerFile(path);
  const bool empty = file.Outcome == TPlayerFileRead::Read && file.Bytes.empty();
  if (file.Outcome == TPlayerFileRead::Missing || empty) return FromBackupOrEmpty(players, path);
  // A few bytes are not the empty file a new roster starts as: they cannot even hold the count.
  const bool holdsACount = file.Bytes.size() >= sizeof(int32_t);
  if (file.Outcome == TPlayerFileRead::Read && holdsACount && players.LoadFromBytes(file.Bytes)) return {};
  const std::string problem = file.Outcome == TPlayerFileRead::Read ? Told(QT_TRANSLATE_NOOP("PlayerFiles", "it is cut short")) : file.Reason;
  const std::string told = Told(QT_TRANSLATE_NOOP("PlayerFiles", "The player file %1 could not be read (%2)."), {Quoted(path), problem});
  std::string aside;
  try {
    aside = KeepDamagedCopy(path);
  } catch (const EFileError& error) {
    // Saving over it would destroy what may still be recovered from it.
    players.LoadFromBytes(file.Bytes);
    TRosterStart start;
    start.Saveable = false;
    start.Report = told + Told(QT_TRANSLATE_NOOP("PlayerFiles", " It was left as it is, and this session will not be saved (%1)."), {error.Reason});
    return start;
  }
  TRosterStart start;
  start.Report = told + Told(QT_TRANSLATE_NOOP("PlayerFiles", " It was kept as %1."), {Quoted(aside)});
  const std::string backup = RosterBackupPath(path);
  if (LoadsWhole(players, backup)) {
    start.Report += Told(QT_TRANSLATE_NOOP("PlayerFiles", " The backup %1 of the save before it was loaded instead."), {Quoted(backup)});
  } else {
    // No good backup: the players the damaged copy still holds are better than none.
    players.LoadFromBytes(file.Bytes);
    start.Report += Told(QT_TRANSLATE_NOOP("PlayerFiles", " There is no readable backup; the players that could be read from it were loaded."));
  }
  start.Report += WriteRecovered(players, path, start);
  return start;
}

void SaveRoster(const TPlayers& players, const std::string& path) {
  players.SaveToFile(path, RosterBackupPath(path));
}
