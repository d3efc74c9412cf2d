#pragma once
// Registers the window font "Tahoma" from Wine's metric-compatible files when they are installed.
void RegisterGameFonts();

#include <QFont>

// "Tahoma" at a pixel height, bold or not: the font of every window.
QFont TahomaFont(int pixelHeight, bool bold);

#include <QColor>
class QWidget;

// The colour a label or edit writes its text in.
void SetTextColor(QWidget* widget, const QColor& color);
