#pragma once
// The roster as a list: new players are made here, players deleted, and one selected. The rows
// follow the roster's order, so a row number is a roster index.

#include <QLabel>
#include <QListWidget>

#include "ui/game_dialog.h"

class TfrmMessageBox;
class TfrmInput;

class TfrmPlayers : public TGameDialog {
  Q_OBJECT
 public:
  TfrmPlayers(QWidget* owner, TfrmMessageBox* messageBox, TfrmInput* input);

  // The roster's names in order, the current player selected.
  void FillList();
  // The selected row, -1 when none.
  int SelectedRow() const;

  void NewClick();
  void DeleteClick();
  // The Select button and Enter: closes with OK once a row is selected.
  void SelectClick();

  QLabel* Label1;
  QListWidget* lbPlayers;

 private:
  void AddRow(const std::string& name);

  TfrmMessageBox* messageBox_;
  TfrmInput* input_;
};
