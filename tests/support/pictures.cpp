#include "support/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include <QImageWriter>

QImage SolidPicture(int width, int height, uint32_t argb) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(QColor::fromRgba(argb));
  return image;
}

void SavePicture(const QImage& image, const std::string& path) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  QImageWriter writer(QString::fromStdString(path), "bmp");
  writer.write(image);
}

uint32_t PixelARGB(const QImage& image, int x, int y) {
  return image.convertToFormat(QImage::Format_ARGB32).pixel(x, y);
}

namespace {
double LinearChannel(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(QRgb colour) {
  return 0.2126 * LinearChannel(qRed(colour)) + 0.7152 * LinearChannel(qGreen(colour)) +
         0.0722 * LinearChannel(qBlue(colour));
}

double ContrastRatio(double luminanceA, double luminanceB) {
  return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

void SaveShot(const QImage& image, const std::string& name) {
  if (const char* folder = std::getenv("BRILLOR_SHOT_DIR"))
    image.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png"));
}
