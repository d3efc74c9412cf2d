#include "ui/image_button.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>

#include "display/picture.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "ui/fonts.h"

namespace {
// A face that could not be loaded: the size of the dialog buttons.
constexpr int DefaultWidth = 72;
constexpr int DefaultHeight = 24;
}  // namespace

TImgBtn::TImgBtn(QWidget* parent) : QWidget(parent) {
  resize(DefaultWidth, DefaultHeight);
  setCursor(Qt::PointingHandCursor);
}

void TImgBtn::LoadPicture(const std::string& file) {
  if (file == PictureFile) return;
  PictureFile = file;
  Picture = ::LoadPicture(file);
  update();
  if (Picture.isNull()) {
    resize(DefaultWidth, DefaultHeight);
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot load picture [%s]"), GamePath(file)));
  }
  resize(Picture.size());
}

QFont TImgBtn::CaptionFont() { return TahomaFont(11, true); }

void TImgBtn::SetCaption(const QString& text) {
  if (text == Caption) return;
  Caption = text;
  UpdateToolTip();
  update();
}

void TImgBtn::SetKeys(const QList<QKeyCombination>& keys) {
  keys_ = keys;
  UpdateToolTip();
}

bool TImgBtn::Answers(const QKeyEvent& event) const {
  // The keypad's keys count as the others.
  const QKeyCombination pressed(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key()));
  return keys_.contains(pressed);
}

void TImgBtn::UpdateToolTip() {
  QStringList names;
  for (const QKeyCombination key : keys_) names << QKeySequence(key).toString(QKeySequence::NativeText);
  setToolTip(names.isEmpty() ? QString() : QStringLiteral("%1 (%2)").arg(Caption, names.join(QStringLiteral(", "))));
}

void TImgBtn::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int w = width(), h = height();
  if (Picture.isNull())
    painter.fillRect(rect(), QColor(150, 120, 80));
  else
    painter.drawImage(0, 0, Picture);
  const QFont font = FittedFont(CaptionFont(), Caption, CaptionRoom());
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int x = (w - metrics.horizontalAdvance(Caption)) / 2;
  // Text is placed by the top of its box; Qt draws from the baseline.
  const int y = (h - metrics.height()) / 2 + metrics.ascent();
  // Embossed: a grey shadow below left, a black edge above right, light grey on top.
  painter.setPen(QColor(128, 128, 128));
  painter.drawText(x - 1, y + 1, Caption);
  painter.setPen(Qt::black);
  painter.drawText(x + 1, y - 1, Caption);
  painter.setPen(QColor(208, 208, 208));
  painter.drawText(x, y, Caption);
  painter.setBrush(Qt::NoBrush);
  if (Pressed) {
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawRect(QRect(1, 1, w - 2, h - 2));
  } else {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(QRect(0, 0, w - 1, h - 1));
  }
  if (hasFocus()) {
    painter.setPen(QPen(QColor::fromRgb(FocusMarkColor), 1, Qt::DotLine));
    painter.drawRect(QRect(3, 3, w - 7, h - 7));
  }
}

void TImgBtn::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: OnClick(); return;
    case Qt::Key_Left:
    case Qt::Key_Up: focusNextPrevChild(false); return;
    case Qt::Key_Right:
    case Qt::Key_Down: focusNextPrevChild(true); return;
    default: QWidget::keyPressEvent(event);
  }
}

void TImgBtn::mousePressEvent(QMouseEvent*) {
  Pressed = true;
  update();
}

void TImgBtn::mouseReleaseEvent(QMouseEvent*) {
  update();
  if (!Pressed) return;
  Pressed = false;
  OnClick();
}

void TImgBtn::mouseMoveEvent(QMouseEvent* event) {
  // While a button is held the moves come here even outside: off the face ends the press.
  if (!rect().contains(event->position().toPoint())) Release();
}

void TImgBtn::leaveEvent(QEvent*) { Release(); }

void TImgBtn::Release() {
  if (!Pressed) return;
  Pressed = false;
  update();
}

TBkgPaintBox::TBkgPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(parent->rect());
  parent->installEventFilter(this);
  lower();
}

void TBkgPaintBox::LoadPicture(const std::string& file) {
  if (file == PictureFile) return;
  PictureFile = file;
  Picture = ::LoadPicture(file);
}

bool TBkgPaintBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return false;
}

void TBkgPaintBox::paintEvent(QPaintEvent*) {
  if (Picture.isNull()) return;
  QPainter painter(this);
  const int W = width(), H = height();
  for (int y = 0; y < H; y += Picture.height())
    for (int x = 0; x < W; x += Picture.width()) painter.drawImage(x, y, Picture);
  const int d = 1;
  painter.setPen(QPen(QColor::fromRgb(FrameColor), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  const QPoint frame[] = {{d, d}, {d, H - d}, {W - d, H - d}, {W - d, d}, {d, d}};
  painter.drawPolyline(frame, 5);
}
