#pragma once
// The level editor's stage: the board on the play field, where the designer links cells into
// the level's flow with two left clicks (the cell a gem comes from, then the neighbour it flows
// into) and paints starting gems with the right button. It keeps its own flow, parameters and
// board, reads and writes the level parameter file and the layout file, checks the level and
// hands it to the playing stage for a trial.
//
// Files are written aside and renamed, so a crash never leaves half a level. A file chosen in
// the game folder is written to the player's folder under the same name, where the game looks
// first for its levels.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "stages/hexa_set.h"
#include "stages/stage_list.h"

class TGmStage_Editor : public TGmStage {
 public:
  explicit TGmStage_Editor(TGmStageList* owner);
  ~TGmStage_Editor() override;

  static constexpr const char* StageName = "TGmStage_Editor";
  std::string ClassName() const override { return StageName; }
  void Init() override;
  void Enter() override;
  void Leave() override;
  void Pause() override {}
  // The "More..." options may have changed meanwhile: the gems follow the symbols choice.
  void Resume() override;

  // Clean background, flow arrows, end-cell markers (as of the last opened file), then gems.
  void Redraw();
  void ClearSelectedSources();
  // 255 empties the brush: right clicks then erase.
  void SetBrush(uint8_t Code);
  // A plain gem brush becomes its chip; any other brush is emptied.
  void ChipBrush();
  // The code a right click paints; 255 for an empty brush.
  uint8_t BrushCode() const { return brushCode_; }

  // Reads the flow and the parameters. A file that does not exist is a new level: nothing
  // changes and nothing is written yet. Returns the problems of a damaged file ("" when none);
  // what could be read is kept.
  std::string LoadLevel(const std::string& Name);
  // Writes the flow and the parameters under FileName; throws EGameError with the reason
  // (no file opened yet, cannot write) and then writes nothing.
  void SaveLevel();
  // Writes the board's 216 cell codes; throws EGameError when the file cannot be written.
  void SaveLayout(const std::string& Name);
  // Empties the board and reads a layout to paint on; returns its problems like LoadLevel.
  std::string LoadLayout(const std::string& Name);

  // The bytes of the two files as they would be saved, the level with the given parameters.
  std::string LevelBytes(const TStageParam& WithParams) const;
  std::string LayoutBytes() const;
  // Plays the level as it stands, with these parameters, in the playing stage, and comes back
  // here when the trial ends. Nothing of the editor changes.
  void PlayTrial(const TStageParam& WithParams);

  // Where a file the designer chose is written (the player's copy of a shipped file) and read
  // (the shipped file while the player has no copy).
  static std::string WritePathOf(const std::string& Name);
  static std::string ReadPathOf(const std::string& Name);

  void EditorMouse(uint8_t Kind, int32_t Button, float X, float Y);

  TMoveMatrix& MoveMatrix() { return Board->MoveMatrix; }

  std::unique_ptr<TDSPE_Flash> Cursor;
  std::unique_ptr<TDSPE_Flash> SelectionMark;
  std::unique_ptr<THexGeometry> Grid;
  std::unique_ptr<TDSPE_Text> Info;
  int32_t SelRow = -1;
  int32_t SelCol = -1;
  std::string FileName;
  std::unique_ptr<TStageParam> Params;
  std::unique_ptr<THexaSet> Brush;
  // The board and, in its MoveMatrix, the flow being edited.
  std::unique_ptr<TGmCells> Board;
  std::vector<std::unique_ptr<TDSPE_Static>> GemSprites;

  static constexpr TARGB CursorColor = MakeARGB(0x80, 0xFF, 0xFF, 0xFF);
  static constexpr TARGB SelectionColor = MakeARGB(0xFF, 0xFF, 0x64, 0x64);

 private:
  // The gems and the brush in the picture set the options ask for; true when it changed.
  bool ApplyGemPictures();
  void Stamp(uint8_t Code, TPointF At);
  void DrawArrow(const TGmPoint& From, const TGmPoint& To);
  void PaintCell(int32_t Row, int32_t Col, TPointF At);
  void LinkOrSelect(int32_t Row, int32_t Col, TPointF At);

  // The gem pictures carry symbols, as in play.
  bool symbolsShown_ = false;
  uint8_t brushCode_ = CellEmpty;  // the code the brush paints; the sprite only shows it
};

// The six parameter fields in their order: PassRows, AutoDropSec, BreakgrdCnt, LaserPower,
// BreakgroundPower, ClearGemsPower.
inline constexpr const char* ParamFieldNames[6] = {"PassRows",   "AutoDropSec",      "BreakgrdCnt",
                                                   "LaserPower", "BreakgroundPower", "ClearGemsPower"};
using TParamTexts = std::array<std::string, 6>;
TParamTexts ParamTexts(const TStageParam& Params);
// Stores the six texts into Params only when every one is a whole number in range; otherwise
// returns a message naming the first field that is not, and Params stays as it was.
std::string ReadParamTexts(const TParamTexts& Texts, TStageParam& Params);
// A whole decimal number with an optional sign, spaces around it allowed, within int32.
bool ReadWholeNumber(const std::string& Text, int32_t& Value);
