#pragma once
// SIGTERM, SIGINT and SIGHUP (a closed terminal, a logout) ask the game to quit: every open
// message box is closed and then the main window, the way its close button does, so settings
// and the roster are saved. From then on messages go to the standard error stream instead of a
// box that nobody would press.
//
// SIGUSR1 asks the game to come to the front: a second start on the same player folder sends
// it to the game that holds the folder's lock.

#include <cstdint>

class QWidget;

// Installs the handlers; call it before anything can show a message, so a signal during
// start-up still quits cleanly.
void InstallQuitSignals();
// The window a quit signal closes and SIGUSR1 brings to the front (nothing is closed but
// message boxes until one is given).
void CloseWindowOnQuitSignals(QWidget* window);
// True once a quit signal has been handled.
bool QuitSignalReceived();

// Asks the game running as process pid to come to the front; false when pid is 0 or cannot be
// signalled. Give it only a process seen to hold the lock (TPlayerFiles::LockHolder): SIGUSR1
// ends most other programs.
bool AskToComeForward(int64_t pid);
