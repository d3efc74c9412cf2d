#pragma once
// The choice of the game folder and the player folder at start (paths.h uses them).
//
// The game folder is the executable's own folder when the game files lie beside it (a build or a
// copied game), else the data folder of an installed game (share/games/brillor beside the
// executable's games/ folder), else the executable's folder again so that missing files are
// named where they were looked for.
//
// The player folder is the game folder when the game runs beside its files and may write there,
// so a game run from its build folder keeps its settings and roster beside itself. An installed
// game, or one in a folder it cannot write, keeps them in $XDG_DATA_HOME/brillor/
// (~/.local/share/brillor/ when that is unset or not absolute), with the same "dat/..." names.

#include <functional>
#include <string>

// What the choice depends on, gathered once so that it can be decided for any machine.
struct TFolderFacts {
  std::string executableDir;
  std::string xdgDataHome;  // empty when unset
  std::string home;         // empty when unknown
  // Does the folder hold the game's files?
  std::function<bool(const std::string& folder)> holdsGameFiles;
  // May the game create its player files in the folder?
  std::function<bool(const std::string& folder)> mayWrite;
};

struct TGameFolders {
  std::string game;    // ends in '/'
  std::string player;  // ends in '/'
};

// Where an installed game's files lie, relative to the executable's folder.
const std::string& InstalledDataFromExecutable();

TGameFolders ChooseGameFolders(const TFolderFacts& facts);

// The facts of this machine: the environment, the home folder of the user, and the file system.
TFolderFacts MachineFacts(const std::string& executableDir);

// A folder holds the game's files when it has a "dat" folder.
bool HoldsGameFiles(const std::string& folder);
// True when a file can be created in the folder's "dat" (or in the folder, while it has none).
// Tried for real: permission bits say nothing for root, nor for read-only mounts.
bool MayWritePlayerFiles(const std::string& folder);

// Chooses the folders for this machine, makes them current for paths.h and creates the player's
// "dat" folder. Returns the folders chosen.
TGameFolders UseGameFolders(const std::string& executableDir);
