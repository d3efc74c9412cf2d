#pragma once
// The options of the "More..." page: each is off by default, so the game plays as it always
// has until the player turns one on. They live in a small text file of their own, one
// "name=value" line each, so the 9-byte settings file keeps its layout.

#include <cstdint>
#include <string>

struct TMoreOptions {
  // Gems carry a shape for their colour.
  bool Symbols = false;
  // No countdown, no automatic drop, no hurry-up.
  bool RelaxedPace = false;
  // Rows the held set would complete and the money it would pay are shown before the drop.
  bool DropPreview = false;
  // The player list shows the selected player's record of play under its buttons.
  bool ShowRecords = false;
  // The window's size in percent of 640 x 560: 100, 150 or 200.
  int32_t WindowScale = 100;

  static constexpr int32_t Scales[] = {100, 150, 200};

  // Reads the file over the current values. A missing file keeps them silently; an unreadable
  // line or value is skipped and named in the returned text (one line each, the first few of
  // them), never fatal; a file too large or unreadable is not read and says why.
  std::string Load(const std::string& path);
  // Writes aside and renames. Throws EGameError with the file and the reason when it cannot be
  // written.
  void Save(const std::string& path) const;

  std::string Text() const;
  // Applies the lines of a file; returns the problems, one line each (the first few, then how
  // many more).
  std::string Parse(const std::string& text);

  bool operator==(const TMoreOptions&) const = default;
};

// The options file, relative to the player folder.
inline constexpr const char* MoreOptionsFileName = "dat/options.txt";
