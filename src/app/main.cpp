// Start-up and shutdown of Brillor I.

#include <filesystem>

#include "frame/paths.h"
#include "frame/random.h"
#include "ui/fonts.h"
#include "ui/game_application.h"
#include "ui/main_window.h"
#include "ui/quit_signals.h"

int main(int argc, char** argv) {
  TGameApplication app(argc, argv);
  TGameApplication::setApplicationName(QStringLiteral("Brillor I"));
  // Before anything can show a message, so a quit signal ends even a start-up error box.
  InstallQuitSignals();

  // Every game file lives beside the executable.
  SetProgramDir(TGameApplication::applicationDirPath().toStdString());
  std::error_code ignored;
  std::filesystem::current_path(ProgramDir(), ignored);
  RegisterGameFonts();
  Randomize();

  TfrmMain frmMain;
  CloseWindowOnQuitSignals(&frmMain);
  // A quit signal during a start-up message: the window saves as it goes.
  if (QuitSignalReceived()) return 0;
  frmMain.show();
  // Until the title and the level map exist, the game starts straight into play.
  TGameApplication::RunGuarded([&] {
    frmMain.StartPlaying();
    return true;
  });
  if (QuitSignalReceived()) return 0;
  return TGameApplication::exec();
}
