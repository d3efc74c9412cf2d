#pragma once
// The whole generator: every file the game reads beside its executable, the pictures compiled
// into it, and the review sheets.

#include <string>
#include <vector>

#include "content_folder.h"
#include "drawing.h"

// Every picture written into the game folder (bmp/ and dat/).
std::vector<TNamedPicture> GamePictures();

void WritePictures(const TContentFolder& game);
// Pictures compiled into the executable (the game's icon among them), and the Qt resource list "pictures.qrc" naming them
// under the prefix ":/pictures".
void WriteResources(const TContentFolder& resources);
// Everything the game reads: pictures, sound effects, music, level files and the help page.
// Never writes the settings "dat/b00" or the roster "dat/b01".
void WriteGameFiles(const TContentFolder& game);
