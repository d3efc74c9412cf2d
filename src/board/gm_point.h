#pragma once
// A board coordinate (Row, then Col) and the growable list of them used for flows and queues.

#include <cstdint>
#include <vector>

struct TGmPoint {
  int32_t Row = 0;
  int32_t Col = 0;
  friend bool operator==(const TGmPoint&, const TGmPoint&) = default;
};

using TGmPointDynAry = std::vector<TGmPoint>;

inline TGmPoint MakeGmPoint(int32_t Row, int32_t Col) { return TGmPoint{Row, Col}; }
