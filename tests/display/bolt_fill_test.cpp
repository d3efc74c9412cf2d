// The bolt fill on its own: a many-segment bolt against its segments filled one at a time (a
// single segment's pixels are checked against Qt's stroke in same_pixels_test.cpp).

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <string>
#include <vector>

#include "display/bolt_fill.h"

namespace {

QImage Pattern() {
  QImage image(128, 160, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x * 2, 40 + y % 30 * 6, (x * y) % 251));
  return image;
}

// A bolt's pixels are those of its segments, whichever way the segments run and however often
// they come back over a row, and each is blended once however many segments cover it.
TEST(BoltFillTest, ABoltIsItsSegmentsPixelsBlendedOnce) {
  struct TCase {
    const char* name;
    std::vector<QLineF> segments;
    qreal width;
    QRgb color;
    QRect clip;  // none when empty
  };
  const TCase cases[] = {
      {"left to right",
       {{10, 50, 14, 47}, {14, 47, 19, 52.5}, {19, 52.5, 22, 49}, {22, 49, 29, 50}},
       3,
       0x90DCDCFF,
       {}},
      {"right to left", {{90, 50, 84, 53}, {84, 53, 80, 47.25}, {80, 47.25, 71, 50}}, 3, 0x90DCDCFF, {}},
      {"back over its rows",
       {{20, 20, 60, 24}, {60, 24, 25, 27}, {25, 27, 70, 22}, {70, 22, 15, 25}, {15, 25, 40, 23}},
       4,
       0x60FF8020,
       {}},
      {"level, upright and steep",
       {{30, 80, 60, 80}, {60, 80, 60, 110}, {60, 110, 40, 140}, {40, 140, 45, 90}},
       2.5,
       0xC0FFFFFF,
       {}},
      {"apart in one row", {{5, 100, 9, 101}, {30, 101, 26, 100}, {9.5, 100.5, 25, 100}}, 2, 0x90DCDCFF, {}},
      {"opaque", {{10, 10, 50, 14}, {50, 14, 12, 16}}, 3, 0xFFDCDCFF, {}},
      {"cut by a clip", {{0, 10, 120, 30}, {120, 30, 5, 40}, {5, 40, 100, 12}}, 5, 0x90DCDCFF, QRect(20, 15, 60, 20)},
  };
  for (const TCase& test : cases) {
    const QImage background = Pattern();
    auto fill = [&](QImage& image, const QLineF* segments, size_t count, QRgb color) {
      QPainter painter(&image);
      if (!test.clip.isEmpty()) painter.setClipRect(test.clip);
      TBoltFill bolt;
      bolt.Begin(painter);
      EXPECT_TRUE(bolt.Fill(segments, count, test.width, color)) << test.name;
    };
    QImage covered(background.size(), QImage::Format_RGB32);
    covered.fill(Qt::black);
    for (const QLineF& segment : test.segments) fill(covered, &segment, 1, 0xFFFFFFFF);
    QImage expected = background.copy();
    {
      QPainter painter(&expected);
      for (int y = 0; y < covered.height(); ++y)
        for (int x = 0; x < covered.width(); ++x)
          if (covered.pixel(x, y) != qRgb(0, 0, 0)) painter.fillRect(x, y, 1, 1, QColor::fromRgba(test.color));
    }
    QImage filled = background.copy();
    fill(filled, test.segments.data(), test.segments.size(), test.color);
    for (int y = 0; y < filled.height(); ++y)
      for (int x = 0; x < filled.width(); ++x)
        ASSERT_EQ(filled.pixel(x, y), expected.pixel(x, y)) << test.name << " at " << x << "," << y;
  }
}

}  // namespace
