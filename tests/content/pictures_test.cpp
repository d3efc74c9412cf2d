// Every picture is read back the way the game reads it and held to its rule: exact sizes, masks
// lined up with their pictures, exact key colours, arrows pointing their way.

#include "pictures.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

#include "board/map_path.h"
#include "content_test_support.h"
#include "generator.h"

namespace {
class WrittenPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TScratchFolder;
    WritePictures(TContentFolder(folder_->Path()));
  }
  static void TearDownTestSuite() { delete folder_; }
  // Read from the written file with the format taken from its content, as the game does.
  static QImage Load(const std::string& name) {
    QImageReader reader(QString::fromStdString((folder_->Path() / name).string()));
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
  }
  static TScratchFolder* folder_;
};
TScratchFolder* WrittenPictures::folder_ = nullptr;

int Red(const QImage& image, int x, int y) { return qRed(image.pixel(x, y)); }
double Luminance(QRgb p) { return 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p); }

// Pixels near the key but not equal to it: the fringe that smooth drawing leaves, which would
// show as a coloured halo once the key is cut out.
int FringePixels(const QImage& image, QRgb key) {
  int fringe = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      const int distance = std::abs(qRed(p) - qRed(key)) + std::abs(qGreen(p) - qGreen(key)) + std::abs(qBlue(p) - qBlue(key));
      fringe += distance > 0 && distance < 30;
    }
  return fringe;
}
}  // namespace

TEST_F(WrittenPictures, HaveTheSizesTheGameDrawsThemAt) {
  const std::map<std::string, QSize> fixed{
      {"bmp/hexagon00.bmp", {36, 36}}, {"bmp/hexagon14.bmp", {36, 36}}, {"bmp/hexagonmask0.bmp", {36, 36}},
      {"bmp/hexagonmask1.bmp", {36, 36}}, {"bmp/lasergun0.bmp", {15, 30}}, {"bmp/lasergun1.bmp", {15, 30}},
      {"bmp/lambskin.bmp", {400, 500}}, {"bmp/map.bmp", {400, 500}},     {"bmp/orion.bmp", {400, 500}},
      {"dat/x00", {400, 500}},          {"dat/c01", {400, 500}},         {"dat/c00", {401, 501}},
      {"dat/c02", {24, 24}},            {"dat/c07", {24, 24}},           {"dat/c08", {24, 24}},
      {"bmp/arrow06.bmp", {24, 24}}};
  for (const auto& [name, size] : fixed) EXPECT_EQ(Load(name).size(), size) << name;
  EXPECT_EQ(Load("bmp/num.bmp").width(), 275);
  EXPECT_EQ(Load("bmp/num.bmp").size(), Load("bmp/nummask.bmp").size());
  EXPECT_EQ(Load("bmp/num2.bmp").width(), 132);
  EXPECT_EQ(Load("dat/x01").size(), Load("dat/x02").size());
  for (const char* strip : {"bmp/PandorasBox00.bmp", "bmp/PandorasBox01.bmp", "bmp/PandorasBox02.bmp",
                            "bmp/PandorasBox-1.bmp", "bmp/mappoint.bmp"})
    EXPECT_EQ(Load(strip).width() % 6, 0) << strip << " must split into six equal frames";
}

TEST_F(WrittenPictures, GemsFillTheirMasksAndStayApartInGreyscale) {
  std::vector<double> brightness;
  for (int code : {0, 1, 2, 3, 4, 10, 11, 12, 13, 14}) {
    const QImage gem = Load(QString::asprintf("bmp/hexagon%2.2d.bmp", code).toStdString());
    const QImage mask = Load(code < 10 ? "bmp/hexagonmask0.bmp" : "bmp/hexagonmask1.bmp");
    double sum = 0;
    int inside = 0, holes = 0;
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 36; ++x) {
        if (Red(mask, x, y) < 255) continue;
        ++inside;
        sum += Luminance(gem.pixel(x, y));
        holes += (gem.pixel(x, y) & 0xFFFFFF) == 0;
      }
    EXPECT_GT(inside, 36 * 36 / 2) << code;
    EXPECT_LT(holes, inside / 50) << code << ": the mask shows background the gem does not cover";
    if (code < 10) brightness.push_back(sum / inside);
  }
  for (size_t a = 0; a < brightness.size(); ++a)
    for (size_t b = a + 1; b < brightness.size(); ++b)
      EXPECT_GT(std::fabs(brightness[a] - brightness[b]), 15.0) << "colours " << a << " and " << b << " look alike in grey";
  // The hexagon mask of the plain gems is the board's cell: corners at the top and bottom centre.
  const QImage mask0 = Load("bmp/hexagonmask0.bmp");
  EXPECT_EQ(Red(mask0, 18, 1), 255);
  EXPECT_EQ(Red(mask0, 1, 1), 0);
  EXPECT_EQ(Red(mask0, 34, 34), 0);
}

TEST_F(WrittenPictures, SymbolGemsCarryAShapePerColourThatGreyAloneTellsApart) {
  for (int tier : {0, 10}) {
    // The symbol as seen in grey: where the picture differs clearly from the plain gem.
    std::vector<std::vector<bool>> shapes;
    for (int colour = 0; colour < 5; ++colour) {
      const int code = tier + colour;
      const QImage gem = Load(QString::asprintf("bmp/symbols/hexagon%2.2d.bmp", code).toStdString());
      const QImage plain = Load(QString::asprintf("bmp/hexagon%2.2d.bmp", code).toStdString());
      ASSERT_EQ(gem.size(), QSize(36, 36)) << code;
      EXPECT_GT(Luminance(gem.pixel(18, 18)), 200) << code << ": the symbol is light at the centre";
      std::vector<bool> shape;
      for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x)
          shape.push_back(std::fabs(Luminance(gem.pixel(x, y)) - Luminance(plain.pixel(x, y))) > 40);
      shapes.push_back(shape);
    }
    for (size_t a = 0; a < shapes.size(); ++a)
      for (size_t b = a + 1; b < shapes.size(); ++b) {
        int differing = 0;
        for (size_t i = 0; i < shapes[a].size(); ++i) differing += shapes[a][i] != shapes[b][i];
        EXPECT_GT(differing, 40) << "tier " << tier << ": symbols " << a << " and " << b << " look alike";
      }
  }
}

TEST_F(WrittenPictures, ChipsWearAGreySteelFrame) {
  for (int colour = 1; colour < 5; ++colour) {
    const QImage chip = Load(QString::asprintf("bmp/hexagon1%d.bmp", colour).toStdString());
    const QImage plain = Load(QString::asprintf("bmp/hexagon0%d.bmp", colour).toStdString());
    auto greyShare = [](const QImage& image) {
      int grey = 0, total = 0;
      for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
          const double r = std::hypot(x + 0.5 - 18, y + 0.5 - 18);
          if (r < 14 || r > 15.5) continue;  // the band where the frame lies
          const QRgb p = image.pixel(x, y);
          ++total;
          grey += std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) < 24;
        }
      return double(grey) / total;
    };
    EXPECT_GT(greyShare(chip), 0.7) << colour;
    EXPECT_LT(greyShare(plain), 0.3) << colour;
  }
}

TEST_F(WrittenPictures, FlowArrowsPointTheWayOfTheirDirection) {
  // c02..c07 show directions left, right, upper right, lower left, upper left, lower right. The
  // weight of each arrow (its red channel is its alpha) lies on its side of the picture.
  const double expected[6][2] = {{-1, 0}, {1, 0}, {0.5, -0.87}, {-0.5, 0.87}, {-0.5, -0.87}, {0.5, 0.87}};
  for (int d = 0; d < 6; ++d) {
    const QImage arrow = Load(QString::asprintf("dat/c%2.2d", d + 2).toStdString());
    double mx = 0, my = 0, total = 0;
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 24; ++x) {
        const double weight = Red(arrow, x, y);
        mx += weight * (x + 0.5 - 12);
        my += weight * (y + 0.5 - 12);
        total += weight;
      }
    ASSERT_GT(total, 0) << d;
    const double length = std::hypot(mx, my);
    EXPECT_GT((mx * expected[d][0] + my * expected[d][1]) / length, 0.9) << "arrow c" << d + 2;
  }
}

TEST_F(WrittenPictures, KeyedPicturesUseTheExactKeyWithoutAFringe) {
  const QRgb black = qRgb(0, 0, 0), red = qRgb(200, 0, 0), tan = qRgb(169, 145, 104);
  const std::pair<const char*, QRgb> keyed[] = {
      {"bmp/num2.bmp", red},          {"bmp/levelflag.bmp", tan},       {"dat/y01", black},
      {"bmp/lasergun0.bmp", black},   {"bmp/lasergun1.bmp", black},     {"bmp/PandorasBox00.bmp", black},
      {"bmp/PandorasBox01.bmp", black}, {"bmp/PandorasBox02.bmp", black}, {"bmp/Timeout.bmp", black}};
  for (const auto& [name, key] : keyed) {
    const QImage image = Load(name);
    int keyPixels = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) keyPixels += (image.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF);
    EXPECT_GT(keyPixels, 0) << name;
    EXPECT_LT(keyPixels, image.width() * image.height() * 9 / 10) << name << " shows almost nothing";
    EXPECT_EQ(FringePixels(image, key), 0) << name;
  }
  // The flag's cloth carries the level digits (x 286..334, y 38..63 on the map; flag at 240, 10).
  const QImage flag = Load("bmp/levelflag.bmp");
  for (int y = 28; y < 54; ++y)
    for (int x = 46; x < 95; ++x) ASSERT_NE(flag.pixel(x, y) & 0xFFFFFF, tan & 0xFFFFFF) << x << "," << y;
  // Each gun's beam leaves at its vertical middle, from the inner side.
  EXPECT_NE(Load("bmp/lasergun0.bmp").pixel(14, 15) & 0xFFFFFF, 0u);
  EXPECT_NE(Load("bmp/lasergun1.bmp").pixel(0, 15) & 0xFFFFFF, 0u);
}

TEST_F(WrittenPictures, DigitStripsKeepEachGlyphInItsOwnCell) {
  auto check = [](const QImage& ink, int cell, auto isInk, const char* name) {
    for (int i = 0; i < 11; ++i) {
      int inside = 0;
      for (int y = 0; y < ink.height(); ++y) {
        EXPECT_FALSE(isInk(ink.pixel(i * cell, y))) << name << " cell " << i << " touches its left edge";
        for (int x = i * cell; x < (i + 1) * cell; ++x) inside += isInk(ink.pixel(x, y));
      }
      EXPECT_GT(inside, 10) << name << " cell " << i << " is empty";
    }
  };
  check(Load("bmp/nummask.bmp"), 25, [](QRgb p) { return qRed(p) > 0; }, "nummask");
  check(Load("bmp/num2.bmp"), 12, [](QRgb p) { return (p & 0xFFFFFF) != 0xC80000; }, "num2");
}

TEST_F(WrittenPictures, MapAndConstellationMarkEveryMapPoint) {
  for (const char* name : {"bmp/map.bmp", "bmp/orion.bmp"}) {
    const QImage ink = Load(name);
    for (const TMapPoint& point : MapPoints) {
      int near = 0;
      for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) near += Red(ink, point.X + dx, point.Y + dy) > 128;
      EXPECT_GT(near, 4) << name << " at " << point.X << "," << point.Y;
    }
  }
}

TEST_F(WrittenPictures, DialogTileRepeatsWithoutSeams) {
  const QImage tile = Load("dat/c09");
  const int w = tile.width(), h = tile.height();
  auto columnStep = [&](int a, int b) {
    double sum = 0;
    for (int y = 0; y < h; ++y) sum += std::abs(Luminance(tile.pixel(a, y)) - Luminance(tile.pixel(b, y)));
    return sum / h;
  };
  auto rowStep = [&](int a, int b) {
    double sum = 0;
    for (int x = 0; x < w; ++x) sum += std::abs(Luminance(tile.pixel(x, a)) - Luminance(tile.pixel(x, b)));
    return sum / w;
  };
  // Across the tile's edge (last column to first) the paper changes no more than inside it.
  EXPECT_LT(columnStep(w - 1, 0), 2 * columnStep(w / 2 - 1, w / 2) + 1);
  EXPECT_LT(rowStep(h - 1, 0), 2 * rowStep(h / 2 - 1, h / 2) + 1);
}

TEST(ResourcePictures, ThumbnailsShowTheNineShapesInTheirColoursAndTheTenthIsEmpty) {
  const std::vector<TNamedPicture> pictures = ResourcePictures();
  std::map<std::string, QImage> byName;
  for (const auto& p : pictures) byName[p.file] = p.image;
  EXPECT_EQ(byName["main_background.png"].size(), QSize(640, 560));
  EXPECT_EQ(byName["medal.png"].size(), QSize(24, 31));
  EXPECT_EQ(byName["rotate_clockwise.png"].size(), QSize(50, 50));
  EXPECT_NE(byName["rotate_clockwise.png"], byName["rotate_anticlockwise.png"]);
  const int colours[9] = {0, 4, 3, 3, 4, 2, 1, 1, 2};
  for (int i = 0; i < 10; ++i) {
    const QImage thumb = byName["thumb" + std::to_string(i) + ".png"].convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(thumb.size(), QSize(16, 12));
    int opaque = 0, matching = 0;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 16; ++x) {
        const QRgb p = thumb.pixel(x, y);
        if (qAlpha(p) < 255) continue;
        ++opaque;
        if (i < 9) matching += (p & 0xFFFFFF) == (GemBaseColor(colours[i]).rgb() & 0xFFFFFF);
      }
    if (i == 9) {
      EXPECT_EQ(opaque, 0);
    } else {
      EXPECT_GT(matching, 12) << "thumbnail " << i;
    }
  }
}

TEST_F(WrittenPictures, GameOverCarriesALineUnderItsTitleSayingAClickGoesOn) {
  // The lost game waits for a click: the mask shows two bands of lettering, title and prompt.
  const QImage mask = Load("dat/x02");
  std::vector<std::pair<int, int>> bands;  // first and last row of each band
  for (int y = 0; y < mask.height(); ++y) {
    bool lettered = false;
    for (int x = 0; x < mask.width() && !lettered; ++x) lettered = Red(mask, x, y) > 128;
    if (!lettered) continue;
    if (bands.empty() || bands.back().second != y - 1) bands.push_back({y, y});
    else bands.back().second = y;
  }
  ASSERT_EQ(bands.size(), 2u);
  const int title = bands[0].second - bands[0].first, prompt = bands[1].second - bands[1].first;
  EXPECT_GT(title, 2 * prompt) << "the prompt is the smaller line";
  EXPECT_GT(prompt, 8) << "the prompt is large enough to read";
}

// The pictures with words are drawn again in each language whose translation is in the game
// folder, the same size as the English ones and with the words changed; the English ones stay.
TEST(TranslatedPictures, AreDrawnInEveryLanguageWithItsWords) {
  TScratchFolder folder;
  std::filesystem::create_directories(folder.Path() / "translations");
  for (const char* code : {"de", "ru"})
    std::filesystem::copy_file(std::string(BRILLOR_QM_DIR) + "/brillor_" + code + ".qm",
                               folder.Path() / "translations" / (std::string("brillor_") + code + ".qm"));
  const std::vector<TNamedPicture> english = WordedPictures();
  EXPECT_EQ(WriteTranslatedPictures(TContentFolder(folder.Path())), (std::vector<std::string>{"de", "ru"}));
  for (const TNamedPicture& picture : english) {
    SCOPED_TRACE(picture.file);
    for (const char* code : {"de", "ru"}) {
      const QImage drawn(QString::fromStdString((folder.Path() / "translations" / code / picture.file).string()));
      ASSERT_EQ(drawn.size(), picture.image.size()) << code;
      if (std::string(code) == "ru") {
        EXPECT_NE(drawn.convertToFormat(QImage::Format_RGB888), picture.image.convertToFormat(QImage::Format_RGB888));
      }
    }
  }
  // The translators are gone again: the English pictures come out as before.
  const std::vector<TNamedPicture> after = WordedPictures();
  for (size_t i = 0; i < english.size(); ++i) EXPECT_EQ(after[i].image, english[i].image) << english[i].file;

  std::filesystem::path damaged = folder.Path() / "translations" / "brillor_xx.qm";
  std::ofstream(damaged) << "not a translation";
  EXPECT_THROW(WriteTranslatedPictures(TContentFolder(folder.Path())), std::runtime_error);
}
