#include "display/picture.h"

#include <QImageReader>

#include "frame/paths.h"

QImage LoadPicture(const std::string& file) {
  if (file.empty()) return {};
  QImageReader reader(QString::fromStdString(GamePath(file)));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

namespace {
// Runs op(x, y, pixel) over every pixel of an ARGB32 copy of image and returns it premultiplied.
template <typename PixelOp>
QImage MapPixels(const QImage& image, PixelOp op) {
  if (image.isNull()) return {};
  QImage result = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < result.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < result.width(); ++x) line[x] = op(x, y, line[x]);
  }
  return result.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
}  // namespace

QImage ApplyMask(const QImage& picture, const QImage& mask) {
  const QImage maskArgb = mask.convertToFormat(QImage::Format_ARGB32);
  return MapPixels(picture, [&](int x, int y, QRgb pixel) {
    const int alpha = maskArgb.valid(x, y) ? qRed(maskArgb.pixel(x, y)) : 0;
    return qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), alpha);
  });
}

QImage TintFromMask(const QImage& mask, TARGB color) {
  return MapPixels(mask, [&](int, int, QRgb pixel) {
    return qRgba(qRed(color), qGreen(color), qBlue(color), qRed(pixel));
  });
}

QImage AlphaFromRed(const QImage& picture) {
  return MapPixels(picture, [](int, int, QRgb pixel) {
    return qRgba(qRed(pixel), qGreen(pixel), qBlue(pixel), qRed(pixel));
  });
}

QImage KeyOut(const QImage& picture, TARGB key) {
  const QRgb keyRgb = key & 0x00FFFFFFu;
  return MapPixels(picture, [&](int, int, QRgb pixel) {
    return (pixel & 0x00FFFFFFu) == keyRgb ? QRgb(0) : pixel;
  });
}

QImage Drawable(const QImage& picture) {
  if (picture.isNull()) return {};
  return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QPen GamePen(TARGB color, qreal width) {
  QPen pen(QColor::fromRgba(color));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}
