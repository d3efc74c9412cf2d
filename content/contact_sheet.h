#pragma once
// Review sheets, never installed: every picture on a neutral ground with its name, and level 1's
// play field composed the way the game draws it.

#include "content_folder.h"

// Writes "pictures.png" and "level1_field.png" into sheets; reads the level and picture files
// from game, which must already hold the generated files.
void WriteContactSheets(const TContentFolder& game, const TContentFolder& sheets);
