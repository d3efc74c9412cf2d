#pragma once
// The title screen: parchment, the game's name in dark brown, the title music in a loop and a
// flashing prompt. Any click goes on to the level map. The game comes back here after a lost
// game and whenever the player changes.

#include <memory>
#include <string>

#include "audio/mci_player.h"
#include "display/picture_elements.h"
#include "stages/stage_list.h"
#include "stages/fading_prompt.h"

class TGmStage_Start : public TGmStage {
 public:
  static constexpr TARGB TitleColor = MakeARGB(255, 70, 40, 20);

  explicit TGmStage_Start(TGmStageList* owner);
  ~TGmStage_Start() override;

  static constexpr const char* StageName = "TGmStage_Start";
  std::string ClassName() const override { return StageName; }
  // Missing music leaves the title silent; the failure is raised once everything is made.
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override;
  void Resume() override;

  void ClickMouse(uint8_t Kind, int32_t Button, float X, float Y);

  // Absent when its file could not be loaded.
  std::unique_ptr<TMCIPlayer> Music;
  std::unique_ptr<TDSPE_Static> Backdrop;
  std::unique_ptr<TDSPE_Static> Title;
  std::unique_ptr<TFadingPrompt> Prompt;
};
