#include "players/player_files.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <iostream>

#include <QString>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "players/player_records.h"
#include "players/players.h"
#include "players/roster_store.h"

namespace {
std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string Told(const char* text, std::initializer_list<std::string> values = {}) {
  return Translated("PlayerFiles", text, values);
}

// Keeps a damaged file aside and says where, for the message.
std::string KeptAside(const std::string& path, bool& kept) {
  try {
    const std::string aside = KeepDamagedCopy(path);
    kept = true;
    return Told(QT_TRANSLATE_NOOP("PlayerFiles", "It was kept as %1."), {Quoted(aside)});
  } catch (const EFileError& error) {
    kept = false;
    return Told(QT_TRANSLATE_NOOP("PlayerFiles", "It could not be kept aside (%1), and it will not be written over."), {error.Reason});
  }
}

std::string KeptAside(const std::string& path) {
  bool kept = false;
  return KeptAside(path, kept);
}

std::string RecordsBackupPath(const std::string& path) { return path + ".bak"; }

bool SameFile(const struct stat& one, const struct stat& other) {
  return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// Makes the lock's name free for a regular file: a link goes (not what it points to), and
// anything else that is not a regular file (a folder) is kept aside, its name in kept. Nothing
// at that name can be a game's lock but a regular file. False when the name cannot be freed.
bool FreeForLock(const std::string& path, std::string& kept) {
  struct stat found = {};
  if (::lstat(path.c_str(), &found) != 0) return errno == ENOENT;
  if (S_ISREG(found.st_mode)) return true;
  if (S_ISLNK(found.st_mode)) return ::unlink(path.c_str()) == 0 || errno == ENOENT;
  try {
    kept = KeepDamagedCopy(path);
    return true;
  } catch (const EFileError&) {
    return false;
  }
}

// The name of the program a /proc exe link points to; empty when it cannot be read. A program
// replaced on disk since it started still counts under its name.
std::string ProgramNameOf(const std::string& exeLink) {
  std::error_code error;
  std::string name = std::filesystem::read_symlink(exeLink, error).filename().string();
  constexpr std::string_view Replaced = " (deleted)";
  if (name.ends_with(Replaced)) name.resize(name.size() - Replaced.size());
  return error ? std::string() : name;
}

// True when process pid is another copy of this game that has the file locked open. Only such a
// process may be signalled: the number is a hint written by whoever held the lock, and it may
// now belong to another program, to a game on another player folder, or to no process of this
// pid namespace at all.
bool HoldsLockFile(int64_t pid, const struct stat& lock) {
  if (pid <= 0 || pid == ::getpid()) return false;
  const std::string proc = "/proc/" + std::to_string(pid);
  const std::string ours = ProgramNameOf("/proc/self/exe");
  if (ours.empty() || ProgramNameOf(proc + "/exe") != ours) return false;
  DIR* open = ::opendir((proc + "/fd").c_str());
  if (!open) return false;
  bool holds = false;
  while (const dirent* entry = ::readdir(open)) {
    struct stat file = {};
    if (entry->d_name[0] != '.' && ::stat((proc + "/fd/" + entry->d_name).c_str(), &file) == 0 && SameFile(file, lock)) {
      holds = true;
      break;
    }
  }
  ::closedir(open);
  return holds;
}

// The process id at the start of the lock file (the first line of Qt's lock files too); 0 when
// there is none.
int64_t HintedHolder(int file) {
  char text[32];
  const ssize_t got = ::pread(file, text, sizeof text, 0);
  if (got <= 0) return 0;
  int64_t pid = 0;
  const auto [end, error] = std::from_chars(text, text + got, pid);
  if (error != std::errc() || (end != text + got && *end != '\n')) return 0;
  return pid;
}

// Opens the regular file at path for the lock, read-only where it may not be written (a lock
// needs no more); -1 with errno set when it cannot.
int OpenLockFile(const std::string& path, bool& writable) {
  // Never through a link, and never waiting on whatever may have been put at the name meanwhile.
  constexpr int Flags = O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  writable = true;
  int file = ::open(path.c_str(), O_RDWR | O_CREAT | Flags, 0666);
  if (file < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
    writable = false;
    file = ::open(path.c_str(), O_RDONLY | Flags);
  }
  if (file < 0) return -1;
  struct stat opened = {};
  if (::fstat(file, &opened) != 0 || !S_ISREG(opened.st_mode)) {
    ::close(file);
    errno = EAGAIN;
    return -1;
  }
  return file;
}

// A problem list ends in a line end; the message's sentences follow on lines of their own.
std::string Lines(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}
}  // namespace

TPlayerFiles::TPlayerFiles() = default;

TPlayerFiles::~TPlayerFiles() {
  // Closing the file frees the lock; the file stays for the next game.
  if (lockFile_ >= 0) ::close(lockFile_);
}

std::string TPlayerFiles::LockPath() { return PlayerPath("dat/brillor.lock"); }

TPlayerFiles::TLock TPlayerFiles::TakeLock() {
  if (lockFile_ >= 0) return TLock::Taken;
  const std::string path = LockPath();
  // Another start may free the name or make the file at the same moment; a few turns settle it.
  for (int turn = 0; turn < 4; ++turn) {
    std::string kept;
    if (!FreeForLock(path, kept)) return TLock::Unavailable;
    if (!kept.empty())
      AppendLine(lockReport_, Told(QT_TRANSLATE_NOOP("PlayerFiles", "Something other than a file stood in place of the lock file %1; it was kept as %2."),
                                   {Quoted(path), Quoted(kept)}));
    bool writable = true;
    const int file = OpenLockFile(path, writable);
    if (file < 0) {
      // A file even reading is refused on is no running game's: it goes, and a fresh one is made.
      if (errno == EACCES && ::unlink(path.c_str()) == 0) continue;
      if (errno == EACCES || errno == EROFS || errno == EPERM || errno == ENOENT) return TLock::Unavailable;
      continue;
    }
    struct stat locked = {};
    ::fstat(file, &locked);
    if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
      const bool held = errno == EWOULDBLOCK;
      if (held) {
        const int64_t hinted = HintedHolder(file);
        lockHolder_ = HoldsLockFile(hinted, locked) ? hinted : 0;
      }
      ::close(file);
      return held ? TLock::HeldByAnotherGame : TLock::Unavailable;
    }
    // Only the file still at the name locks the folder: the one opened may have been replaced
    // by another start since.
    struct stat named = {};
    if (::stat(path.c_str(), &named) != 0 || !SameFile(named, locked)) {
      ::close(file);
      continue;
    }
    lockFile_ = file;
    if (writable) {
      const std::string pid = std::to_string(::getpid()) + '\n';
      if (::ftruncate(file, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(file, pid.data(), pid.size(), 0);
      }
    }
    return TLock::Taken;
  }
  return TLock::Unavailable;
}

void TPlayerFiles::Remember(const std::string& path) {
  const TPlayerFileRead file = ReadPlayerFile(path);
  if (file.Outcome == TPlayerFileRead::Read)
    known_[path] = file.Bytes;
  else
    known_.erase(path);
}

TPlayerFilesLoad TPlayerFiles::Load(TPlayers& roster) {
  TPlayerFilesLoad loaded;
  loaded.Report = lockReport_;
  std::error_code ignored;
  std::filesystem::create_directories(PlayerPath("dat"), ignored);
  const std::string rosterPath = PlayerPath(RosterFileName);
  const TRosterStart start = LoadRosterAtStart(roster, rosterPath);
  rosterSaveable_ = start.Saveable;
  if (start.WriteFailure) FirstOfItsCause(*start.WriteFailure);
  AppendLine(loaded.Report, start.Report);
  if (rosterSaveable_) AppendLine(loaded.Report, LoadRecordsOf(roster));
  loaded.Settings = LoadSettings(loaded.Report);
  loaded.More = LoadOptions(loaded.Report);
  for (const char* file : {RosterFileName, RecordFileName, SettingsFileName, MoreOptionsFileName})
    Remember(PlayerPath(file));
  return loaded;
}

std::string TPlayerFiles::LoadRecordsOf(TPlayers& roster) {
  const std::string path = PlayerPath(RecordFileName);
  const TPlayerFileRead file = ReadPlayerFile(path);
  // No records yet: every player starts afresh, which is nothing to tell.
  if (file.Outcome == TPlayerFileRead::Missing) {
    StartRecordsAfresh(roster);
    return {};
  }
  const bool read = file.Outcome == TPlayerFileRead::Read;
  const std::string problems = read ? ReadRecordText(file.Bytes, roster) : file.Reason + '\n';
  if (problems.empty()) return {};
  const std::string report = Told(QT_TRANSLATE_NOOP("PlayerFiles", "The record file %1 could not be read whole:\n%2\n%3"),
                                  {Quoted(path), Lines(problems), KeptAside(path, recordsSaveable_)});
  if (read && RecordTextIsUsable(file.Bytes)) return report + Told(QT_TRANSLATE_NOOP("PlayerFiles", " What could be read was kept."));
  const std::string backup = RecordsBackupPath(path);
  const TPlayerFileRead older = ReadPlayerFile(backup);
  if (older.Outcome == TPlayerFileRead::Read && RecordTextIsWhole(older.Bytes)) {
    ReadRecordText(older.Bytes, roster);
    return report + Told(QT_TRANSLATE_NOOP("PlayerFiles", " The backup %1 of the save before it was loaded instead."), {Quoted(backup)});
  }
  StartRecordsAfresh(roster);
  return report + Told(QT_TRANSLATE_NOOP("PlayerFiles", " Every record starts afresh."));
}

std::optional<TSettings> TPlayerFiles::LoadSettings(std::string& report) {
  const std::string path = PlayerPath(SettingsFileName);
  const TPlayerFileRead file = ReadPlayerFile(path);
  if (file.Outcome == TPlayerFileRead::Missing) return std::nullopt;
  if (file.Outcome == TPlayerFileRead::Read) {
    // An empty file is what a first start of earlier versions left.
    if (file.Bytes.empty()) return std::nullopt;
    if (const auto settings = SettingsFromBytes(file.Bytes)) return settings;
  }
  const std::string why = file.Outcome == TPlayerFileRead::Read ? Told(QT_TRANSLATE_NOOP("PlayerFiles", "it is cut short")) : file.Reason;
  AppendLine(report, Told(QT_TRANSLATE_NOOP("PlayerFiles", "The settings file %1 could not be read (%2); the usual settings are used. %3"),
                          {Quoted(path), why, KeptAside(path)}));
  return std::nullopt;
}

TMoreOptions TPlayerFiles::LoadOptions(std::string& report) {
  const std::string path = PlayerPath(MoreOptionsFileName);
  const TPlayerFileRead file = ReadPlayerFile(path);
  TMoreOptions more;
  if (file.Outcome == TPlayerFileRead::Missing) return more;
  const std::string problems = file.Outcome == TPlayerFileRead::Read ? more.Parse(file.Bytes) : file.Reason + '\n';
  if (!problems.empty())
    AppendLine(report, Told(QT_TRANSLATE_NOOP("PlayerFiles", "The options file %1 could not be read whole:\n%2\n%3"),
                            {Quoted(path), Lines(problems), KeptAside(path)}));
  return more;
}

std::string TPlayerFiles::Save(const TPlayers& roster, const TSettings& settings, const TMoreOptions& more,
                               TSave which) {
  std::string shown;
  if (rosterSaveable_) {
    const std::string rosterPath = PlayerPath(RosterFileName);
    SaveFile(rosterPath, roster.SaveToBytes(), RosterBackupPath(rosterPath), &TPlayers::HoldsPlayersWhole, which, shown);
    const std::string recordsPath = PlayerPath(RecordFileName);
    if (recordsSaveable_)
      SaveFile(recordsPath, RecordText(roster), RecordsBackupPath(recordsPath), &RecordTextIsWhole, which, shown);
  }
  SaveFile(PlayerPath(SettingsFileName), SettingsBytes(settings), {}, nullptr, which, shown);
  SaveFile(PlayerPath(MoreOptionsFileName), more.Text(), {}, nullptr, which, shown);
  return shown;
}

void TPlayerFiles::SaveFile(const std::string& path, const std::string& bytes, const std::string& backup,
                            bool (*worthKeeping)(const std::string&), TSave which, std::string& shown) {
  const auto known = known_.find(path);
  if (which == TSave::Changed && known != known_.end() && known->second == bytes) return;
  try {
    WriteFileSafely(path, bytes, backup, worthKeeping);
    known_[path] = bytes;
  } catch (const EFileError& error) {
    if (FirstOfItsCause(error))
      AppendLine(shown, error.what());
    else
      std::cerr << "Brillor I: " << error.what() << '\n';
  }
}

bool TPlayerFiles::FirstOfItsCause(const EFileError& error) {
  const std::string folder = std::filesystem::path(error.Path).parent_path().string();
  return toldCauses_.insert(folder + '\n' + error.Reason).second;
}
