#include "audio/mci_player.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include <QUuid>

#include "audio/audio_device.h"
#include "audio/music_stream.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/safe_file.h"

TMCIPlayers MCIPlayers;

namespace {
std::string NewAlias() { return QUuid::createUuid().toString(QUuid::WithBraces).toUpper().toStdString(); }

// The full path of an existing file; "GetShortPathName err [%s]" for a missing one.
std::string ExistingFullPath(const std::string& fileName) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::canonical(GamePath(fileName), error);
  if (error || !std::filesystem::is_regular_file(path, error))
    throw EGameError(FormatMessage(QT_TRANSLATE_NOOP("Failures", "GetShortPathName err [%s]"), fileName));
  return path.string();
}

// The player's voice, or null when there is no output or no music in the file.
std::unique_ptr<TAudioVoice> LoadMusic(const std::string& path) {
  std::shared_ptr<TAudioDevice> device = TAudioDevice::Acquire();
  std::string bytes;
  if (!device || !ReadWholeFile(path, bytes)) return nullptr;
  std::unique_ptr<TMusicStream> stream = TMusicStream::Open(std::move(bytes));
  if (!stream) return nullptr;
  auto voice = std::make_unique<TAudioVoice>(std::move(device), std::move(stream));
  voice->SetLooping(true);
  return voice;
}
}  // namespace

TMCIPlayer::TMCIPlayer(const std::string& fileName) : ShortPath(ExistingFullPath(fileName)), Alias(NewAlias()) {
  voice_ = LoadMusic(ShortPath);
  SetVolume(MCIPlayers.Volume());
  MCIPlayers.Add(this);
}

TMCIPlayer::~TMCIPlayer() { MCIPlayers.Remove(this); }

void TMCIPlayer::Play() {
  if (!voice_) return;
  paused_ = false;
  voice_->Play();
}

void TMCIPlayer::Pause() {
  if (Mode() != MusicPlaying) return;
  paused_ = true;
  voice_->Halt();
}

void TMCIPlayer::Resume() {
  if (Mode() == MusicPaused) Play();
}

void TMCIPlayer::Stop() {
  if (!voice_) return;
  paused_ = false;
  voice_->Halt();
}

void TMCIPlayer::Rewind() {
  if (!voice_) return;
  paused_ = false;
  voice_->Stop();
}

void TMCIPlayer::SetVolume(int32_t value) {
  volume_ = std::clamp(value, 0, MusicVolumeMax);
  if (voice_) voice_->SetGain(static_cast<float>(volume_) / MusicVolumeMax);
}

TMusicMode TMCIPlayer::Mode() const {
  if (!voice_) return MusicStopped;
  if (voice_->Playing()) return MusicPlaying;
  return paused_ ? MusicPaused : MusicStopped;
}

void TMCIPlayer::Close() {
  voice_.reset();
  paused_ = false;
}

int64_t TMCIPlayer::Position() const { return voice_ ? voice_->Position() : 0; }

TMCIPlayers::~TMCIPlayers() {
  while (!items_.empty()) {
    TMCIPlayer* player = items_.back();
    player->Close();
    Remove(player);
  }
}

void TMCIPlayers::SetVolume(int32_t value) {
  if (value == volume_) return;
  for (TMCIPlayer* player : items_) player->SetVolume(value);
  volume_ = value;
}
