#pragma once
// What the running stage draws on, bottom to top: the display draws higher layers over lower.

#include <cstdint>

enum TPlayLayer : int32_t {
  LayerCells = 0,
  LayerCountdown = 3,
  LayerOutline = 3,
  LayerPreviewRows = 4,
  LayerEffects = 5,
  LayerSparks = 6,
  LayerBoxes = 7,
  LayerHeldSet = 10,
  LayerChainText = 11,
  LayerPreviewText = 11,
  LayerGameOver = 12,
  LayerTimeout = 49,
  // "Click to continue" over a level resumed from its file.
  LayerContinue = 50,
};
