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

void TLevelMusic::Load(const char* playingFile, const char* lostFile, std::string& errors) {
  playing_ = LoadStageMusic(playingFile, errors);
  lost_ = LoadStageMusic(lostFile, errors);
}

void TLevelMusic::Start() {
  WithMusic(playing_, &TMCIPlayer::Rewind);
  WithMusic(playing_, &TMCIPlayer::Play);
}

void TLevelMusic::Lost() {
  WithMusic(playing_, &TMCIPlayer::Stop);
  WithMusic(lost_, &TMCIPlayer::Rewind);
  WithMusic(lost_, &TMCIPlayer::Play);
}

void TLevelMusic::Stop() {
  WithMusic(playing_, &TMCIPlayer::Stop);
  WithMusic(lost_, &TMCIPlayer::Stop);
}

void TLevelMusic::Pause() {
  for (TMCIPlayer* music : {playing_.get(), lost_.get()})
    if (music && music->Mode() == MusicPlaying) music->Pause();
}

void TLevelMusic::Resume() {
  for (TMCIPlayer* music : {playing_.get(), lost_.get()})
    if (music && music->Mode() == MusicPaused) music->Resume();
}
