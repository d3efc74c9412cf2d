#pragma once
// Where Qt first reaches the display (making an application object that shows windows): with
// none to reach (no X server at DISPLAY, no Wayland socket) Qt ends the process with abort() and
// a core dump. While a guard lives, that end is one clear line on the error stream and exit
// status 1 instead. Every other message of Qt goes where it went before.

#include <QtGlobal>

class TDisplayGuard {
 public:
  TDisplayGuard();
  ~TDisplayGuard();
  TDisplayGuard(const TDisplayGuard&) = delete;
  TDisplayGuard& operator=(const TDisplayGuard&) = delete;

  // The exit status of a start without a display.
  static constexpr int NoDisplayStatus = 1;

 private:
  QtMessageHandler previous_;
};
