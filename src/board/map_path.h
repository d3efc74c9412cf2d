#pragma once
// The road of the level map: 46 points in surface pixels, one per level of a round. The map
// picture is drawn through them and the map stage marks them; big points are landmarks.

#include <array>
#include <cstdint>

struct TMapPoint {
  int32_t X;
  int32_t Y;
  bool Big;
};

inline constexpr int32_t MapPointCount = 46;

// Index 0 is point 1.
inline constexpr std::array<TMapPoint, MapPointCount> MapPoints{{
    {148, 68, false},  {141, 77, false},  {101, 141, false}, {86, 147, false},  {75, 173, false},
    {112, 207, false}, {163, 165, false}, {196, 196, false}, {198, 203, false}, {190, 210, false},
    {135, 226, true},  {148, 241, false}, {210, 253, false}, {183, 277, false}, {169, 314, false},
    {206, 333, true},  {190, 343, true},  {176, 354, true},  {182, 364, false}, {186, 389, false},
    {194, 391, false}, {189, 396, false}, {191, 407, false}, {177, 416, false}, {158, 448, true},
    {206, 420, false}, {229, 424, false}, {245, 417, false}, {259, 433, true},  {313, 311, false},
    {322, 302, false}, {331, 263, false}, {311, 253, false}, {335, 243, false}, {331, 217, false},
    {319, 203, false}, {335, 170, false}, {323, 165, false}, {316, 147, false}, {291, 142, false},
    {285, 219, true},  {270, 298, false}, {228, 307, false}, {220, 291, false}, {232, 282, false},
    {232, 246, true},
}};
