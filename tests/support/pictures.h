#pragma once
// Small pictures written by tests, and pixel reads in plain ARGB.

#include <cstdint>
#include <string>

#include <QColor>
#include <QImage>

// A w x h picture filled with one ARGB colour.
QImage SolidPicture(int width, int height, uint32_t argb);
// Saves a picture as a BMP file (no extension needed: the loader looks at the content).
void SavePicture(const QImage& image, const std::string& path);
// The un-premultiplied ARGB of one pixel.
uint32_t PixelARGB(const QImage& image, int x, int y);
// Relative luminance of an opaque colour (sRGB, 0 black to 1 white), and the contrast ratio of
// two luminances (1 : 1 to 21 : 1), as readability guidelines measure them.
double RelativeLuminance(QRgb colour);
double ContrastRatio(double luminanceA, double luminanceB);
// Keeps a picture of what a test looked at as <name>.png in the folder BRILLOR_SHOT_DIR names;
// nothing when it is not set.
void SaveShot(const QImage& image, const std::string& name);
