#pragma once
// The game's icon: one gem in a gold setting, drawn afresh at each size the desktop asks for so
// that it stays crisp at 48 px.

#include <vector>

#include "drawing.h"

inline constexpr int IconSizes[] = {48, 64, 128, 256};

// One transparent square PNG per size, named "icons/<size>.png" below the resource folder.
std::vector<TNamedPicture> IconPictures();
