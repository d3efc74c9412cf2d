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
// Every picture with words on it, under the name the game reads it by (the main background under
// its resource name), drawn in the language of the translator installed.
std::vector<TNamedPicture> WordedPictures();
// For each translation "translations/brillor_<code>.qm" in the game folder, draws the pictures
// with words in its language into "translations/<code>/". Returns the codes drawn; throws
// std::runtime_error when a translation cannot be read or a picture written.
std::vector<std::string> WriteTranslatedPictures(const TContentFolder& game);
// Everything the game reads: pictures, sound effects, music, level files and the help page.
// Never writes the settings "dat/b00" or the roster "dat/b01".
void WriteGameFiles(const TContentFolder& game);
