#pragma once
// Asks for one line of text (a player's name): at most 30 characters, and only characters the
// roster file can store, so a saved name reads back as it was typed: another character is refused
// with a short message. Empty input is refused.

#include <QLabel>
#include <QLineEdit>

#include "ui/game_dialog.h"

class TfrmMessageBox;

class TfrmInput : public TGameDialog {
  Q_OBJECT
 public:
  TfrmInput(QWidget* owner, TfrmMessageBox* messageBox);

  static constexpr int MaxLength = 30;

  void SetPrompt(const QString& text);
  // The OK button and Enter: closes with OK unless the field is empty.
  void Accept();

  QLabel* lMsg;
  QLineEdit* eInput;

 private:
  TfrmMessageBox* messageBox_;
};
