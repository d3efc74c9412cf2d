#pragma once
// How mouse events over the main window's board area, and the stages' keys, reach the current
// stage. Window
// coordinates are those of the 640 x 560 background; the stage gets playing-field coordinates
// shifted up and left by half a gem sprite, so a pointer position stands for the top-left
// corner of the sprite under it.

#include <QMouseEvent>

#include "stages/stage_list.h"

// The board rectangle in window coordinates.
inline constexpr int BoardLeft = 220, BoardTop = 18, BoardRight = 620, BoardBottom = 518;

// Moves are clamped into the board rectangle and always passed on.
void RouteMouseMove(TGmStageList& stages, int x, int y);
// Button-downs are passed on only inside the board rectangle. Releases are never passed on.
void RouteMouseDown(TGmStageList& stages, int32_t button, int x, int y);

// The button of a press; any other than right or middle counts as left.
int32_t ButtonOf(Qt::MouseButton button);

// The arrows, Z and X (turning anticlockwise and clockwise) and Return (either one) go to a
// current stage that takes keys while the game is not paused; true when the key went there.
bool RouteKey(TGmStageList& stages, int key);
