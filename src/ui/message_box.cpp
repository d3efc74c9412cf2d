#include "ui/message_box.h"

#include "ui/fonts.h"

TfrmMessageBox::TfrmMessageBox(QWidget* owner) : TGameDialog(owner, 292, 168) {
  lMsg = new QLabel(this);
  lMsg->setGeometry(16, 16, 257, 97);
  lMsg->setWordWrap(true);
  lMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lMsg->setFont(TahomaFont(12, true));
  SetTextColor(lMsg, Qt::white);
  AddButton(QStringLiteral("OK"), 120, 128, [this] { Close(mrOK); });
  AddButton(QStringLiteral("Cancel"), 204, 128, [this] { Close(mrCancel); });
}

void TfrmMessageBox::SetText(const QString& text) { lMsg->setText(text); }

QString TfrmMessageBox::GetText() const { return lMsg->text(); }

void TfrmMessageBox::ShowNotice(const QString& text) {
  SetText(text);
  ShowModal();
}

bool TfrmMessageBox::Ask(const QString& text) {
  SetText(text);
  return ShowModal() == mrOK;
}
