#pragma once
// Every picture of the game, by group. Each function returns the pictures with the game-relative
// file names they are written to; the same lists feed the contact sheet.

#include <vector>

#include <QColor>
#include <QPointF>

#include "drawing.h"

// Gem body colours, index = gem colour (White, Purple, Green, Blue, Red). Their brightness steps
// apart so the colours stay distinct in greyscale too.
QColor GemBaseColor(int colour);

// hexagon00..04, hexagon10..14, hexagonmask0, hexagonmask1.
std::vector<TNamedPicture> GemPictures();
// The play field and what is drawn on it: x00, flow arrows, end markers, row flash, game over,
// time-out stamp, star, laser guns, chain digits, the three boxes.
std::vector<TNamedPicture> FieldPictures();
// Title and level map: lambskin, c01, map, orion, flag and its digits, map points, prompt.
std::vector<TNamedPicture> MapPictures();
// The pictures above with words on them: game over and its mask, the time-out stamp; the title,
// map, constellation, level flag and prompt.
std::vector<TNamedPicture> WordedFieldPictures();
std::vector<TNamedPicture> WordedMapPictures();
// Button faces and window backgrounds: ibt00..05, c00, c09.
std::vector<TNamedPicture> WindowPictures();
// Pictures compiled into the executable (names are resource paths below ":/pictures/").
std::vector<TNamedPicture> ResourcePictures();
// The main window's background, with its captions.
QImage MainBackground();

// Where the game draws the gem picture of a cell on the play field (its top-left corner); flow
// arrows and end markers go 9 pixels further right and down.
QPointF FieldCellTopLeft(int row, int col);
