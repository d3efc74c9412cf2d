#include "players/player_files.h"

#include <filesystem>
#include <iostream>

#include <QLockFile>
#include <QString>

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

// A problem list ends in a line end; the message's sentences follow on lines of their own.
std::string Lines(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}
}  // namespace

TPlayerFiles::TPlayerFiles() = default;
TPlayerFiles::~TPlayerFiles() = default;

std::string TPlayerFiles::LockPath() { return PlayerPath("dat/brillor.lock"); }

TPlayerFiles::TLock TPlayerFiles::TakeLock() {
  lock_ = std::make_unique<QLockFile>(QString::fromStdString(LockPath()));
  // Only a lock whose game is gone is stale, however long a game has been running.
  lock_->setStaleLockTime(0);
  if (lock_->tryLock(0)) return TLock::Taken;
  const bool held = lock_->error() == QLockFile::LockFailedError;
  qint64 pid = 0;
  QString host, application;
  if (held && lock_->getLockInfo(&pid, &host, &application)) lockHolder_ = pid;
  lock_.reset();
  return held ? TLock::HeldByAnotherGame : TLock::Unavailable;
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
