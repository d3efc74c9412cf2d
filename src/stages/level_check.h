#pragma once
// The level editor's check: what would go wrong when the level is played, one line each, so
// the designer can mend it before saving.
//
// - flow cycles (gems could go round for ever),
// - cells from which no flow path reaches an end cell (gems there never settle),
// - cells that list the same neighbour as a source more than once,
// - layout rows that are complete before the first drop,
// - parameters outside sensible ranges.

#include <string>
#include <vector>

class TGmCells;
class TMoveMatrix;
class TStageParam;

// Sensible ranges of the parameters.
inline constexpr int MinPassRows = 1, MaxPassRows = 100;
inline constexpr int MinAutoDropSec = 2, MaxAutoDropSec = 120;
inline constexpr int MaxBreakgrdCnt = 216;
inline constexpr int MaxBoxPower = 1000;

// Empty when nothing is wrong. Lists of cells are cut short after a dozen.
std::vector<std::string> CheckLevel(const TMoveMatrix& Flow, const TGmCells& Layout, const TStageParam& Params);
// The lines as one text, or "No problems found.".
std::string CheckReport(const std::vector<std::string>& Problems);
