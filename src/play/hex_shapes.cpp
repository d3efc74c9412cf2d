#include "play/hex_shapes.h"

#include <array>
#include <vector>

#include "board/cell_codes.h"

namespace {
const std::array<std::vector<THexShapeCell>, HexShapeCount> Shapes = {{
    {{0, 0, White}, {0, -1, White}, {0, 1, White}, {0, 2, White}},
    {{0, 0, Red}, {-1, 0, Red}, {1, 0, Red}, {0, 1, Red}},
    {{0, 0, Blue}, {0, 1, Blue}, {-1, 1, Blue}, {1, 0, Blue}},
    {{0, 0, Blue}, {0, 1, Blue}, {-1, 2, Blue}, {-2, 1, Blue}},
    {{0, 0, Red}, {-1, 0, Red}, {1, 0, Red}, {1, -1, Red}},
    {{0, 0, Green}, {-1, 0, Green}, {0, 1, Green}, {1, 1, Green}},
    {{0, 0, Purple}, {-1, 0, Purple}, {1, 0, Purple}, {2, 0, Purple}},
    {{0, 0, Purple}, {-1, 0, Purple}, {1, 0, Purple}, {1, 1, Purple}},
    {{0, 0, Green}, {1, 0, Green}, {2, 0, Green}, {3, 0, Green}},
    {{0, 0, Red}},
    {{0, 0, Blue}, {0, 1, Blue}, {-1, 2, Blue}, {-2, 1, Blue}, {-1, 0, Blue}},
}};
}  // namespace

std::span<const THexShapeCell> HexShape(int32_t Shape) {
  if (Shape < 0 || Shape >= HexShapeCount) return {};
  return Shapes[Shape];
}
