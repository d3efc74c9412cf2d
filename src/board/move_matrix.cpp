#include "board/move_matrix.h"

#include <string>

#include "frame/binary_stream.h"
#include "frame/errors.h"
#include "frame/translated.h"

namespace {
// Appended piece by piece: g++ 12 warns falsely (-Wrestrict) about "literal" + std::to_string.
std::string CellText(int32_t Row, int32_t Col) {
  std::string text = "(";
  text += std::to_string(Row);
  text += ", ";
  text += std::to_string(Col);
  text += ")";
  return text;
}

[[noreturn]] void FailFlow(int32_t Row, int32_t Col, const std::string& problem) {
  throw EGameError(
      FailureText(QT_TRANSLATE_NOOP("Failures", "Bad flow data: cell %1 %2"), {CellText(Row, Col), problem}));
}

const TGmPoint NoPoint{};
}  // namespace

TGmPointDynAry* TMoveMatrix::SourceList(int32_t Row, int32_t Col) {
  return IsOnBoard(Row, Col) ? &sources_[CellIndex(Row, Col)] : nullptr;
}

const TGmPointDynAry* TMoveMatrix::SourceList(int32_t Row, int32_t Col) const {
  return IsOnBoard(Row, Col) ? &sources_[CellIndex(Row, Col)] : nullptr;
}

TGmPoint* TMoveMatrix::SourceEntry(int32_t Row, int32_t Col, int32_t K) {
  TGmPointDynAry* list = SourceList(Row, Col);
  if (!list || K < 0 || K >= static_cast<int32_t>(list->size())) return nullptr;
  return &(*list)[K];
}

int32_t TMoveMatrix::SourceCount(int32_t Row, int32_t Col) const {
  const TGmPointDynAry* list = SourceList(Row, Col);
  return list ? static_cast<int32_t>(list->size()) : 0;
}

void TMoveMatrix::SetSourceCount(int32_t Row, int32_t Col, int32_t N) {
  if (TGmPointDynAry* list = SourceList(Row, Col)) list->resize(N > 0 ? N : 0);
}

TGmPoint TMoveMatrix::SourceAt(int32_t Row, int32_t Col, int32_t K) const {
  const TGmPointDynAry* list = SourceList(Row, Col);
  if (!list || K < 0 || K >= static_cast<int32_t>(list->size())) return NoPoint;
  return (*list)[K];
}

void TMoveMatrix::SetSourceAt(int32_t Row, int32_t Col, int32_t K, const TGmPoint& Point) {
  if (TGmPoint* entry = SourceEntry(Row, Col, K)) *entry = Point;
}

void TMoveMatrix::ClearSources(int32_t Row, int32_t Col) {
  if (TGmPointDynAry* list = SourceList(Row, Col)) list->clear();
}

int32_t TMoveMatrix::TargetCount(int32_t Row, int32_t Col) const {
  return IsOnBoard(Row, Col) ? static_cast<int32_t>(targets_[CellIndex(Row, Col)].size()) : 0;
}

TGmPoint TMoveMatrix::TargetAt(int32_t Row, int32_t Col, int32_t K) const {
  if (K < 0 || K >= TargetCount(Row, Col)) return NoPoint;
  return targets_[CellIndex(Row, Col)][K];
}

void TMoveMatrix::LoadFromStream(std::istream& Stream) {
  if (BytesLeft(Stream) < EmptyRecordSize) return;
  const std::streampos start = Stream.tellg();
  try {
    TCellLists sources = ReadSources(Stream);
    sources_.swap(sources);
  } catch (const EGameError&) {
    Stream.clear();
    Stream.seekg(start);
    throw;
  }
  DeriveTargets();
}

// Reads and checks the whole record before anything is replaced, so a bad file leaves the
// level that was there. Counts are checked against the bytes left before any list is sized.
TMoveMatrix::TCellLists TMoveMatrix::ReadSources(std::istream& Stream) {
  TCellLists sources;
  for (int32_t row = 0; row < BoardRows; ++row) {
    for (int32_t col = 0; col < BoardCols; ++col) {
      int32_t count = 0;
      if (!ReadInt32(Stream, count))
        FailFlow(row, col, FailureText(QT_TRANSLATE_NOOP("Failures", "has no source count: the data ends early")));
      if (count < 0)
        FailFlow(
            row, col,
            FailureText(QT_TRANSLATE_NOOP("Failures", "has a negative source count (%1)"), {std::to_string(count)}));
      if (int64_t{count} * 8 > BytesLeft(Stream))
        FailFlow(row, col,
                 FailureText(QT_TRANSLATE_NOOP("Failures", "lists %1 sources but the data ends first"),
                             {std::to_string(count)}));
      TGmPointDynAry& list = sources[CellIndex(row, col)];
      list.resize(count);
      for (TGmPoint& source : list) {
        ReadInt32(Stream, source.Row);
        ReadInt32(Stream, source.Col);
        if (!IsOnBoard(source))
          FailFlow(row, col,
                   FailureText(QT_TRANSLATE_NOOP("Failures", "has a source %1 off the board"),
                               {CellText(source.Row, source.Col)}));
        if (!AreNeighbours(MakeGmPoint(row, col), source))
          FailFlow(row, col,
                   FailureText(QT_TRANSLATE_NOOP("Failures", "has a source %1 that is not its neighbour"),
                               {CellText(source.Row, source.Col)}));
      }
    }
  }
  return sources;
}

void TMoveMatrix::DeriveTargets() {
  for (TGmPointDynAry& list : targets_) list.clear();
  endCells_.clear();
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col)
      for (const TGmPoint& source : sources_[CellIndex(row, col)])
        targets_[CellIndex(source)].push_back(MakeGmPoint(row, col));
  for (int32_t row = 0; row < BoardRows; ++row)
    for (int32_t col = 0; col < BoardCols; ++col)
      if (targets_[CellIndex(row, col)].empty()) endCells_.push_back(MakeGmPoint(row, col));
}

void TMoveMatrix::SaveToStream(std::ostream& Stream) const {
  for (const TGmPointDynAry& list : sources_) {
    WriteInt32(Stream, static_cast<int32_t>(list.size()));
    for (const TGmPoint& source : list) {
      WriteInt32(Stream, source.Row);
      WriteInt32(Stream, source.Col);
    }
  }
}
