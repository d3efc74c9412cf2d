#include "ui/game_application.h"

#include <algorithm>
#include <cstdio>

#include "ui/notice_box.h"
#include "ui/quit_signals.h"

namespace {
std::function<void(const std::string&)>& ErrorDisplay() {
  static std::function<void(const std::string&)> display;
  return display;
}
}  // namespace

TGameApplication::TGameApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TGameApplication::notify(QObject* receiver, QEvent* event) {
  return RunGuarded([&] { return QApplication::notify(receiver, event); });
}

void TGameApplication::ShowUnknownError() { ShowError(tr("Unknown error.").toStdString()); }

void TGameApplication::SetErrorDisplay(std::function<void(const std::string&)> display) {
  ErrorDisplay() = std::move(display);
}

void TGameApplication::ShowError(const std::string& message) {
  // Frames go on under the message box; an error that repeats every frame must not stack up
  // boxes, so while one is open further errors only go to the log.
  static bool showing = false;
  // Quitting on a signal nobody may be there to press OK (a shutdown would wait on the box).
  if (showing || QuitSignalReceived()) {
    std::fprintf(stderr, "Brillor I: %s\n", message.c_str());
    return;
  }
  showing = true;
  struct TReset {
    ~TReset() { showing = false; }
  } reset;
  if (ErrorDisplay()) {
    ErrorDisplay()(message);
    return;
  }
  QWidget* window = QApplication::activeWindow();
  if (!window) {
    // A window system that gives no window the focus (or has just taken it) still has the game's.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
    window = shown != windows.end() ? *shown : nullptr;
  }
  TNoticeBox(window, QMessageBox::Critical, QString::fromStdString(message)).Run();
}
