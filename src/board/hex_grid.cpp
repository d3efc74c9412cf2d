#include "board/hex_grid.h"


#include "frame/asset_names.h"
#include "frame/paths.h"

THexDirection NeighbourDirection(const TGmPoint& From, const TGmPoint& To) {
  const int32_t dRow = To.Row - From.Row;
  const int32_t dCol = To.Col - From.Col;
  if (dRow == 0) {
    if (dCol == -1) return DirLeft;
    if (dCol == 1) return DirRight;
    return DirNone;
  }
  if (dRow != -1 && dRow != 1) return DirNone;
  // In the row above or below, the left neighbour is in the same column for an odd row and one
  // column to the left for an even row.
  const int32_t leftCol = IsOddRow(From.Row) ? From.Col : From.Col - 1;
  if (To.Col == leftCol) return dRow < 0 ? DirUpperLeft : DirLowerLeft;
  if (To.Col == leftCol + 1) return dRow < 0 ? DirUpperRight : DirLowerRight;
  return DirNone;
}

std::string ArrowFile(const TGmPoint& From, const TGmPoint& To) {
  const THexDirection direction = NeighbourDirection(From, To);
  if (direction == DirNone) return {};
  return GamePath(Asset::FlowArrow(static_cast<int>(direction)));
}
