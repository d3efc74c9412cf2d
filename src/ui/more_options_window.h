#pragma once
// The second page of the options: symbols on gems, a relaxed pace, the drop preview and the
// window size. Opened from the options window's "More..." button; OK keeps the choices,
// closing it any other way drops them.

#include <array>

#include <QCheckBox>
#include <QRadioButton>

#include "frame/more_options.h"
#include "ui/game_dialog.h"

class TfrmMoreOptions : public TGameDialog {
  Q_OBJECT
 public:
  explicit TfrmMoreOptions(QWidget* owner);

  // Shows the given choices.
  void Prepare(const TMoreOptions& options);
  // The choices as they stand in the window.
  TMoreOptions Choices() const;

  QCheckBox* cbSymbols;
  QCheckBox* cbRelaxed;
  QCheckBox* cbPreview;
  QCheckBox* cbRecords;
  std::array<QRadioButton*, 3> rbScale;

 private:
  QCheckBox* AddChoice(const QString& caption, const QString& hint, int top);
  void CreateScaleChoice(int top);
};
