#pragma once
// The game's stages in their list: the title, the level in play, the level map and the editor.

#include <functional>
#include <string>

#include "stages/stage_list.h"

struct TGameStageHooks {
  // A level's files could not be read: the message for the player.
  std::function<void(const std::string&)> LevelError;
  // Rows cleared, the rows a level needs or the level left: the progress under the board changed.
  std::function<void()> ProgressChanged;
};

// Makes the four stages and readies each one. A stage whose music or sounds cannot be loaded is
// still whole, silent where a file is missing: what failed is returned, a line each, and the game
// plays on.
std::string CreateGameStages(TGmStageList& stages, const TGameStageHooks& hooks);
