#pragma once
// The second page of the options: symbols on gems, a relaxed pace, the drop preview and the
// window size. Opened from the options window's "More..." button; OK keeps the choices,
// closing it any other way drops them.

#include <array>

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "frame/more_options.h"
#include "ui/game_dialog.h"

class TfrmMoreOptions : public TGameDialog {
  Q_OBJECT
 public:
  explicit TfrmMoreOptions(QWidget* owner);

  // Shows the given choices.
  void Prepare(const TMoreOptions& options);
  // The size chosen when the game started and the one used, smaller when the chosen one did
  // not fit the screen; the page says so while that choice stands.
  void SetScaleAtStart(int32_t chosen, int32_t inUse);
  // The choices as they stand in the window.
  TMoreOptions Choices() const;

  QCheckBox* cbSymbols;
  QCheckBox* cbRelaxed;
  QCheckBox* cbPreview;
  QCheckBox* cbRecords;
  std::array<QRadioButton*, 3> rbScale;
  QLabel* lScaleNote;

 private:
  QCheckBox* AddChoice(const QString& caption, const QString& hint, int top);
  void CreateScaleChoice(int top);

  int32_t chosenAtStart_ = 100;
  int32_t inUse_ = 100;
};
