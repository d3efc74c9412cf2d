#include "ui/progress_box.h"

#include <QPainter>

#include "frame/rounding.h"
#include "stages/running_stage.h"

TLevelProgressBox::TLevelProgressBox(QWidget* parent, const TGmStageList* stages)
    : QWidget(parent), stages_(stages) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

int TLevelProgressBox::SplitAt(int width, float fraction) {
  const double split = RoundHalfEven(static_cast<double>(width) * fraction);
  // A level cleared past its target, or a damaged target, keeps the bar inside its box.
  if (!(split > 0)) return 0;
  return split > width ? width : static_cast<int>(split);
}

float TLevelProgressBox::Fraction() const {
  const auto* running = stages_ ? dynamic_cast<const TGmStage_Running*>(stages_->CurrentStage) : nullptr;
  if (!running || !running->Round || running->Round->Param.PassRows <= 0) return 0;
  return static_cast<float>(running->Round->RowsCleared) / static_cast<float>(running->Round->Param.PassRows);
}

void TLevelProgressBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int W = width(), H = height();
  const int p = SplitAt(W, Fraction());
  // Outlined one pixel inside each part, as a filled rectangle with a border.
  auto part = [&](int left, int right, QColor fill, QColor outline) {
    if (right <= left) return;
    painter.setPen(outline);
    painter.setBrush(fill);
    painter.drawRect(QRect(left, 0, right - left - 1, H - 1));
  };
  part(p, W, Qt::black, QColor(140, 120, 60));
  part(0, p, QColor(170, 35, 35), QColor(170, 170, 35));
}

