#pragma once
// The tune that plays while the high-score or options window is open. A tune that cannot be
// loaded leaves the window silent and usable; the failure is shown the first time only, so a
// missing file does not nag at every opening.

#include <memory>

#include "audio/mci_player.h"
#include "frame/asset_names.h"

class TAboutMusic {
 public:
  static constexpr const char* FileName = Asset::MusicAbout;

  void Start();
  void Stop() { Player.reset(); }

  std::unique_ptr<TMCIPlayer> Player;

 private:
  bool reported_ = false;
};
