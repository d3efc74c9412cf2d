#include "stages/kept_round.h"

#include <filesystem>
#include <system_error>

#include "frame/safe_file.h"
#include "frame/translated.h"

namespace {
constexpr const char* Context = "RunningStage";

// Why a round read from the file does not belong to this level, or "".
std::string OtherLevel(const TRoundFile& file, int32_t level, uint64_t check) {
  if (file.Level != level) return Translated(Context, QT_TRANSLATE_NOOP("RunningStage", "it was played on another level"));
  if (file.LevelCheck != check)
    return Translated(Context, QT_TRANSLATE_NOOP("RunningStage", "the level's files have changed since"));
  return {};
}
}  // namespace

void TKeptRound::Start(std::function<std::string()> path, int32_t level, uint64_t levelCheck) {
  path_ = std::move(path);
  level_ = level;
  levelCheck_ = levelCheck;
}

TKeptRound::TRead TKeptRound::Read(TRoundFile& file) {
  const std::string path = path_();
  if (path.empty()) return {};
  const TPlayerFileRead read = ReadPlayerFile(path);
  if (read.Outcome == TPlayerFileRead::Missing) return {};
  std::string reason = read.Outcome == TPlayerFileRead::Read ? ReadRoundText(read.Bytes, file) : read.Reason;
  if (reason.empty()) reason = OtherLevel(file, level_, levelCheck_);
  if (reason.empty()) return {TOutcome::Read, {}};
  return {TOutcome::SetAside, SetAside(path, reason)};
}

std::string TKeptRound::SetAside(const std::string& path, const std::string& reason) const {
  std::error_code error;
  const std::string aside = FreeDamagedPath(path);
  std::filesystem::rename(path, aside, error);
  if (error)
    return Translated(Context,
                      QT_TRANSLATE_NOOP("RunningStage",
                                        "The level in progress could not be resumed: %1. It could not be set "
                                        "aside either: %2. The level starts afresh."),
                      {reason, error.message()});
  return Translated(Context,
                    QT_TRANSLATE_NOOP("RunningStage",
                                      "The level in progress could not be resumed: %1. It is kept as \"%2\". "
                                      "The level starts afresh."),
                    {reason, aside});
}

std::string TKeptRound::Write(TRoundFile file) const {
  const std::string path = path_();
  if (path.empty()) return {};
  file.Level = level_;
  file.LevelCheck = levelCheck_;
  try {
    WriteFileSafely(path, RoundText(file));
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

void TKeptRound::Drop() {
  const std::string path = path_();
  if (path.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  path_ = [] { return std::string(); };
}
