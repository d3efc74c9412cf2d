#pragma once
// Review sheets, never installed: every picture on a neutral ground with its name, level 1's
// play field composed the way the game draws it, and every sound and piece of music drawn as
// its waveform with its length and levels.

#include <vector>

#include <QRect>
#include <QSize>

#include "content_folder.h"
#include "sounds.h"

// Writes "pictures.png" and "level1_field.png" into sheets; reads the level and picture files
// from game, which must already hold the generated files.
void WriteContactSheets(const TContentFolder& game, const TContentFolder& sheets);
// Writes "sounds.png" into sheets.
void WriteSoundSheet(const TContentFolder& sheets, const std::vector<TNamedSound>& effects,
                     const std::vector<TNamedMusic>& music);

// Where the pictures and their names go on a sheet: left to right in rows of the given width.
struct TSheetItem {
  QSize picture;
  int labelWidth;
};
struct TSheetLayout {
  std::vector<QRect> pictures, labels;
  QSize size;
};
TSheetLayout LayOutSheet(const std::vector<TSheetItem>& items, int sheetWidth, int labelHeight);

// Length, peak and RMS of one channel, as written under its waveform: "1.23 s, peak -1.5 dBFS,
// RMS -17.4 dBFS".
std::string SoundFigures(const TSamples& samples);
