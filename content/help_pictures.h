#pragma once
// Pictures for the help page, made from the game's own pictures as the game shows them.

#include <string>

#include <QImage>

// The five plain gems above the five chip gems, on the play field.
QImage HelpGemsPicture();
// Gems above empty cells whose flow arrows lead to ringed end cells.
QImage HelpFlowPicture();
// The first frame of box kind 0 (clear gems), 1 (breakground) or 2 (laser), doubled.
QImage HelpBoxPicture(int kind);
// The play field with the countdown ring showing percentLeft of the time, its white at the
// given alpha (faint while waiting, brighter on a beat).
QImage HelpRingPicture(double percentLeft, int alpha);
// A full row lighting up as it clears.
QImage HelpClearedRowPicture();

// The picture as a PNG "data:" address, so the page carries its pictures inside itself.
std::string PngDataUri(const QImage& image);
