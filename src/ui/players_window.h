#pragma once
// The roster as a list: new players are made here, players deleted, and one selected. The rows
// follow the roster's order, so a row number is a roster index. Under the buttons, a panel shows
// the selected player's record of play.

#include <array>

#include <QLabel>
#include <QListWidget>
#include <QStringList>

#include "players/player_records.h"

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

  // ---- The record panel ----
  static constexpr int RecordPanelHeight = 80;
  // The record's six lines as the panel shows them, in two columns of three.
  static QStringList RecordLines(const TPlayerRecord& record);
  // Shows the selected row's record; the panel is blank while no row is selected.
  void ShowSelectedRecord();
  // The record panel is an option: without it the window keeps its 330 x 255.
  void SetRecordShown(bool shown);
  std::array<QLabel*, 2> lRecord;

 protected:
  // The records change in play: the panel is filled afresh each time the window opens.
  void BeforeShow() override { ShowSelectedRecord(); }

 private:
  void AddRow(const std::string& name);
  void CreateRecordPanel();

  TfrmMessageBox* messageBox_;
  TfrmInput* input_;
  QWidget* recordPanel_ = nullptr;
};
