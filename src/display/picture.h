#pragma once
// Picture files and the per-pixel preparation every picture element shares. All of this runs
// once when a picture is loaded, never per frame.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QPen>

#include "frame/argb.h"


// No game picture comes near this many pixels a side; a header claiming more is damaged.
inline constexpr int MaxPictureSide = 4096;

// Loads a picture file, its format decided from its content (several game pictures have no
// extension). The name may be relative to the program directory. A missing, unreadable,
// damaged, cut short, oversized or non-picture file gives a null (0 x 0) image and is noted
// among the picture failures. The result is Format_ARGB32 (not premultiplied), ready for pixel
// work.
QImage LoadPicture(const std::string& file);

// A picture that could not be loaded: its full path and why ("the file is cut short").
struct TPictureFailure {
  std::string Path;
  std::string Reason;
};
// "Cannot load picture [path]: reason."
std::string PictureFailureText(const TPictureFailure& failure);
// The failures noted since the last call, oldest first. Each path is noted once in a run, however
// often it fails, so every failing picture is named once.
std::vector<TPictureFailure> TakePictureFailures();
// Called (empty: nobody) right after a failure is noted, so it can be taken and named.
void SetPictureFailureNotice(std::function<void()> notice);

// The picture with each pixel's alpha replaced by the red component of the mask pixel at the
// same position (walking the picture's own size; pixels beyond the mask become transparent).
QImage ApplyMask(const QImage& picture, const QImage& mask);
// A solid colour shape: alpha from the mask's red component, red/green/blue from color (the
// colour's own alpha is ignored).
QImage TintFromMask(const QImage& mask, TARGB color);
// Each pixel's alpha becomes its own red component (white-on-black pictures).
QImage AlphaFromRed(const QImage& picture);
// Pixels whose red, green and blue equal those of key become fully transparent.
QImage KeyOut(const QImage& picture, TARGB key);
// The form pictures are kept in for drawing.
QImage Drawable(const QImage& picture);

// A pen of the game's kind: flat caps, miter joins, the given ARGB colour and width.
QPen GamePen(TARGB color, qreal width);
