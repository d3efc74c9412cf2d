#include "ui/message_box.h"

#include "ui/fonts.h"

TfrmMessageBox::TfrmMessageBox(QWidget* owner) : TGameDialog(owner, 292, 168) {
  lMsg = new QLabel(this);
  lMsg->setGeometry(16, 16, 257, 97);
  lMsg->setWordWrap(true);
  lMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lMsg->setFont(TahomaFont(12, true));
  lMsg->setTextFormat(Qt::RichText);
  SetTextColor(lMsg, Qt::white);
  AddButton(tr("OK"), 120, 128, [this] { Close(mrOK); });
  AddButton(tr("Cancel"), 204, 128, [this] { Close(mrCancel); });
}

void TfrmMessageBox::SetText(const QString& text) {
  text_ = text;
  // Wrapped lines get a gap, so the tails of one line keep clear of the next.
  QString lines = text.toHtmlEscaped();
  lines.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  lMsg->setText(QStringLiteral("<div style=\"line-height: %1%\">").arg(LineHeightPercent) + lines +
                QStringLiteral("</div>"));
}

QString TfrmMessageBox::GetText() const { return text_; }

void TfrmMessageBox::ShowNotice(const QString& text) {
  SetText(text);
  ShowModal();
}

bool TfrmMessageBox::Ask(const QString& text) {
  SetText(text);
  return ShowModal() == mrOK;
}
