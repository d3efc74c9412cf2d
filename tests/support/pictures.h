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
