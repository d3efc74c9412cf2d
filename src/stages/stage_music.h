#pragma once
// Music and load-failure helpers shared by the stages. A stage whose music or sounds cannot be
// loaded is still made whole, silent where the file is missing; the failures are raised once,
// together, at the end of its Init.

#include <exception>
#include <memory>
#include <string>

#include "audio/mci_player.h"

// Adds a load failure to the list of them, one line each, naming the file when the message does not.
void NoteLoadError(std::string& errors, const std::exception& error, const std::string& path);

// The music of a game file, or nothing (with the failure noted) when it cannot be loaded.
std::unique_ptr<TMCIPlayer> LoadStageMusic(const char* file, std::string& errors);

// Music that could not be loaded is absent; the stage goes on without it.
void WithMusic(const std::unique_ptr<TMCIPlayer>& music, void (TMCIPlayer::*operation)());

// Raises the noted failures as one error, when there are any.
void RaiseLoadErrors(const std::string& errors);

// A level's music: one piece while it is played, another once the game is lost. Either may be
// absent, when its file could not be loaded.
class TLevelMusic {
 public:
  void Load(const char* playingFile, const char* lostFile, std::string& errors);
  // The playing piece from its start.
  void Start();
  // The playing piece stops and the lost piece plays from its start.
  void Lost();
  void Stop();
  // Only a piece that is playing pauses, and only a paused one resumes.
  void Pause();
  void Resume();

 private:
  std::unique_ptr<TMCIPlayer> playing_;
  std::unique_ptr<TMCIPlayer> lost_;
};
