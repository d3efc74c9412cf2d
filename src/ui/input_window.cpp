#include "ui/input_window.h"

#include <utility>

#include <QValidator>

#include "ui/fonts.h"
#include "ui/message_box.h"

namespace {
// Names are stored as ISO-8859-1: a character beyond it could not be read back as typed.
class TLatin1Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    refusedCharacter_ = false;
    for (const QChar character : input)
      if (character.unicode() > 0xFF || !character.isPrint()) {
        refusedCharacter_ = true;
        return Invalid;
      }
    return Acceptable;
  }
  // Whether the input just refused held a character the roster cannot store (asked once).
  bool TakeRefusal() { return std::exchange(refusedCharacter_, false); }

 private:
  mutable bool refusedCharacter_ = false;
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
  auto* validator = new TLatin1Validator(eInput);
  eInput->setValidator(validator);
  // A refused character is named, not dropped without a word (a name too long just stops).
  connect(eInput, &QLineEdit::inputRejected, this, [this, validator] {
    if (validator->TakeRefusal()) messageBox_->ShowNotice(tr("A name can only hold Western European letters."));
  });
  AddButton(tr("OK"), 136, 88, [this] { Accept(); });
  AddButton(tr("Cancel"), 216, 88, [this] { Close(mrCancel); });
  OnEnter = [this] { Accept(); };
  eInput->setFocus();
}

void TfrmInput::SetPrompt(const QString& text) { lMsg->setText(text); }

void TfrmInput::Accept() {
  if (eInput->text().isEmpty()) {
    messageBox_->ShowNotice(tr("Not a valid value."));
    return;
  }
  Close(mrOK);
}
