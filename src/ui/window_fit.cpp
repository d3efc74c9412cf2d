#include "ui/window_fit.h"

#include "frame/more_options.h"

namespace {
constexpr int WindowWidth = 640, WindowHeight = 560;
}  // namespace

bool WindowScaleFits(int32_t scale, QSize room) {
  return WindowWidth * scale / 100 <= room.width() && WindowHeight * scale / 100 + TitleBarRoom <= room.height();
}

int32_t LargestScaleThatFits(int32_t chosen, QSize room) {
  int32_t best = TMoreOptions::Scales[0];
  for (const int32_t scale : TMoreOptions::Scales)
    if (scale <= chosen && WindowScaleFits(scale, room)) best = scale;
  return best;
}
