#pragma once
// The window size chosen in the "More..." options. The game always draws at 640 x 560; Qt
// scales the finished window on its way to the screen (with smooth pictures) and maps the
// mouse back, so the size is set before the application starts and a new choice is used from
// the next start. A scale factor the user set in the environment is left alone.

#include <optional>
#include <string>

#include "frame/more_options.h"

// The QT_SCALE_FACTOR value for the options; none at 100 %.
std::optional<std::string> ScaleFactorFor(const TMoreOptions& options);

// Reads the player's options (the folders are chosen as the game will choose them) and sets
// the scale factor; must run before the application object is made.
void UseChosenWindowSize();
