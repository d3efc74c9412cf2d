#include "ui/players_window.h"

#include "players/player_records.h"
#include "players/players.h"
#include "ui/fonts.h"
#include "ui/input_window.h"
#include "ui/message_box.h"

namespace {
constexpr int RowHeight = 14;

}  // namespace

TfrmPlayers::TfrmPlayers(QWidget* owner, TfrmMessageBox* messageBox, TfrmInput* input)
    : TGameDialog(owner, 330, 255), messageBox_(messageBox), input_(input) {
  Label1 = new QLabel(tr("Player List"), this);
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
  // The chosen row in the dark brown of the window's frame, its name in white.
  colours.setColor(QPalette::Highlight, QColor(70, 40, 20));
  colours.setColor(QPalette::HighlightedText, Qt::white);
  lbPlayers->setPalette(colours);
  AddButton(tr("New"), 24, 204, [this] { NewClick(); });
  AddButton(tr("Delete"), 104, 204, [this] { DeleteClick(); });
  AddButton(tr("Select"), 232, 204, [this] { SelectClick(); });
  OnEnter = [this] { SelectClick(); };
  CreateRecordPanel();
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
  input_->SetPrompt(tr("Please input a player name:"));
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
  QString text = tr("Are you sure to delete player \"%1\"?").arg(QString::fromStdString(name));
  if (row == Players.CurrentIndex())
    text += tr("\nYour selected player \"%1\" is running now, you must select another player after deleted.")
                .arg(QString::fromStdString(name));
  if (!messageBox_->Ask(text)) return;
  DropRoundFileOf(Players, row);
  Players.Delete(row);
  delete lbPlayers->takeItem(row);
  // The list would move the selection to a neighbour; the last row is chosen instead.
  lbPlayers->clearSelection();
  if (SelectedRow() < 0 && lbPlayers->count() > 0) lbPlayers->setCurrentRow(lbPlayers->count() - 1);
}

void TfrmPlayers::SelectClick() {
  if (SelectedRow() < 0) {
    messageBox_->ShowNotice(tr("Please select a existent player or create a new player."));
    return;
  }
  Close(mrOK);
}

// ---- The record panel ----

void TfrmPlayers::SetRecordShown(bool shown) {
  setFixedSize(330, shown ? 255 + RecordPanelHeight : 255);
  recordPanel_->setVisible(shown);
}

void TfrmPlayers::CreateRecordPanel() {
  auto* panel = recordPanel_ = new QWidget(this);
  panel->hide();
  panel->setGeometry(24, 240, 281, RecordPanelHeight - 12);
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, QColor(174, 142, 90));
  colours.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(colours);
  for (int column = 0; column < 2; ++column) {
    lRecord[column] = new QLabel(panel);
    lRecord[column]->setGeometry(8 + 138 * column, 4, column == 0 ? 134 : 131, RecordPanelHeight - 20);
    lRecord[column]->setFont(TahomaFont(11, true));
    lRecord[column]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  connect(lbPlayers, &QListWidget::itemSelectionChanged, this, [this] { ShowSelectedRecord(); });
}

QStringList TfrmPlayers::RecordLines(const TPlayerRecord& record) {
  const int64_t s = record.SecondsPlayed;
  const QString time = QString::asprintf("%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                                         static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
  QString levels = QString::number(record.LevelsPassed);
  if (record.RelaxedLevelsPassed > 0) levels += tr(" +%1 relaxed").arg(record.RelaxedLevelsPassed);
  return {tr("Games: %1").arg(record.GamesPlayed),
          tr("Levels: %1").arg(levels),
          tr("Time: %1").arg(time),
          tr("Rows: %1").arg(record.RowsCleared),
          tr("Longest chain: %1").arg(record.LongestChain),
          tr("Best level: $%1").arg(record.BestLevelMoney)};
}

void TfrmPlayers::ShowSelectedRecord() {
  const TPlayer* player = Players.Items(SelectedRow());
  const QStringList lines = player ? RecordLines(player->Record) : QStringList();
  lRecord[0]->setText(lines.mid(0, 3).join(QLatin1Char('\n')));
  lRecord[1]->setText(lines.mid(3, 3).join(QLatin1Char('\n')));
}
