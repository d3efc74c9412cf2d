// A surface that composes only what changed: a frame in which nothing changed is neither
// composed nor handed on, and whatever changes, the frame shown is the one a full composition
// would give.

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <memory>
#include <string>
#include <vector>

#include <QPainter>

#include "display/dsp.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "frame/random.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

constexpr int64_t kFrequency = 1000;
constexpr int kWidth = 160, kHeight = 120;

class TCapture : public TFramePresenter {
 public:
  void PresentFrame(const QImage&, int, int, const QRegion& area) override {
    changed = area;
    ++frames;
  }
  QRegion changed;
  int frames = 0;
};

// Draws nothing, but its look is never the same: the surface it is on composes every frame
// whole, as every surface did before it learned to rest.
class TAlwaysNew : public TDSPElem {
 public:
  using TDSPElem::TDSPElem;
  void Update(int64_t) override {}
  void Draw() override {}
};

// Where two frames first differ, for the failure message.
std::string FirstDifference(const QImage& a, const QImage& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return std::to_string(x) + "," + std::to_string(y) + " (" + std::to_string(a.pixel(x, y)) + " against " +
               std::to_string(b.pixel(x, y)) + ")";
  return "nowhere";
}

// One of each element kind that keeps a look, on one surface.
struct TScene {
  explicit TScene(TDSP* dsp) {
    pictures = {new TDSPE_Static(dsp, 4, "bmp/pic.bmp", 10, 10, 1),
                TDSPE_Static::CreateKeyed(dsp, 6, "bmp/pic.bmp", 50, 20, 0.5f, 0xFF00FF00)};
    digits = TDSPE_String::CreateMasked(dsp, 7, "bmp/num.bmp", "bmp/num.bmp", 30, 60, 5);
    digits->Text = "*12";
    strip = new TDSPE_Animation(dsp, 5, "bmp/strip.bmp", 90, 40, 3, kFrequency / 20);
    outline = new TDSPE_Flash(dsp, 3, 0x80FFFF00, kFrequency / 10);
    outline->X = outline->Y = 60;
    ring = new TDSPE_Arc(dsp, 2, 70);
    ring->X = -40;
    ring->Y = -60;
    text = new TDSPE_Text(dsp, 8, "DejaVu Sans", 12, 0xFFFFFFFF, "Hi", 100, 80);
    all = {pictures[0], pictures[1], digits, strip, outline, ring, text};
  }
  std::vector<TDSPE_Static*> pictures;
  TDSPE_String* digits;
  TDSPE_Animation* strip;
  TDSPE_Flash* outline;
  TDSPE_Arc* ring;
  TDSPE_Text* text;
  std::vector<TDSPElem*> all;
};

class RestTest : public ::testing::Test {
 protected:
  RestTest() {
    QImage pattern(kWidth, kHeight, QImage::Format_ARGB32);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pattern.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, (x ^ y) % 256));
    SavePicture(pattern, dir.File("dat/x00"));
    QImage picture = SolidPicture(12, 9, 0xFFFF8000);
    picture.setPixel(3, 3, 0xFF00FF00);
    SavePicture(picture, dir.File("bmp/pic.bmp"));
    QImage strip(18, 6, QImage::Format_ARGB32);
    for (int x = 0; x < 18; ++x)
      for (int y = 0; y < 6; ++y) strip.setPixel(x, y, x % 6 == y ? 0xFF000000 : qRgb(40 * (x / 6) + 60, 200, 90));
    SavePicture(strip, dir.File("bmp/strip.bmp"));
    QImage digits(55, 7, QImage::Format_ARGB32);
    for (int x = 0; x < 55; ++x)
      for (int y = 0; y < 7; ++y) digits.setPixel(x, y, (x % 5 + y) % 3 ? qRgb(255, x * 4, 0) : qRgb(0, 0, 0));
    SavePicture(digits, dir.File("bmp/num.bmp"));
  }

  TTempProgramDir dir;
};

TEST_F(RestTest, AnUnchangedFrameIsNotSentAndASmallChangeSendsOnlyItsArea) {
  TCapture window;
  TDSP dsp(&window, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
  auto* picture = new TDSPE_Static(&dsp, 1, "bmp/pic.bmp", 10, 10, 1);
  dsp.Render(1);
  EXPECT_EQ(window.frames, 1);
  EXPECT_EQ(window.changed, QRegion(0, 0, kWidth, kHeight)) << "the first frame is sent whole";
  for (int64_t now = 2; now < 50; ++now) dsp.Render(now);
  EXPECT_EQ(window.frames, 1) << "time passing changes nothing here";

  picture->X = 100;
  dsp.Render(60);
  EXPECT_EQ(window.frames, 2);
  EXPECT_TRUE(window.changed.contains(QPoint(12, 12))) << "where it was";
  EXPECT_TRUE(window.changed.contains(QPoint(105, 15))) << "where it is";
  EXPECT_FALSE(window.changed.contains(QPoint(60, 60)));
  EXPECT_LT(window.changed.boundingRect().height(), 15);
  EXPECT_EQ(PixelARGB(dsp.BackBuffer(), 12, 12), PixelARGB(dsp.Background(), 12, 12));
  EXPECT_EQ(PixelARGB(dsp.BackBuffer(), 105, 15), 0xFFFF8000u);

  picture->Visible = false;
  dsp.Render(61);
  picture->Visible = false;
  dsp.Render(62);
  EXPECT_EQ(window.frames, 3) << "hiding is one change";
  delete picture;
  dsp.Render(63);
  EXPECT_EQ(window.frames, 3) << "freeing a hidden element changes nothing shown";
}

TEST_F(RestTest, EffectsThatShowNothingStillEndOnTime) {
  TCapture window;
  TDSP dsp(&window, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
  std::vector<std::string> ended;
  auto* fade = new TDSPE_FlashBmp(&dsp, 1, "bmp/missing.bmp", 5, 5, 0, true, 0.1f);
  fade->OnFinish = [&](int32_t) { ended.push_back("fade"); };
  auto* star = new TDSPE_Startlight(&dsp, 1, "bmp/missing.bmp", QPointF(5, 5));
  star->OnFinish = [&] { ended.push_back("star"); };
  new TDSPE_Lightning(&dsp, 1, 0xFFFFFFFF, 0, 5, 50, 5, 1, 1, 2, 3, 0, [&](float) { ended.push_back("bolt"); }, true);
  new TDSPE_Spark(&dsp, 1, 0xFFFFFFFF, 5, 5, 10, 0, 0, 0, 1, false);
  for (int frame = 1; frame <= 60; ++frame) dsp.Render(frame * kFrequency / 60);
  EXPECT_EQ(dsp.Elems().size(), 0u);
  EXPECT_EQ(ended, (std::vector<std::string>{"bolt", "fade", "star"}));
  EXPECT_EQ(window.frames, 1) << "nothing was ever shown but the first frame";
}

// Random edits of every kind, applied alike to a resting surface and to one composed whole
// every frame: after every frame both show exactly the same picture.
TEST_F(RestTest, WhateverChangesTheFrameEqualsAFullComposition) {
  TDSP resting(nullptr, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
  TDSP whole(nullptr, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
  new TAlwaysNew(&whole, -100);
  TScene a(&resting), b(&whole);
  // The same edit on both surfaces (anything random is picked before).
  auto both = [&](const std::function<void(TDSP&, TScene&)>& edit) {
    edit(resting, a);
    edit(whole, b);
  };
  RandomSeed(5);
  std::mt19937 pick(99);
  auto below = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
  int64_t now = kFrequency;
  for (int frame = 0; frame < 400; ++frame) {
    const int element = below(static_cast<int>(a.all.size()));
    const float x = static_cast<float>(below(200) - 20) + 0.25f * below(4), y = static_cast<float>(below(150) - 15);
    const int edit = below(12);
    switch (edit) {
      case 0: both([&](TDSP&, TScene& s) { s.all[element]->X = x, s.all[element]->Y = y; }); break;
      case 1: both([&](TDSP&, TScene& s) { s.all[element]->Visible = !s.all[element]->Visible; }); break;
      case 2: {
        const float alpha = 0.1f * static_cast<float>(below(11));
        both([&](TDSP&, TScene& s) { s.pictures[1]->SetAlpha(alpha); });
        break;
      }
      case 3: {
        const std::string text = std::to_string(below(1000)) + (below(2) ? "*" : "");
        both([&](TDSP&, TScene& s) { s.digits->Text = text; });
        break;
      }
      case 4: {
        const float percent = static_cast<float>(below(240) - 120);
        const auto alpha = static_cast<uint8_t>(below(2) ? 30 : 80);
        both([&](TDSP&, TScene& s) { s.ring->Percent = percent, s.ring->Alpha = alpha; });
        break;
      }
      case 5: {
        const TARGB color = below(2) ? 0x64FFFF00 : 0x96FF0000;
        both([&](TDSP&, TScene& s) { s.outline->SetColor(color); });
        break;
      }
      case 6: both([&](TDSP& dsp, TScene& s) { dsp.DrawElemOnBackground(s.pictures[0]); }); break;
      case 7: both([&](TDSP& dsp, TScene&) { dsp.DrawMaskedOnBackground("bmp/pic.bmp", "bmp/pic.bmp", QRectF(x, y, 7, 5)); }); break;
      case 8: {
        const int which = below(4);
        both([&](TDSP& dsp, TScene&) {
          if (which == 0) dsp.SaveBackground();
          if (which == 1) dsp.GrayBackground();
          if (which == 2) dsp.BlendSavedBackground(0.4f);
          if (which == 3) dsp.ReloadBackground();
        });
        break;
      }
      case 9: {
        const bool fadeIn = below(2);
        both([&](TDSP& dsp, TScene&) { new TDSPE_FlashBmp(&dsp, 9, "bmp/pic.bmp", x, y, 0, fadeIn, 0.05f); });
        break;
      }
      case 10: {
        const QString text = below(2) ? "Hi" : "Low";
        both([&](TDSP&, TScene& s) { s.text->Text = text; });
        break;
      }
      default: break;  // time alone moves the strip and the outline's pen
    }
    now += kFrequency / 60 + below(20);
    const int seed = below(1000);
    RandomSeed(seed);
    resting.Render(now);
    RandomSeed(seed);
    whole.Render(now);
    ASSERT_EQ(resting.BackBuffer(), whole.BackBuffer())
        << "frame " << frame << " after edit " << edit << " of element " << element << ", first at "
        << FirstDifference(resting.BackBuffer(), whole.BackBuffer());
  }
}

}  // namespace
