#include "ui/pause_cover.h"

#include <QCoreApplication>
#include <QPainter>

#include "ui/fonts.h"

TPauseCover::TPauseCover(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TPauseCover::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0, 0, 0, 150));
  painter.setFont(TahomaFont(36, true));
  painter.setPen(Qt::white);
  painter.drawText(rect(), Qt::AlignCenter, QCoreApplication::translate("TPauseCover", "Paused"));
}
