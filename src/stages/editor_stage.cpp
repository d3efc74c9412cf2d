#include "stages/editor_stage.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <sstream>

#include <QCoreApplication>

#include "board/cell_codes.h"
#include "board/hex_grid.h"
#include "frame/asset_names.h"
#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/safe_file.h"
#include "frame/translated.h"
#include "stages/gem_stamps.h"
#include "play/level_rules.h"
#include "stages/running_stage.h"

namespace {
constexpr int32_t HexagonSize = 18;
const TPointF BoardOrigin{4, 0};
constexpr uint8_t BrushSpriteLayer = 10;

// The part of Name inside Folder, or nothing when Name lies elsewhere.
bool RelativeTo(const std::string& Folder, const std::string& Name, std::string& Relative) {
  const std::string name = NormalizeSeparators(Name);
  if (Folder.empty() || name.compare(0, Folder.size(), Folder) != 0) return false;
  Relative = name.substr(Folder.size());
  return true;
}

QRectF ArrowRect(TPointF CellPixel) { return QRectF(CellPixel.X + 9, CellPixel.Y + 9, 24, 24); }
}  // namespace

TGmStage_Editor::TGmStage_Editor(TGmStageList* owner) : TGmStage(owner) {}

TGmStage_Editor::~TGmStage_Editor() = default;

void TGmStage_Editor::Init() {
  TDSP* dsp = Owner->DSP.get();
  const int64_t interval = Owner->Clock->SecondsToTicks(0.2f);
  Brush = std::make_unique<THexaSet>(HexagonSize, BoardOrigin);
  Brush->SetVisible(false);
  Cursor = std::make_unique<TDSPE_Flash>(dsp, 3, CursorColor, interval);
  Cursor->Visible = false;
  SelectionMark = std::make_unique<TDSPE_Flash>(dsp, 3, SelectionColor, interval);
  SelectionMark->Visible = false;
  Grid = std::make_unique<THexGeometry>(HexagonSize, BoardOrigin);
  Info = std::make_unique<TDSPE_Text>(dsp, 10, QStringLiteral("arial"), 20, MakeARGB(255, 255, 255, 255),
                                      QCoreApplication::translate("EditorStage", "Editor"), 0, 400);
  Info->Visible = false;
  GemSprites.clear();
  symbolsShown_ = !Owner->More.Symbols;
  ApplyGemPictures();
  Params = std::make_unique<TStageParam>();
  Board = std::make_unique<TGmCells>();
  FileName.clear();
  SelRow = SelCol = -1;
  OnMouse = [this](uint8_t kind, int32_t button, float x, float y) {
    EditorMouse(kind, button, x, y);
  };
}

void TGmStage_Editor::Enter() {
  Cursor->Visible = true;
  Info->Visible = true;
  Brush->SetVisible(true);
  ApplyGemPictures();
  TDSP& dsp = *Owner->DSP;
  dsp.ReloadBackground();
  dsp.SaveBackground();
  Redraw();
}

void TGmStage_Editor::Resume() {
  if (ApplyGemPictures() && Owner->CurrentStage == this) Redraw();
}

bool TGmStage_Editor::ApplyGemPictures() {
  if (Owner->More.Symbols == symbolsShown_) return false;
  symbolsShown_ = Owner->More.Symbols;
  GemSprites.clear();
  for (uint8_t code : GemStampCodes) {
    GemSprites.emplace_back(TDSPE_Static::CreateMasked(Owner->DSP.get(), 0, GemPictureFile(code, symbolsShown_),
                                                       HexagonMaskFile(code), 0, 0));
    GemSprites.back()->Visible = false;
  }
  SetBrush(BrushCode());
  return true;
}

void TGmStage_Editor::Leave() {
  Cursor->Visible = false;
  SelectionMark->Visible = false;
  Info->Visible = false;
  Brush->SetVisible(false);
}

void TGmStage_Editor::Stamp(uint8_t Code, TPointF At) {
  TDSPE_Static* sprite = GemSprites[GemStampIndex(Code)].get();
  sprite->X = At.X;
  sprite->Y = At.Y;
  sprite->Visible = true;
  Owner->DSP->DrawElemOnBackground(sprite);
  sprite->Visible = false;
}

void TGmStage_Editor::DrawArrow(const TGmPoint& From, const TGmPoint& To) {
  const std::string arrow = ArrowFile(From, To);
  if (arrow.empty()) return;
  Owner->DSP->DrawMaskedOnBackground(arrow, arrow, ArrowRect(Grid->CellToPixel(From.Row, From.Col)));
}

void TGmStage_Editor::Redraw() {
  TDSP& dsp = *Owner->DSP;
  dsp.BlendSavedBackground(1);
  const TMoveMatrix& flow = Board->MoveMatrix;
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col)
      for (int32_t k = 0; k < flow.SourceCount(row, col); ++k)
        DrawArrow(flow.SourceAt(row, col, k), MakeGmPoint(row, col));
  const std::string endMarker = GamePath(Asset::EditorEndMarker);
  for (const TGmPoint& end : flow.EndCells())
    dsp.DrawMaskedOnBackground(endMarker, endMarker, ArrowRect(Grid->CellToPixel(end.Row, end.Col)));
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col) {
      const uint8_t code = Board->GetCell(row, col);
      if (code != CellEmpty) Stamp(code, Grid->CellToPixel(row, col));
    }
}

void TGmStage_Editor::ClearSelectedSources() {
  if (SelRow >= 0) Board->MoveMatrix.ClearSources(SelRow, SelCol);
  Redraw();
}

void TGmStage_Editor::SetBrush(uint8_t Code) {
  Brush->ClearSet();
  brushCode_ = Code;
  if (Code == CellEmpty) return;
  std::unique_ptr<TDSPElem> sprite(TDSPE_Static::CreateMasked(Owner->DSP.get(), BrushSpriteLayer,
                                                              GemPictureFile(Code, symbolsShown_),
                                                              HexagonMaskFile(Code), 0, 0));
  sprite->Visible = Brush->Visible;
  Brush->AddCell(0, 0, std::move(sprite));
}

void TGmStage_Editor::ChipBrush() {
  const uint8_t code = BrushCode();
  if (code != CellEmpty) SetBrush(IsPlainGem(code) ? code + ChipTier : CellEmpty);
}

void TGmStage_Editor::EditorMouse(uint8_t Kind, int32_t Button, float X, float Y) {
  int32_t row = 0, col = 0;
  Grid->PixelToCell(X, Y, row, col);
  const TPointF p = Grid->CellToPixel(row, col);
  if (Kind == MouseMove) {
    Cursor->X = p.X + 18;
    Cursor->Y = p.Y + 18;
    const int32_t len = IsOnBoard(row, col) ? Board->MoveMatrix.SourceCount(row, col) : 0;
    Info->Text = QCoreApplication::translate("EditorStage", "Row:%1 Col:%2 Len:%3, SelRow:%4 SelCol:%5")
                     .arg(row)
                     .arg(col)
                     .arg(len)
                     .arg(SelRow)
                     .arg(SelCol);
    Brush->SetOrigin(TPointF{X, Y});
  } else if (Kind == MouseDown && Button == mbRight) {
    if (IsOnBoard(row, col)) PaintCell(row, col, p);
  } else if (Kind == MouseDown && Button == mbLeft) {
    LinkOrSelect(row, col, p);
  }
}

void TGmStage_Editor::PaintCell(int32_t Row, int32_t Col, TPointF At) {
  const uint8_t code = BrushCode();
  Board->SetCell(Row, Col, code);
  if (code == CellEmpty)
    Redraw();
  else
    Stamp(code, At);
}

void TGmStage_Editor::LinkOrSelect(int32_t Row, int32_t Col, TPointF At) {
  if (SelRow < 0) {
    if (!IsOnBoard(Row, Col)) return;
    SelRow = Row;
    SelCol = Col;
    SelectionMark->X = At.X + 18;
    SelectionMark->Y = At.Y + 18;
    SelectionMark->Visible = true;
    return;
  }
  const TGmPoint from = MakeGmPoint(SelRow, SelCol);
  const TGmPoint to = MakeGmPoint(Row, Col);
  if (IsOnBoard(to) && !ArrowFile(from, to).empty()) {
    TMoveMatrix& flow = Board->MoveMatrix;
    const int32_t count = flow.SourceCount(Row, Col);
    flow.SetSourceCount(Row, Col, count + 1);
    flow.SetSourceAt(Row, Col, count, from);
    DrawArrow(from, to);
  }
  SelRow = SelCol = -1;
  SelectionMark->Visible = false;
}

// ---- Files ----

std::string TGmStage_Editor::WritePathOf(const std::string& Name) {
  std::string relative;
  if (ProgramDir() != PlayerDir() && RelativeTo(ProgramDir(), Name, relative)) return PlayerPath(relative);
  return NormalizeSeparators(Name);
}

std::string TGmStage_Editor::ReadPathOf(const std::string& Name) {
  std::string relative;
  std::error_code ignored;
  if (!std::filesystem::exists(NormalizeSeparators(Name), ignored) && RelativeTo(PlayerDir(), Name, relative))
    return GamePath(relative);
  return WritePathOf(Name);
}

std::string TGmStage_Editor::LoadLevel(const std::string& Name) {
  FileName = Name;
  const std::string path = ReadPathOf(Name);
  std::error_code ignored;
  // A new level: an empty file would hide the shipped level of that name from the game, so
  // nothing is made until the designer saves.
  if (!std::filesystem::exists(path, ignored)) return {};
  return LoadLevelParamFile(path, *Board, *Params);
}

std::string TGmStage_Editor::LevelBytes(const TStageParam& WithParams) const {
  std::ostringstream bytes;
  Board->MoveMatrix.SaveToStream(bytes);
  WithParams.SaveToStream(bytes);
  return bytes.str();
}

std::string TGmStage_Editor::LayoutBytes() const {
  std::ostringstream bytes;
  Board->SaveToStream(bytes);
  return bytes.str();
}

void TGmStage_Editor::SaveLevel() {
  if (FileName.empty()) throw EGameError(Translated("EditorStage", QT_TRANSLATE_NOOP("EditorStage", "No level file is open: choose one with \"Open\" first.")));
  const std::string path = WritePathOf(FileName);
  // A failure throws with the file and the system's reason.
  WriteFileSafely(path, LevelBytes(*Params));
}

void TGmStage_Editor::SaveLayout(const std::string& Name) {
  const std::string path = WritePathOf(Name);
  WriteFileSafely(path, LayoutBytes());
}

std::string TGmStage_Editor::LoadLayout(const std::string& Name) {
  Board->ClearCells();
  const std::string problem = LoadLayoutFile(ReadPathOf(Name), *Board);
  Redraw();
  return problem;
}

void TGmStage_Editor::PlayTrial(const TStageParam& WithParams) {
  auto* running = Owner->Find<TGmStage_Running>();
  if (!running) return;
  running->StartTrial({LevelBytes(WithParams), LayoutBytes(), ClassName()});
}

// ---- The parameter fields ----

TParamTexts ParamTexts(const TStageParam& Params) {
  return {std::to_string(Params.PassRows),   std::to_string(Params.AutoDropSec),
          std::to_string(Params.BreakgrdCnt), std::to_string(Params.LaserPower),
          std::to_string(Params.BreakgroundPower), std::to_string(Params.ClearGemsPower)};
}

bool ReadWholeNumber(const std::string& text, int32_t& value) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const size_t last = text.find_last_not_of(" \t");
  const std::string number = text.substr(first, last - first + 1);
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(number.c_str(), &end, 10);
  if (errno != 0 || end != number.c_str() + number.size() || !std::isdigit(static_cast<unsigned char>(number.back())))
    return false;
  if (parsed < std::numeric_limits<int32_t>::min() || parsed > std::numeric_limits<int32_t>::max()) return false;
  value = static_cast<int32_t>(parsed);
  return true;
}

std::string ReadParamTexts(const TParamTexts& Texts, TStageParam& Params) {
  std::array<int32_t, 6> values{};
  for (size_t i = 0; i < Texts.size(); ++i)
    if (!ReadWholeNumber(Texts[i], values[i]))
      return Translated("EditorStage", QT_TRANSLATE_NOOP("EditorStage", "%1 must be a whole number, not \"%2\"."),
                        {ParamFieldNames[i], Texts[i]});
  int32_t* fields[] = {&Params.PassRows,   &Params.AutoDropSec,      &Params.BreakgrdCnt,
                       &Params.LaserPower, &Params.BreakgroundPower, &Params.ClearGemsPower};
  for (size_t i = 0; i < values.size(); ++i) *fields[i] = values[i];
  return {};
}
