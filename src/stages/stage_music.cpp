#include "stages/stage_music.h"

#include "frame/errors.h"
#include "frame/paths.h"

void NoteLoadError(std::string& errors, const std::exception& error, const std::string& path) {
  std::string message = error.what();
  if (message.find(path) == std::string::npos) message += " [" + path + "]";
  AppendLine(errors, message);
}

std::unique_ptr<TMCIPlayer> LoadStageMusic(const char* file, std::string& errors) {
  try {
    return std::make_unique<TMCIPlayer>(file);
  } catch (const std::exception& error) {
    NoteLoadError(errors, error, GamePath(file));
    return nullptr;
  }
}

void WithMusic(const std::unique_ptr<TMCIPlayer>& music, void (TMCIPlayer::*operation)()) {
  if (music) (music.get()->*operation)();
}

void RaiseLoadErrors(const std::string& errors) {
  if (!errors.empty()) throw EGameError(errors);
}
