#include "ui/input_window.h"

#include <QValidator>

#include "ui/fonts.h"
#include "ui/message_box.h"

namespace {
// Names are stored as ISO-8859-1: a character beyond it could not be read back as typed.
class TLatin1Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const QChar character : input)
      if (character.unicode() > 0xFF || !character.isPrint()) return Invalid;
    return Acceptable;
  }
};
}  // namespace

TfrmInput::TfrmInput(QWidget* owner, TfrmMessageBox* messageBox)
    : TGameDialog(owner, 316, 136), messageBox_(messageBox) {
  lMsg = new QLabel(this);
  lMsg->setGeometry(24, 24, 265, 14);
  eInput = new QLineEdit(this);
  eInput->setGeometry(24, 48, 265, 20);
  eInput->setFrame(false);
  eInput->setFont(TahomaFont(12, true));
  eInput->setMaxLength(MaxLength);
  eInput->setValidator(new TLatin1Validator(eInput));
  AddButton(QStringLiteral("OK"), 136, 88, [this] { Accept(); });
  AddButton(QStringLiteral("Cancel"), 216, 88, [this] { Close(mrCancel); });
  OnEnter = [this] { Accept(); };
  eInput->setFocus();
}

void TfrmInput::SetPrompt(const QString& text) { lMsg->setText(text); }

void TfrmInput::Accept() {
  if (eInput->text().isEmpty()) {
    messageBox_->ShowNotice(QStringLiteral("Not a valid value."));
    return;
  }
  Close(mrOK);
}
