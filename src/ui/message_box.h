#pragma once
// The game's message box: a wrapped message over OK and Cancel. Notices show it and ignore the
// answer; questions set the text, show it and act on OK.

#include <QLabel>

#include "ui/game_dialog.h"

class TfrmMessageBox : public TGameDialog {
  Q_OBJECT
 public:
  explicit TfrmMessageBox(QWidget* owner);

  void SetText(const QString& text);
  QString GetText() const;
  void ShowNotice(const QString& text);
  // SetText, then ShowModal: true when the player answered OK.
  bool Ask(const QString& text);

  QLabel* lMsg;
  // Line pitch of the message, in percent of the font's.
  static constexpr int LineHeightPercent = 130;

 private:
  QString text_;
};
