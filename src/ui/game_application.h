#pragma once
// The application object: an exception that escapes an event handler is shown to the player
// in a message box, and the program goes on.

#include <exception>
#include <functional>
#include <string>

#include <QApplication>

class TGameApplication : public QApplication {
  Q_OBJECT
 public:
  TGameApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;

  // Runs one delivery; an exception escaping it is shown and reported as not handled (false).
  // A template: every event goes through here, and a std::function of notify's three captures
  // took a heap block each time.
  template <typename Deliver>
  static bool RunGuarded(Deliver&& deliver) {
    try {
      return deliver();
    } catch (const std::exception& error) {
      ShowError(error.what());
    } catch (...) {
      ShowUnknownError();
    }
    return false;
  }

  // Shows an error text; replaceable so tests can see what would be shown.
  static void SetErrorDisplay(std::function<void(const std::string&)> display);
  static void ShowError(const std::string& message);

 private:
  static void ShowUnknownError();
};
