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

  // Every game file lives beside the executable.
  SetProgramDir(TGameApplication::applicationDirPath().toStdString());
  std::error_code ignored;
  std::filesystem::current_path(ProgramDir(), ignored);
  RegisterGameFonts();
  Randomize();

  TfrmMain frmMain;
  CloseWindowOnQuitSignals(&frmMain);
  frmMain.show();
  // Ask for the focus: the game starts at its first activation, and a desktop without a window
  // manager would otherwise wait for a click.
  frmMain.activateWindow();
  return TGameApplication::exec();
}
