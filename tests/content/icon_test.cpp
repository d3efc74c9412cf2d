// The game's icon: every size the desktop asks for, drawn as a hexagonal gem on transparency.

#include <QImage>
#include <gtest/gtest.h>

#include <set>

#include "pictures_icon.h"

TEST(Icon, EverySizeIsASquareGemOnTransparency) {
  std::set<int> sizes;
  for (const TNamedPicture& icon : IconPictures()) {
    const QImage& image = icon.image;
    const int size = image.width();
    sizes.insert(size);
    EXPECT_EQ(icon.file, "icons/" + std::to_string(size) + ".png");
    ASSERT_EQ(image.height(), size) << icon.file;
    ASSERT_TRUE(image.hasAlphaChannel()) << icon.file;
    // A pointy-top hexagon: its corners of the square stay clear, its middle and its top and
    // bottom points are solid.
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << icon.file << " corner " << corner.x() << "," << corner.y();
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << icon.file;
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 16)), 255) << icon.file << " top point";
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size - 1 - size / 32)), 255) << icon.file << " bottom point";
    // The stone is blue, so the icon matches the blue gems of the board even when small.
    const QColor stone = image.pixelColor(size * 3 / 4, size / 2);
    EXPECT_GT(stone.blue(), stone.red() + 40) << icon.file;
  }
  EXPECT_EQ(sizes, (std::set<int>{48, 64, 128, 256}));
}
