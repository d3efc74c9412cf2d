#pragma once
// The application object: an exception that escapes an event handler is shown to the player
// in a message box, and the program goes on.

#include <functional>
#include <string>

#include <QApplication>

class TGameApplication : public QApplication {
  Q_OBJECT
 public:
  TGameApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs one delivery; an exception escaping it is shown and reported as not handled (false).
  static bool RunGuarded(const std::function<bool()>& deliver);

  // Shows an error text; replaceable so tests can see what would be shown.
  static void SetErrorDisplay(std::function<void(const std::string&)> display);
  static void ShowError(const std::string& message);
};
