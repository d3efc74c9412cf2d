#pragma once
// Background music: each TMCIPlayer plays one MP3 file, decoded as it plays, as a looping voice
// of the shared sound output; the global MCIPlayers lists them all and holds the one music volume, 0 (silent) to
// 1000 (full).
//
// Only a missing file is reported ("GetShortPathName err [%s]"). Every other trouble (no sound
// output, a damaged or non-MP3 file) leaves a silent player whose operations do nothing.

#include <cstdint>
#include <memory>
#include <string>

#include "audio/ref_list.h"

class TAudioVoice;

enum TMusicMode : int32_t { MusicPlaying = 0, MusicPaused = 1, MusicStopped = 2 };

inline constexpr int32_t MusicVolumeMax = 1000;

class TMCIPlayer {
 public:
  // Loads the file (a game name with either separator, or a full path) and decodes its first
  // moments, takes the shared volume and joins MCIPlayers; stopped at the start.
  explicit TMCIPlayer(const std::string& fileName);
  // Closes and leaves MCIPlayers.
  ~TMCIPlayer();
  TMCIPlayer(const TMCIPlayer&) = delete;
  TMCIPlayer& operator=(const TMCIPlayer&) = delete;

  // Plays from the current position, starting again at the end, endlessly.
  void Play();
  void Pause();
  // Continues a paused play; does nothing otherwise.
  void Resume();
  // Stops where it is.
  void Stop();
  // Stops and goes back to the start.
  void Rewind();
  // Clamped to 0..1000.
  void SetVolume(int32_t value);
  TMusicMode Mode() const;

  // Releases the output: from now on the player is silent. The music list closes the players
  // still alive this way at program end.
  void Close();

  bool Silent() const { return !voice_; }
  int32_t Volume() const { return volume_; }
  // Play position in frames of the output format.
  int64_t Position() const;

  // The file's full path.
  std::string ShortPath;
  // A new GUID, braces and upper case: unique per player.
  std::string Alias;

 private:
  std::unique_ptr<TAudioVoice> voice_;
  bool paused_ = false;
  int32_t volume_ = MusicVolumeMax;
};

// The players alive (not owned) and their shared volume.
class TMCIPlayers : public TRefList<TMCIPlayer> {
 public:
  TMCIPlayers() = default;
  // Closes every player still listed, last first.
  ~TMCIPlayers();
  TMCIPlayers(const TMCIPlayers&) = delete;
  TMCIPlayers& operator=(const TMCIPlayers&) = delete;

  int32_t Volume() const { return volume_; }
  // Sends the volume to every player once per change; the value is kept as given, each player
  // clamps it.
  void SetVolume(int32_t value);

 private:
  int32_t volume_ = MusicVolumeMax;
};

extern TMCIPlayers MCIPlayers;
