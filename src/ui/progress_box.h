#pragma once
// The level's progress under the board: cleared rows against the rows the level needs.

#include <QWidget>

#include "stages/stage_list.h"

class TLevelProgressBox : public QWidget {
  Q_OBJECT
 public:
  TLevelProgressBox(QWidget* parent, const TGmStageList* stages);
  // Where the done part ends for a fraction f of the width (rounded, halves to even; kept
  // inside the box).
  static int SplitAt(int width, float fraction);
  // RowsCleared / PassRows while a level is played, else 0.
  float Fraction() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TGmStageList* stages_;
};
