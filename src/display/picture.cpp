#include "display/picture.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>

#include "frame/errors.h"
#include "frame/paths.h"
#include "frame/safe_file.h"
#include "frame/translated.h"

namespace {
// Pictures are loaded on the game thread only.
struct TFailureLog {
  std::set<std::string> Named;
  std::vector<TPictureFailure> Untaken;
  std::function<void()> Notice;
};

TFailureLog& FailureLog() {
  static TFailureLog log;
  return log;
}

void NoteFailure(const std::string& path, const std::string& reason) {
  TFailureLog& log = FailureLog();
  if (!log.Named.insert(path).second) return;
  log.Untaken.push_back({path, reason});
  if (log.Notice) log.Notice();
}

uint32_t Uint32At(const std::string& bytes, size_t offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
  return value;
}

uint16_t Uint16At(const std::string& bytes, size_t offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) | (static_cast<uint8_t>(bytes[offset + 1]) << 8));
}

std::string TooLarge(int64_t width, int64_t height) {
  return FailureText(QT_TRANSLATE_NOOP("Failures", "the picture is too large (%1 x %2)"),
                     {std::to_string(width), std::to_string(height)});
}

bool Oversized(int64_t width, int64_t height) {
  return std::llabs(width) > MaxPictureSide || std::llabs(height) > MaxPictureSide;
}

// What a BMP file's header rules out before any decoding ("" when nothing, or not a BMP file
// with a Windows header): a size past the bound, or fewer bytes than the header says the file
// or its uncompressed rows take. Qt decodes a file cut short without a complaint.
std::string BmpHeaderProblem(const std::string& bytes) {
  constexpr size_t HeaderEnd = 14 + 40;
  if (bytes.size() < HeaderEnd || bytes.compare(0, 2, "BM") != 0 || Uint32At(bytes, 14) < 40) return {};
  const int64_t width = static_cast<int32_t>(Uint32At(bytes, 18)), height = static_cast<int32_t>(Uint32At(bytes, 22));
  if (Oversized(width, height)) return TooLarge(width, height);
  const uint64_t fileSize = Uint32At(bytes, 2), pixelStart = Uint32At(bytes, 10);
  const uint64_t bitsPerPixel = Uint16At(bytes, 28), compression = Uint32At(bytes, 30);
  const bool uncompressed = compression == 0 || compression == 3;
  const auto rows = static_cast<uint64_t>(std::llabs(height)), columns = static_cast<uint64_t>(std::llabs(width));
  const uint64_t pixelEnd = uncompressed ? pixelStart + (columns * bitsPerPixel + 31) / 32 * 4 * rows : 0;
  return bytes.size() < std::max(fileSize, pixelEnd)
             ? FailureText(QT_TRANSLATE_NOOP("Failures", "the file is cut short"))
             : "";
}

// The picture, or a null image and why not.
QImage ReadPicture(const std::string& path, std::string& reason) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    std::error_code ignored;
    reason = std::filesystem::exists(path, ignored)
                 ? FailureText(QT_TRANSLATE_NOOP("Failures", "the file cannot be opened"))
                 : FailureText(QT_TRANSLATE_NOOP("Failures", "the file is missing"));
    return {};
  }
  reason = BmpHeaderProblem(bytes);
  if (!reason.empty()) return {};
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  // The size from the header, before anything is decoded.
  const QSize size = reader.size();
  if (Oversized(size.width(), size.height())) {
    reason = TooLarge(size.width(), size.height());
    return {};
  }
  QImage image = reader.read();
  if (!image.isNull() && reader.error() == QImageReader::UnknownError) return image;
  reason = reader.error() == QImageReader::UnsupportedFormatError
               ? FailureText(QT_TRANSLATE_NOOP("Failures", "the file is not a picture"))
               : FailureText(QT_TRANSLATE_NOOP("Failures", "the picture is damaged"));
  return {};
}
}  // namespace

QImage LoadPicture(const std::string& file) {
  if (file.empty()) return {};
  const std::string path = GamePath(file);
  std::string reason;
  const QImage image = ReadPicture(path, reason);
  if (image.isNull()) {
    NoteFailure(path, reason);
    return {};
  }
  return image.convertToFormat(QImage::Format_ARGB32);
}

std::string PictureFailureText(const TPictureFailure& failure) {
  return FormatMessage(QT_TRANSLATE_NOOP("Failures", "Cannot load picture [%s]"), failure.Path) + ": " +
         failure.Reason + ".";
}

std::vector<TPictureFailure> TakePictureFailures() { return std::exchange(FailureLog().Untaken, {}); }

void SetPictureFailureNotice(std::function<void()> notice) { FailureLog().Notice = std::move(notice); }

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
