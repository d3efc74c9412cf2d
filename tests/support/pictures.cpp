#include "support/pictures.h"

#include <QImageWriter>

QImage SolidPicture(int width, int height, uint32_t argb) {
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(QColor::fromRgba(argb));
  return image;
}

void SavePicture(const QImage& image, const std::string& path) {
  QImageWriter writer(QString::fromStdString(path), "bmp");
  writer.write(image);
}

uint32_t PixelARGB(const QImage& image, int x, int y) {
  return image.convertToFormat(QImage::Format_ARGB32).pixel(x, y);
}
