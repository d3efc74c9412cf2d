#include "ui/notice_box.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/game_dialog.h"

namespace {
// Widths the text is wrapped within, in pixels.
constexpr int NarrowestText = 260;
constexpr int WidestText = 460;
}  // namespace

TNoticeBox::TNoticeBox(QWidget* owner, QMessageBox::Icon icon, const QString& text)
    : QDialog(owner), text_(new QLabel(text)), area_(new QScrollArea) {
  setWindowTitle(QStringLiteral("Brillor I"));
  // The game's window font, set here: drawn inside that window it would be taken from there
  // only after the text was measured.
  setFont(TahomaFont(11, false));
  auto* picture = new QLabel;
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  const QStyle::StandardPixmap shape =
      icon == QMessageBox::Critical ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
  picture->setPixmap(style()->standardIcon(shape, nullptr, this).pixmap(iconSize, iconSize));
  picture->setAlignment(Qt::AlignTop);
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  area_->setWidget(text_);
  area_->setWidgetResizable(true);
  area_->setFrameShape(QFrame::NoFrame);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addWidget(area_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(buttons);
}

void TNoticeBox::FitInto(QSize room) {
  const QFontMetrics metrics(text_->font());
  int widest = 0;
  for (const QString& line : text_->text().split(QLatin1Char('\n')))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  const int textWidth = std::clamp(widest + 2, NarrowestText, WidestText);
  area_->setMinimumWidth(textWidth + area_->verticalScrollBar()->sizeHint().width());
  text_->setMinimumHeight(0);
  const int textHeight = text_->heightForWidth(textWidth);
  // What the notice needs beside its text: margins, the icon's column and the button row.
  layout()->activate();
  const QSize around = sizeHint() - area_->sizeHint().expandedTo(area_->minimumSize());
  area_->setMinimumHeight(std::min(textHeight, room.height() - around.height()));
  const QSize wanted(textWidth + around.width() + area_->verticalScrollBar()->sizeHint().width(),
                     textHeight + around.height());
  resize(wanted.boundedTo(room));
}

void TNoticeBox::Run() {
  QWidget* owner = parentWidget();
  QSize room;
  if (owner && TGameDialog::DrawnInside())
    room = owner->window()->size();
  else if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
    room = screen->availableGeometry().size() * 9 / 10;
  FitInto(room);
  ExecOverWindow(*this, owner);
}
