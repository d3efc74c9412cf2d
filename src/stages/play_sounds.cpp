#include "stages/play_sounds.h"

#include "frame/asset_names.h"
#include "frame/paths.h"
#include "stages/stage_music.h"

namespace {
// In the order of TPlaySound.
const char* const SoundFiles[] = {Asset::SoundRotate,     Asset::SoundDrop,          Asset::SoundCannotDrop,
                                  Asset::SoundClearLine,  Asset::SoundStart,         Asset::SoundHurryUp,
                                  Asset::SoundBreakup,    Asset::SoundLaser,         Asset::SoundLaserBreakout,
                                  Asset::SoundBox,        Asset::SoundBoom,          Asset::SoundCoin};
}  // namespace

std::string TPlaySounds::Load(TDXS* device) {
  std::string errors;
  for (size_t i = 0; i < sounds_.size(); ++i) {
    const std::string path = GamePath(SoundFiles[i]);
    try {
      sounds_[i] = std::make_unique<TDXSElem>(device, path, false);
    } catch (const std::exception& error) {
      NoteLoadError(errors, error, path);
      sounds_[i] = std::make_unique<TDXSElem>(nullptr, path, false);
    }
  }
  (*this)[TPlaySound::Laser].SetLoop(true);
  return errors;
}

void TPlaySounds::Restart(TPlaySound Which) const {
  (*this)[Which].Stop();
  (*this)[Which].Play();
}
