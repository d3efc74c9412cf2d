// The level in progress kept in the player's round file: written when the player's files are
// saved, read back when the stage is entered for the same level (which then waits, paused, for
// a click), set aside when it cannot be read, and deleted when the level is passed or lost.

#include <filesystem>
#include <system_error>

#include <QFontMetricsF>

#include "frame/paths.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "play/round_file.h"
#include "players/player_records.h"
#include "players/players.h"
#include "stages/running_stage.h"

namespace {
constexpr int32_t ContinueTextSize = 36;
constexpr int32_t MinContinueTextSize = 12;
constexpr int32_t ContinueTextMargin = 12;
constexpr const char* Context = "RunningStage";

// Why a round read from the file does not belong to this level, or "".
std::string OtherLevel(const TRoundFile& file, int32_t level, uint64_t check) {
  if (file.Level != level) return Translated(Context, QT_TRANSLATE_NOOP("RunningStage", "it was played on another level"));
  if (file.LevelCheck != check)
    return Translated(Context, QT_TRANSLATE_NOOP("RunningStage", "the level's files have changed since"));
  return {};
}
}  // namespace

void TGmStage_Running::CreateContinueText() {
  TDSP* dsp = Owner->DSP.get();
  const QString text = QString::fromStdString(Translated(Context, QT_TRANSLATE_NOOP("RunningStage", "Click to continue")));
  // The words keep a margin on either side of the field; a long translation is drawn smaller.
  const double room = dsp->Width() - 2.0 * ContinueTextMargin;
  for (int32_t size = ContinueTextSize;; --size) {
    ContinueText = std::make_unique<TDSPE_Text>(dsp, LayerContinue, QStringLiteral("Tahoma"), size,
                                                  MakeARGB(255, 255, 255, 255), text, 0, 0);
    const QFontMetricsF metrics(ContinueText->Font());
    if (metrics.horizontalAdvance(text) <= room || size <= MinContinueTextSize) break;
  }
  const QFontMetricsF metrics(ContinueText->Font());
  ContinueText->X = static_cast<float>((dsp->Width() - metrics.horizontalAdvance(text)) / 2);
  ContinueText->Y = static_cast<float>((dsp->Height() - metrics.height()) / 2);
  ContinueText->Visible = false;
}

void TGmStage_Running::StartKeepingRound() {
  roundPath_.clear();
  levelCheck_ = LevelCheck(Round->Board, Round->Param);
  const TPlayer* player = ReportedPlayer();
  if (!player) return;
  roundPath_ = PlayerPath(RoundFileName(Players, *player));
  roundLevel_ = player->Level();
}

bool TGmStage_Running::ResumeKeptRound() {
  if (roundPath_.empty()) return false;
  const TPlayerFileRead read = ReadPlayerFile(roundPath_);
  if (read.Outcome == TPlayerFileRead::Missing) return false;
  TRoundFile file;
  std::string reason = read.Outcome == TPlayerFileRead::Read ? ReadRoundText(read.Bytes, file) : read.Reason;
  if (reason.empty()) reason = OtherLevel(file, roundLevel_, levelCheck_);
  if (!reason.empty()) {
    SetAsideKeptRound(reason);
    return false;
  }
  Round->Restore(file.Round);
  record_.LevelResumed(file.LevelMoney, file.PlayedRelaxed);
  for (const TBox& box : Round->Boxes) ShowBox(box);
  RedrawBoard();
  return true;
}

void TGmStage_Running::SetAsideKeptRound(const std::string& reason) {
  std::error_code error;
  const std::string aside = FreeDamagedPath(roundPath_);
  std::filesystem::rename(roundPath_, aside, error);
  if (error)
    OnLevelError(Translated(Context,
                            QT_TRANSLATE_NOOP("RunningStage",
                                              "The level in progress could not be resumed: %1. It could not be set "
                                              "aside either: %2. The level starts afresh."),
                            {reason, error.message()}));
  else
    OnLevelError(Translated(Context,
                            QT_TRANSLATE_NOOP("RunningStage",
                                              "The level in progress could not be resumed: %1. It is kept as \"%2\". "
                                              "The level starts afresh."),
                            {reason, aside}));
}

void TGmStage_Running::WaitForClick() {
  waitingForClick_ = true;
  ContinueText->Visible = true;
  Owner->Clock->PauseTimers();
  Pause();
}

void TGmStage_Running::ContinueAfterClick() {
  waitingForClick_ = false;
  ContinueText->Visible = false;
  Owner->Clock->ResumeTimers();
  Resume();
}

std::string TGmStage_Running::KeepRound() {
  if (!playing_ || roundPath_.empty() || Round->Mode == TPlayMode::Lost) return {};
  TRoundFile file;
  file.Level = roundLevel_;
  file.LevelCheck = levelCheck_;
  file.LevelMoney = record_.LevelMoney();
  file.PlayedRelaxed = record_.LevelRelaxed();
  file.Round = Round->State();
  try {
    WriteFileSafely(roundPath_, RoundText(file));
  } catch (const std::exception& error) {
    return error.what();
  }
  return {};
}

void TGmStage_Running::DropKeptRound() {
  if (roundPath_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(roundPath_, ignored);
  roundPath_.clear();
}
