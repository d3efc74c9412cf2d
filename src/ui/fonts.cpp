#include "ui/fonts.h"

#include <algorithm>
#include <optional>
#include <utility>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

void RegisterGameFonts() {
  // Only the regular face: Wine's bold face draws the window sizes (11 and 12 pixels) with the
  // very strokes of the regular one, so bold labels would not look bold; the bold Qt makes from
  // the regular face is a pixel heavier.
  const QString regular = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
  if (QFile::exists(regular)) QFontDatabase::addApplicationFont(regular);
}

namespace {
QString& WindowFontFamily() {
  static QString family;
  return family;
}

constexpr int SmallestPixelHeight = 6;
// Kept clear between a caption and its box's edges.
constexpr int CaptionMargin = 2;
constexpr const char* OwnPixelHeight = "brillorOwnPixelHeight";

void FitCaption(QWidget* widget) {
  const auto box = CaptionBox(widget);
  if (!box) return;
  if (!widget->property(OwnPixelHeight).isValid()) widget->setProperty(OwnPixelHeight, box->font.pixelSize());
  const QFont font = FittedFont(box->font, box->text, box->room);
  if (font != widget->font()) widget->setFont(font);
}
}  // namespace

void SetWindowFontFamily(const QString& family) { WindowFontFamily() = family; }

int TextWidth(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

std::optional<TCaptionBox> CaptionBox(QWidget* widget) {
  QFont font = widget->font();
  const QVariant own = widget->property(OwnPixelHeight);
  font.setPixelSize(own.isValid() ? own.toInt() : QFontInfo(font).pixelSize());
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (label->text().isEmpty() || label->wordWrap() || Qt::mightBeRichText(label->text())) return std::nullopt;
    return TCaptionBox{label->text(), label->contentsRect().width() - 2 * label->margin(), font};
  }
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (!button || button->text().isEmpty()) return std::nullopt;
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<QRadioButton*>(button)) contents = QStyle::SE_RadioButtonContents;
  if (qobject_cast<QCheckBox*>(button)) contents = QStyle::SE_CheckBoxContents;
  const int room = button->style()->subElementRect(contents, &option, button).width();
  return TCaptionBox{button->text(), room - 2 * CaptionMargin, font};
}

QFont FittedFont(QFont font, const QString& text, int width) {
  if (font.pixelSize() <= 0) font.setPixelSize(QFontInfo(font).pixelSize());
  while (font.pixelSize() > SmallestPixelHeight && TextWidth(font, text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}

void FitCaptions(QWidget* window) {
  for (QWidget* widget : window->findChildren<QWidget*>()) FitCaption(widget);
}

QFont TahomaFont(int pixelHeight, bool bold) {
  QFont font(WindowFontFamily().isEmpty() ? QStringLiteral("Tahoma") : WindowFontFamily());
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::WindowText, color);
  colours.setColor(QPalette::Text, color);
  widget->setPalette(colours);
}
