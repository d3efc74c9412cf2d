#include "ui/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

void RegisterGameFonts() {
  for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
    if (QFile::exists(QString::fromLatin1(file))) QFontDatabase::addApplicationFont(QString::fromLatin1(file));
}

QFont TahomaFont(int pixelHeight, bool bold) {
  QFont font(QStringLiteral("Tahoma"));
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
