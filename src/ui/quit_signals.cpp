#include "ui/quit_signals.h"

#include <csignal>

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};
bool quitReceived = false;

QPointer<QWidget>& TargetWindow() {
  static QPointer<QWidget> window;
  return window;
}

// Only async-signal-safe work here: wake the event loop through the pipe.
void OnQuitSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

void QuitNow() {
  char byte;
  [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
  quitReceived = true;
  // A message box open at that moment is closed first, as the player would, so its nested
  // event loop does not keep the game alive.
  for (int open = 0; open < 16; ++open) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->close()) break;
  }
  if (TargetWindow()) TargetWindow()->close();
}
}  // namespace

void InstallQuitSignals() {
  if (signalPipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
  QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] { QuitNow(); });
  struct sigaction action = {};
  action.sa_handler = OnQuitSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

void CloseWindowOnQuitSignals(QWidget* window) {
  InstallQuitSignals();
  TargetWindow() = window;
}

bool QuitSignalReceived() { return quitReceived; }
