#include "ui/about_music.h"

#include "ui/game_application.h"

void TAboutMusic::Start() {
  try {
    Player = std::make_unique<TMCIPlayer>(FileName);
    Player->Play();
  } catch (const std::exception& error) {
    Player.reset();
    if (reported_) return;
    reported_ = true;
    TGameApplication::ShowError(error.what());
  }
}
