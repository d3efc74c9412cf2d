// Start-up and shutdown of Brillor I.

#include <filesystem>
#include <iostream>
#include <memory>

#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/window_scale.h"
#include "frame/game_folders.h"
#include "frame/paths.h"
#include "frame/random.h"
#include "players/player_files.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/editor_window.h"
#include "ui/main_window.h"
#include "ui/quit_signals.h"

int main(int argc, char** argv) {
  // Answered before Qt starts, so --help and --version work without a display.
  const TCommandLine commandLine = ParseCommandLine(argc, argv);
  if (const auto exitCode = AnswerWithoutWindow(commandLine, std::cout, std::cerr)) return *exitCode;
  const int32_t windowScale = UseChosenWindowSize(argc, argv);
  TGameApplication app(argc, argv);
  TGameApplication::setApplicationName(QStringLiteral("Brillor I"));
  PresentToDesktop();
  // Before anything can show a message, so a quit signal ends even a start-up error box.
  InstallQuitSignals();

  UseGameFolders(TGameApplication::applicationDirPath().toStdString());
  // One game per player folder: a second start (a double click too many) hands over to the first.
  auto files = std::make_unique<TPlayerFiles>();
  if (files->TakeLock() == TPlayerFiles::TLock::HeldByAnotherGame) {
    const bool forward = AskToComeForward(files->LockHolder());
    std::cerr << "Brillor I is already running for the player folder \"" << PlayerDir() << "\""
              << (forward ? "; its window was brought to the front." : ".") << std::endl;
    return 0;
  }
  std::error_code ignored;
  std::filesystem::current_path(ProgramDir(), ignored);
  RegisterGameFonts();
  Randomize();

  TfrmMain frmMain(nullptr, std::move(files));
  frmMain.SetScaleInUse(windowScale);
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
