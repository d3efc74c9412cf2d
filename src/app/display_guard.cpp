#include "app/display_guard.h"

#include <cstdio>
#include <cstdlib>

#include <QByteArray>
#include <QString>

namespace {
QtMessageHandler& Previous() {
  static QtMessageHandler previous = nullptr;
  return previous;
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (Previous())
      Previous()(type, context, message);
    else
      std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    return;
  }
  const QByteArray display = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
  std::fprintf(stderr,
               "%s\nBrillor I: no display could be opened (DISPLAY=\"%s\", WAYLAND_DISPLAY=\"%s\"). Start the "
               "game from a desktop session.\n",
               qPrintable(message), display.constData(), wayland.constData());
  std::fflush(stderr);
  // Nothing of the game exists yet: there is nothing to save or close.
  std::_Exit(TDisplayGuard::NoDisplayStatus);
}
}  // namespace

TDisplayGuard::TDisplayGuard() : previous_(qInstallMessageHandler(Handle)) { Previous() = previous_; }

TDisplayGuard::~TDisplayGuard() {
  qInstallMessageHandler(previous_);
  Previous() = nullptr;
}
