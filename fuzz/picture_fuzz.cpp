// A picture file through our loader and the preparations pictures get (mask, tint, colour
// key): any bytes give a picture or the empty one, and every preparation keeps the size and
// sets alpha as it promises.

#include <QImageReader>

#include "display/picture.h"
#include "fuzz_support.h"

namespace {
void CheckPreparations(const QImage& picture) {
  const QImage masked = ApplyMask(picture, picture);
  const QImage tinted = TintFromMask(picture, MakeARGB(255, 10, 200, 30));
  const QImage keyed = KeyOut(picture, picture.pixel(0, 0));
  FuzzCheck(masked.size() == picture.size() && tinted.size() == picture.size() && keyed.size() == picture.size(),
            "a preparation changed the size");
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb pixel = picture.pixel(x, y);
      FuzzCheck(qAlpha(masked.pixel(x, y)) == qRed(pixel), "the mask did not set alpha from red");
      FuzzCheck(qAlpha(tinted.pixel(x, y)) == qRed(pixel), "the tint did not take alpha from red");
      if ((pixel & 0xFFFFFF) == (picture.pixel(0, 0) & 0xFFFFFF))
        FuzzCheck(qAlpha(keyed.pixel(x, y)) == 0, "the key colour stayed visible");
    }
  FuzzCheck(Drawable(masked).size() == picture.size(), "the drawable form changed the size");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = [] {
    StartFuzzApplication();
    // The largest game picture takes under 1 MB; a limit far below Qt's own keeps each run short
    // (mutated headers ask for huge pictures) while every real size still loads.
    QImageReader::setAllocationLimit(2);
    return true;
  }();
  (void)started;
  const QImage picture = LoadPicture(WriteFuzzFile("bmp/picture", FuzzBytes(data, size)));
  if (picture.isNull()) return 0;
  FuzzCheck(picture.format() == QImage::Format_ARGB32, "a loaded picture is not ready for pixel work");
  CheckPreparations(picture);
  return 0;
}
