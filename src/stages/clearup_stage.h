#pragma once
// The level map between levels: a path of 46 points on parchment, the points of the levels
// already passed in this round of 46 marked and glowing, the point of the level about to be
// played blinking, and a flag with the level number. A click starts the level. After every
// 46th level the constellation of all 46 points is shown first; a click on it brings the map
// of the next round.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/mci_player.h"
#include "board/map_path.h"
#include "display/picture_elements.h"
#include "stages/stage_list.h"
#include "stages/fading_prompt.h"

// The point (1..46) of a level: levels 1..46 are points 1..46, level 47 is point 1 again.
int32_t MapPointOfLevel(int32_t Level);
// X of the tens digits on the flag: more digits grow to the left of the ones digit.
int32_t TensTextX(int32_t Level);

class TGmStage_Clearup : public TGmStage {
 public:
  static constexpr TARGB InkColor = MakeARGB(255, 70, 40, 20);
  static constexpr TARGB GlowColor = MakeARGB(255, 255, 200, 0);
  static constexpr int32_t OnesTextX = 322;

  explicit TGmStage_Clearup(TGmStageList* owner);
  ~TGmStage_Clearup() override;

  static constexpr const char* StageName = "TGmStage_Clearup";
  std::string ClassName() const override { return StageName; }
  // Missing music leaves the map silent; the failure is raised once everything is made.
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override;
  void Resume() override;

  void MapMouse(uint8_t Kind, int32_t Button, float X, float Y);
  void ConstellationMouse(uint8_t Kind, int32_t Button, float X, float Y);

  // Absent when its file could not be loaded.
  std::unique_ptr<TMCIPlayer> Music;
  std::unique_ptr<TDSPE_Static> Backdrop;
  std::unique_ptr<TDSPE_Static> Map;
  std::unique_ptr<TDSPE_Static> Constellation;
  std::unique_ptr<TDSPE_Static> LevelFlag;
  // The markers, glows and the blinking point of the visit, made by Enter and freed by Leave.
  std::vector<std::unique_ptr<TDSPElem>> Points;
  std::unique_ptr<TDSPE_String> TensText;
  std::unique_ptr<TDSPE_String> OnesText;
  // Set when a level that completes a round of 46 has been passed; cleared by the click on
  // the constellation.
  bool ShowConstellation = false;
  std::unique_ptr<TFadingPrompt> Prompt;

 private:
  // Point (1..46) marked as passed, with its glow.
  void MarkPassedPoint(int32_t Point);
  void ShowLevelNumber(int32_t Level);
  void ShowCurrentPoint(int32_t Point);
  template <typename Handler>
  void SetClickHandler(Handler handler);
};
