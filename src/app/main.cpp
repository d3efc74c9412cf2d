// Start-up and shutdown of Brillor I.

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>

#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/display_guard.h"
#include "app/language.h"
#include "app/window_scale.h"
#include "frame/game_folders.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "players/player_files.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/help_page.h"
#include "ui/editor_window.h"
#include "ui/main_window.h"
#include "ui/notice_box.h"
#include "ui/quit_signals.h"

namespace {
// Returns what went wrong with the translation (see InstallTranslation), told on the error
// stream here.
std::string SpeakPlayersLanguage(const TCommandLine& commandLine, const std::string& gameFolder) {
  const std::string folder = gameFolder + TranslationsFolder;
  const std::string code = ChooseLanguage(EnvironmentLanguage(commandLine.language, folder));
  const std::string problem = InstallTranslation(folder, code);
  if (!problem.empty()) {
    std::cerr << problem << std::endl;
    return problem;
  }
  SetHelpLanguage(code);
  if (code != SourceLanguage) SetPictureLanguage(code);
  return {};
}
}  // namespace

int main(int argc, char** argv) {
  const TCommandLine commandLine = ParseCommandLine(argc, argv);
  if (commandLine.launch != TLaunch::Play && commandLine.launch != TLaunch::Editor) {
    // Answered without a display, so --help and --version work anywhere.
    QCoreApplication answering(argc, argv);
    const std::string executableDir = QCoreApplication::applicationDirPath().toStdString();
    SpeakPlayersLanguage(commandLine, ChooseGameFolders(MachineFacts(executableDir)).game);
    return AnswerWithoutWindow(commandLine, std::cout, std::cerr).value_or(0);
  }
  std::optional<TDisplayGuard> noDisplay(std::in_place);
  const int32_t windowScale = UseChosenWindowSize(argc, argv);
  TGameApplication app(argc, argv);
  noDisplay.reset();
  TGameApplication::setApplicationName(QStringLiteral("Brillor I"));
  PresentToDesktop();
  // Before anything can show a message, so a quit signal ends even a start-up error box.
  InstallQuitSignals();

  UseGameFolders(TGameApplication::applicationDirPath().toStdString());
  const std::string languageProblem = SpeakPlayersLanguage(commandLine, ProgramDir());
  RegisterGameFonts();
  // One game per player folder: a second start (a double click too many) hands over to the first.
  // Only a first game seen to hold the lock is asked to come forward; where none is, nothing
  // would seem to happen, so the player is told. Either way the game runs: the status is 0.
  auto files = std::make_unique<TPlayerFiles>();
  if (files->TakeLock() == TPlayerFiles::TLock::HeldByAnotherGame) {
    const bool forward = AskToComeForward(files->LockHolder());
    const char* told =
        forward ? QT_TRANSLATE_NOOP("Main", "Brillor I is already running for the player folder \"%1\"; its window "
                                            "was brought to the front.")
                : QT_TRANSLATE_NOOP("Main", "Brillor I is already running for the player folder \"%1\", but its "
                                            "window could not be brought to the front: look for it among your open "
                                            "windows.");
    const QString text = QCoreApplication::translate("Main", told).arg(QString::fromStdString(PlayerDir()));
    std::cerr << text.toStdString() << std::endl;
    if (!forward && !QuitSignalReceived()) TNoticeBox(nullptr, QMessageBox::Information, text).Run();
    return 0;
  }
  std::error_code ignored;
  std::filesystem::current_path(ProgramDir(), ignored);
  Randomize();

  TfrmMain frmMain(nullptr, std::move(files));
  frmMain.SetScaleInUse(windowScale);
  if (!languageProblem.empty()) frmMain.ShowLoadErrors(languageProblem);
  CloseWindowOnQuitSignals(&frmMain);
  // A quit signal during a start-up message: the window saves as it goes.
  if (QuitSignalReceived()) return 0;
  frmMain.show();
  // Ask for the focus: the game starts at its first activation, and a desktop without a window
  // manager would otherwise wait for a click.
  frmMain.activateWindow();
  if (QuitSignalReceived()) return 0;
  if (commandLine.launch == TLaunch::Editor) frmMain.EditorWindow()->show();
  return TGameApplication::exec();
}
