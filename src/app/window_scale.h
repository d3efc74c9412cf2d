#pragma once
// The window size chosen in the "More..." options. The game always draws at 640 x 560; Qt
// scales the finished window on its way to the screen and maps the mouse back, so the size is
// set before the application starts and a new choice is used from the next start. A size whose
// window does not fit the screen's free area is not used: the largest one that fits is. A scale
// factor the user set in the environment is left alone.

#include <cstdint>
#include <optional>
#include <string>

#include "frame/more_options.h"

// The QT_SCALE_FACTOR value for a window size in per cent; none at 100 %.
std::optional<std::string> ScaleFactorFor(int32_t scale);

// Reads the player's options (the folders are chosen as the game will choose them), measures
// the screen when a larger size is chosen and sets the scale factor; must run before the
// application object is made. Returns the size in use, in per cent.
int32_t UseChosenWindowSize(int argc, char** argv);
