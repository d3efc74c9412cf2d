#pragma once
// Which window size fits a screen. The game's window is 640 x 560 at 100 %; a larger size is
// used only when the whole window, its title bar included, fits the screen's free area.

#include <cstdint>

#include <QSize>

// Room kept above the window for a title bar the window system draws.
inline constexpr int TitleBarRoom = 32;

// Whether the window at scale (per cent) fits room (the screen's free area, in the screen's
// own pixels).
bool WindowScaleFits(int32_t scale, QSize room);
// The largest window size, no larger than chosen, that fits room; 100 when none does (the
// smallest size is used whatever the screen).
int32_t LargestScaleThatFits(int32_t chosen, QSize room);
