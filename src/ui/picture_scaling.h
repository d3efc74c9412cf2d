#pragma once
// How pictures are scaled on their way to a larger window: by whole pixels (each picture pixel
// a sharp square) at whole-number scales, smoothly between them (150 %), where whole pixels
// would come out uneven.

#include <cmath>

#include <QPainter>

inline bool ScalesSmoothly(qreal devicePixelRatio) { return devicePixelRatio != std::floor(devicePixelRatio); }

inline void SetPictureScaling(QPainter& painter, qreal devicePixelRatio) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, ScalesSmoothly(devicePixelRatio));
}
