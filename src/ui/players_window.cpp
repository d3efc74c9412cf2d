#include "ui/players_window.h"

#include "players/players.h"
#include "ui/fonts.h"
#include "ui/input_window.h"
#include "ui/message_box.h"

namespace {
constexpr int RowHeight = 14;

QString Quoted(const std::string& name) { return QLatin1Char('"') + QString::fromStdString(name) + QLatin1Char('"'); }
}  // namespace

TfrmPlayers::TfrmPlayers(QWidget* owner, TfrmMessageBox* messageBox, TfrmInput* input)
    : TGameDialog(owner, 330, 255), messageBox_(messageBox), input_(input) {
  Label1 = new QLabel(QStringLiteral("Player List"), this);
  Label1->setGeometry(24, 20, 273, 29);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1->setFont(TahomaFont(20, true));
  lbPlayers = new QListWidget(this);
  lbPlayers->setGeometry(24, 48, 281, 144);
  lbPlayers->setFrameShape(QFrame::NoFrame);
  lbPlayers->setFont(TahomaFont(12, true));
  lbPlayers->setUniformItemSizes(true);
  QPalette colours = lbPlayers->palette();
  colours.setColor(QPalette::Base, QColor(174, 142, 90));
  colours.setColor(QPalette::Text, Qt::black);
  lbPlayers->setPalette(colours);
  AddButton(QStringLiteral("New"), 24, 204, [this] { NewClick(); });
  AddButton(QStringLiteral("Delete"), 104, 204, [this] { DeleteClick(); });
  AddButton(QStringLiteral("Select"), 232, 204, [this] { SelectClick(); });
  OnEnter = [this] { SelectClick(); };
}

void TfrmPlayers::FillList() {
  lbPlayers->clear();
  for (int32_t i = 0; i < Players.Count(); ++i) AddRow(Players.Items(i)->Name());
  lbPlayers->setCurrentRow(Players.CurrentIndex());
}

int TfrmPlayers::SelectedRow() const {
  const QList<QListWidgetItem*> selected = lbPlayers->selectedItems();
  return selected.isEmpty() ? -1 : lbPlayers->row(selected.first());
}

void TfrmPlayers::AddRow(const std::string& name) {
  auto* row = new QListWidgetItem(QString::fromStdString(name), lbPlayers);
  row->setSizeHint(QSize(lbPlayers->width(), RowHeight));
}

void TfrmPlayers::NewClick() {
  input_->eInput->clear();
  input_->SetPrompt(QStringLiteral("Please input a player name:"));
  if (input_->ShowModal() != mrOK) return;
  auto player = std::make_unique<TPlayer>();
  player->SetName(input_->eInput->text().toStdString());
  Players.Add(std::move(player));
  AddRow(input_->eInput->text().toStdString());
  lbPlayers->setCurrentRow(lbPlayers->count() - 1);
}

void TfrmPlayers::DeleteClick() {
  const int row = SelectedRow();
  if (row < 0) return;
  const std::string name = Players.Items(row)->Name();
  QString text = QStringLiteral("Are you sure to delete player ") + Quoted(name) + QLatin1Char('?');
  if (row == Players.CurrentIndex())
    text += QStringLiteral("\nYour selected player ") + Quoted(name) +
            QStringLiteral(" is running now, you must select another player after deleted.");
  if (!messageBox_->Ask(text)) return;
  Players.Delete(row);
  delete lbPlayers->takeItem(row);
  // The list would move the selection to a neighbour; the last row is chosen instead.
  lbPlayers->clearSelection();
  if (SelectedRow() < 0 && lbPlayers->count() > 0) lbPlayers->setCurrentRow(lbPlayers->count() - 1);
}

void TfrmPlayers::SelectClick() {
  if (SelectedRow() < 0) {
    messageBox_->ShowNotice(QStringLiteral("Please select a existent player or create a new player."));
    return;
  }
  Close(mrOK);
}
