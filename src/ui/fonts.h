#pragma once
// Registers the window font "Tahoma" from Wine's metric-compatible file when it is installed.
void RegisterGameFonts();

#include <QFont>

// "Tahoma" at a pixel height, bold or not: the font of every window.
QFont TahomaFont(int pixelHeight, bool bold);
// Puts another family in Tahoma's place (tests force a fallback font with it); empty restores.
void SetWindowFontFamily(const QString& family);

#include <optional>

#include <QString>

// The widest line of text in font.
int TextWidth(const QFont& font, const QString& text);
// The font, a pixel smaller at a time, until text fits width (never below 6 pixels). Text in
// another font than the one the window was laid out for may be wider.
QFont FittedFont(QFont font, const QString& text, int width);
class QWidget;
// What a label or button has to fit: its caption, the pixels its box leaves it and the font the
// window was laid out with (before FitCaptions made it smaller). None for a widget without a
// one-line plain caption.
struct TCaptionBox {
  QString text;
  int room;
  QFont font;
};
std::optional<TCaptionBox> CaptionBox(QWidget* widget);
// Every label and button in window whose caption does not fit its box gets its font made
// smaller until it does (each from its own size, so a shorter text grows back).
void FitCaptions(QWidget* window);

#include <QColor>
class QWidget;

// The colour a label or edit writes its text in.
void SetTextColor(QWidget* widget, const QColor& color);
