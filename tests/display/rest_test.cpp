// A surface that composes only what changed and sends only that: a frame in which nothing
// changed is neither composed nor handed on, slow changes may wait for the slow pace, and
// whatever changes, a screen that keeps only the parts sent shows exactly the frame a full
// composition gives, after every frame (the one of the last frame that left nothing waiting).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QPainter>

#include "display/dsp.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "frame/frame_pace.h"
#include "frame/random.h"
#include "support/kept_screen.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

constexpr int64_t kFrequency = 1000;
constexpr int kWidth = 160, kHeight = 120;

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

// The elements of one surface that edits reach: one of each kind that keeps a look, made by
// Build, and extras that edits and callbacks make and free.
struct TScene {
  void Build(TDSP& dsp) {
    pictures = {new TDSPE_Static(&dsp, 4, "bmp/pic.bmp", 10, 10, 1),
                TDSPE_Static::CreateKeyed(&dsp, 6, "bmp/pic.bmp", 50, 20, 0.5f, 0xFF00FF00)};
    digits = TDSPE_String::CreateMasked(&dsp, 7, "bmp/num.bmp", "bmp/num.bmp", 30, 60, 5);
    digits->Text = "*12";
    strip = new TDSPE_Animation(&dsp, 5, "bmp/strip.bmp", 90, 40, 3, kFrequency / 20);
    outline = new TDSPE_Flash(&dsp, 3, 0x80FFFF00, kFrequency / 10);
    outline->X = outline->Y = 60;
    ring = new TDSPE_Arc(&dsp, 2, 70);
    ring->X = -40;
    ring->Y = -60;
    text = new TDSPE_Text(&dsp, 8, "DejaVu Sans", 12, 0xFFFFFFFF, "Hi", 100, 80);
    fixed = {pictures[0], pictures[1], digits, strip, outline, ring, text};
  }
  // Frees the extra at index % count, if there is any.
  void FreeExtra(size_t index) {
    if (extras.empty()) return;
    const auto position = extras.begin() + static_cast<std::ptrdiff_t>(index % extras.size());
    TDSPElem* elem = *position;
    extras.erase(position);
    delete elem;
  }
  TDSPElem* Element(size_t index) const {
    return index < fixed.size() ? fixed[index] : extras[(index - fixed.size()) % extras.size()];
  }
  size_t Count() const { return fixed.size() + extras.size(); }

  std::vector<TDSPE_Static*> pictures;
  TDSPE_String* digits = nullptr;
  TDSPE_Animation* strip = nullptr;
  TDSPE_Flash* outline = nullptr;
  TDSPE_Arc* ring = nullptr;
  TDSPE_Text* text = nullptr;
  std::vector<TDSPElem*> fixed;
  std::vector<TDSPElem*> extras;
  // Bolts that never end.
  std::vector<TDSPElem*> bolts;
  int ended = 0;  // fades finished
};

// One scene on two surfaces: one that composes only what changed (letting slow changes wait
// for the slow pace, unless that is 0), seen through a screen that keeps only what was sent,
// and one composed whole every frame. Edits and frames go to both alike, with the same random
// numbers.
class TTwins {
 public:
  explicit TTwins(uint32_t seed, double slowFrameRate = SlowFrameRate) : pick_(seed) {
    new TAlwaysNew(&whole_, -100);
    resting_.SetSlowFrameRate(slowFrameRate);
  }

  // edit(surface, scene) on each surface, both times from the same random state.
  template <typename Edit>
  void Both(Edit edit) {
    const uint32_t seed = pick_();
    RandomSeed(seed);
    edit(resting_, scenes_[0]);
    RandomSeed(seed);
    edit(whole_, scenes_[1]);
  }
  // A frame at now on both surfaces: passes when the screen shows the whole frame, or while
  // slow changes wait, the whole frame of the last frame that left nothing waiting.
  ::testing::AssertionResult Frame(int64_t now) {
    Both([now](TDSP& dsp, TScene&) { dsp.Render(now); });
    if (resting_.Behind()) {
      ++framesBehind;
    } else {
      upToDate_ = whole_.BackBuffer().copy();
    }
    if (screen_.shown == upToDate_) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen differs from the whole frame first at "
                                         << FirstDifference(screen_.shown, upToDate_);
  }
  // Frames that left slow changes waiting.
  int framesBehind = 0;
  // A choice of 0..n-1 for the test's own decisions, apart from the game's random numbers.
  int Below(int n) { return static_cast<int>(pick_() % static_cast<uint32_t>(std::max(n, 1))); }
  const TScene& Scene() const { return scenes_[0]; }

 private:
  std::mt19937 pick_;
  // Outlive the surfaces, whose elements' callbacks reach them.
  std::array<TScene, 2> scenes_;
  TKeptScreen screen_;
  TDSP resting_{&screen_, kWidth, kHeight, 0, 0, "dat/x00", kFrequency};
  TDSP whole_{nullptr, kWidth, kHeight, 0, 0, "dat/x00", kFrequency};
  QImage upToDate_;
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
    QImage big(50, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 50; ++x) big.setPixel(x, y, qRgb(200 - x * 3, 60 + y * 4, 120));
    SavePicture(big, dir.File("bmp/big.bmp"));
    SavePicture(SolidPicture(kWidth, kHeight, 0xFF2080C0), dir.File("bmp/veil.bmp"));
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
  TKeptScreen window;
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

// Counts its Draws over a fixed area, and never changes.
class TCountsDraws : public TDSPElem {
 public:
  TCountsDraws(TDSP* dsp, QRect area) : TDSPElem(dsp, 5), area_(area) {}
  void Update(int64_t) override {}
  void Draw() override { ++Draws; }
  TDSPLook Look() const override { return {area_, {}}; }
  int Draws = 0;

 private:
  QRect area_;
};

// Changes far apart are composed each in its own rectangle, and what lies between them is not
// drawn again; close ones are composed as one.
TEST_F(RestTest, ChangesFarApartAreComposedApartAndWhatLiesBetweenIsLeftAlone) {
  struct TCase {
    const char* name;
    QPointF left, right;
    int drawsAfter;  // of the element between, after the first frame and one move of both
  };
  const TCase cases[] = {
      {"at opposite corners", {2, 2}, {140, 100}, 1},
      {"a few pixels either side", {40, 50}, {62, 50}, 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TDSP dsp(nullptr, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
    auto* left = new TDSPE_Static(&dsp, 1, "bmp/pic.bmp", c.left.x(), c.left.y(), 1);
    auto* right = new TDSPE_Static(&dsp, 1, "bmp/pic.bmp", c.right.x(), c.right.y(), 1);
    auto* between = new TCountsDraws(&dsp, QRect(53, 50, 8, 8));
    dsp.Render(1);
    left->Y += 1;
    right->Y += 1;
    dsp.Render(2);
    EXPECT_EQ(between->Draws, c.drawsAfter);
  }
}

TEST_F(RestTest, EffectsThatShowNothingStillEndOnTime) {
  TKeptScreen window;
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

// With the slow pace at 20 frames a second, a slow change (the ring running down, an outline's
// pulse, a long or a prompt's fade, a blink) waits when a frame was composed less than a slow
// frame ago, and shows within one; anything else shows in the frame it is made in. A picture
// moved at kick composes a frame just before each change.
TEST_F(RestTest, SlowChangesWaitForTheSlowPaceAndEveryOtherChangeShowsAtOnce) {
  struct TCase {
    const char* name;
    std::function<TDSPElem*(TDSP&)> make;
    std::function<void(TDSPElem&)> change;  // besides what time does
    int64_t kick, at;
    bool slow;
  };
  // Centred where its end shows: at 70 % the end is at the lower right.
  auto ring = [](TDSP& dsp) {
    auto* arc = new TDSPE_Arc(&dsp, 1, 70);
    arc->X = -40;
    arc->Y = -60;
    return arc;
  };
  auto outline = [](TDSP& dsp) {
    auto* flash = new TDSPE_Flash(&dsp, 1, 0xFFFFFF00, 100);
    flash->X = flash->Y = 50;
    return flash;
  };
  auto fade = [](float seconds, bool prompt) {
    return [=](TDSP& dsp) {
      auto* flash = new TDSPE_FlashBmp(&dsp, 1, "bmp/big.bmp", 20, 20, 0, true, seconds);
      flash->SlowFade = prompt;
      return flash;
    };
  };
  auto strip = [](int64_t interval) {
    return [=](TDSP& dsp) { return new TDSPE_Animation(&dsp, 1, "bmp/strip.bmp", 90, 40, 3, interval); };
  };
  auto nothing = [](TDSPElem&) {};
  const TCase cases[] = {
      {"ring running down", ring, [](TDSPElem& e) { static_cast<TDSPE_Arc&>(e).Percent = 69; }, 1050, 1055, true},
      {"ring brightening", ring, [](TDSPElem& e) { static_cast<TDSPE_Arc&>(e).Alpha = 80; }, 1050, 1055, false},
      {"ring moving", ring, [](TDSPElem& e) { e.X += 1; }, 1050, 1055, false},
      {"outline pulsing", outline, nothing, 1096, 1101, true},
      {"outline following the mouse", outline, [](TDSPElem& e) { e.X += 31; }, 1050, 1055, false},
      {"outline changing colour", outline,
       [](TDSPElem& e) { static_cast<TDSPE_Flash&>(e).SetColor(0xFFFF0000); }, 1050, 1055, false},
      {"picture moving", [](TDSP& dsp) { return new TDSPE_Static(&dsp, 1, "bmp/pic.bmp", 10, 10, 1); },
       [](TDSPElem& e) { e.Y += 1; }, 1050, 1055, false},
      {"prompt fading", fade(0.5f, true), nothing, 1050, 1055, true},
      {"long fade", fade(1.5f, false), nothing, 1050, 1055, true},
      {"short fade", fade(0.5f, false), nothing, 1050, 1055, false},
      {"blink", strip(60), nothing, 1056, 1061, true},
      {"quick strip", strip(30), nothing, 1056, 1087, false},
      {"digits", [](TDSP& dsp) { return TDSPE_String::CreateMasked(&dsp, 1, "bmp/num.bmp", "bmp/num.bmp", 30, 60, 5); },
       [](TDSPElem& e) { static_cast<TDSPE_String&>(e).Text = "7"; }, 1050, 1055, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TKeptScreen window;
    TDSP dsp(&window, kWidth, kHeight, 0, 0, "dat/x00", kFrequency);
    dsp.SetSlowFrameRate(20);
    auto* kicker = new TDSPE_Static(&dsp, 0, "bmp/pic.bmp", 140, 100, 1);
    TDSPElem* elem = c.make(dsp);
    dsp.Render(1000);
    kicker->X -= 1;
    dsp.Render(c.kick);
    ASSERT_EQ(window.frames, 2);
    c.change(*elem);
    dsp.Render(c.at);
    EXPECT_EQ(window.frames, c.slow ? 2 : 3);
    EXPECT_EQ(dsp.Behind(), c.slow);
    EXPECT_EQ(dsp.FullRate(), !c.slow);
    if (!c.slow) continue;
    dsp.Render(c.kick + 45);
    EXPECT_EQ(window.frames, 3) << "shown within a slow frame of the last";
    EXPECT_FALSE(dsp.Behind());
  }
}

// The countdown ring, centred on the surface so that each quarter shows part of it, jumping
// between ends in every quarter (both ways round), then counting down and dropping back to
// full from every point, brightening now and then as the hurry-up does.
TEST_F(RestTest, TheRingOnScreenIsWholeAfterEveryJumpAndDrop) {
  TTwins twins(1, 0);
  twins.Both([](TDSP& dsp, TScene& s) {
    s.ring = new TDSPE_Arc(&dsp, 2, 100);
    s.ring->X = -20;
    s.ring->Y = -40;
  });
  int64_t now = kFrequency;
  auto show = [&](float percent, uint8_t alpha) {
    twins.Both([&](TDSP&, TScene& s) { s.ring->Percent = percent, s.ring->Alpha = alpha; });
    return twins.Frame(now += 17);
  };
  const float ends[] = {100, 97, 80, 70, 55, 45, 30, 20, 5, 0.5f, 0, -5, -30, -45, -55, -80, -100, 130};
  for (float from : ends)
    for (float to : ends) {
      ASSERT_TRUE(show(from, 30)) << "at " << from << " %";
      ASSERT_TRUE(show(to, 30)) << "jumping from " << from << " % to " << to << " %";
    }
  for (float left = 100; left >= 0; left -= 0.5f) {
    const auto alpha = static_cast<uint8_t>(static_cast<int>(left) % 9 == 0 ? 80 : 30);
    ASSERT_TRUE(show(left, alpha)) << "counting down at " << left << " %";
    ASSERT_TRUE(show(100, 30)) << "dropping at " << left << " %";
  }
}

// A fade whose end makes an element on some layer, or frees one, among translucent pictures on
// layers 1, 3 and 5 (so a picture drawn twice or not at all shows). In the frame the fade ends
// a veil over everything appears, so that frame is sent whole and anything it got wrong would
// stay on screen.
TEST_F(RestTest, FadesEndingMakeOrFreeElementsOnAnyLayerAndTheScreenStaysWhole) {
  struct TCase {
    int fadeLayer;
    bool make;  // else free
    int layer;  // of the element made or freed
  };
  std::vector<TCase> cases;
  for (int fadeLayer : {0, 2, 4, 6}) {
    for (int layer = 0; layer <= 6; ++layer) cases.push_back({fadeLayer, true, layer});
    for (int layer : {1, 3, 5}) cases.push_back({fadeLayer, false, layer});
  }
  for (const TCase& c : cases) {
    SCOPED_TRACE("fade on layer " + std::to_string(c.fadeLayer) + (c.make ? " making" : " freeing") +
                 " an element on layer " + std::to_string(c.layer));
    TTwins twins(7);
    twins.Both([&](TDSP& dsp, TScene& s) {
      for (int layer : {1, 3, 5})
        s.extras.push_back(new TDSPE_Static(&dsp, layer, "bmp/big.bmp", 8.0f * layer, 6.0f * layer, 0.5f));
      s.pictures = {new TDSPE_Static(&dsp, 9, "bmp/veil.bmp", 0, 0, 0.3f)};
      s.pictures[0]->Visible = false;
      auto* fade = new TDSPE_FlashBmp(&dsp, c.fadeLayer, "bmp/pic.bmp", 30, 25, 0, true, 0.045f);
      fade->OnFinish = [&dsp, &s, c](int32_t) {
        ++s.ended;
        if (c.make) {
          s.extras.push_back(new TDSPE_Static(&dsp, c.layer, "bmp/big.bmp", 70, 50, 0.5f));
          return;
        }
        const auto freed = std::find_if(s.extras.begin(), s.extras.end(),
                                        [&](const TDSPElem* e) { return e->Layer == c.layer; });
        s.FreeExtra(static_cast<size_t>(freed - s.extras.begin()));
      };
    });
    // The fade starts on the first frame and ends on the sixth, 0.05 s later.
    for (int frame = 0; frame < 9; ++frame) {
      if (frame == 5) twins.Both([](TDSP&, TScene& s) { s.pictures[0]->Visible = true; });
      ASSERT_TRUE(twins.Frame(kFrequency + 10 * frame)) << "frame " << frame;
      ASSERT_EQ(twins.Scene().ended, frame < 5 ? 0 : 1) << "frame " << frame;
    }
  }
}

// A calm scene: the ring running down, the outline pulsing, the strip blinking and a long fade,
// with a picture moved now and then. Slow changes wait for the slow pace, and the screen is
// whole after every frame.
TEST_F(RestTest, WhileOnlySlowThingsChangeTheScreenIsWholeAfterEveryFrame) {
  TTwins twins(3);
  twins.Both([](TDSP& dsp, TScene& s) {
    s.Build(dsp);
    new TDSPE_FlashBmp(&dsp, 1, "bmp/big.bmp", 20, 30, 0, true, 3.0f);
  });
  int64_t now = kFrequency;
  for (int frame = 0; frame < 300; ++frame) {
    twins.Both([frame](TDSP&, TScene& s) {
      s.ring->Percent = 100 - 0.3f * static_cast<float>(frame);
      if (frame % 23 == 0) s.pictures[0]->X = static_cast<float>(frame % 50);
    });
    ASSERT_TRUE(twins.Frame(now += kFrequency / 60)) << "frame " << frame;
  }
  EXPECT_GT(twins.framesBehind, 150) << "two frames of three wait";
}

// Random edits of every kind, made alike on both surfaces, frame after frame: fades whose end
// makes or frees elements on any layer, boxes that spark or vanish when they hit a wall,
// sparks, plumes, bolts and stars, moves, hides, opacity, text and ring changes, and
// background work.
class TRandomMix {
 public:
  explicit TRandomMix(TTwins& twins) : twins_(twins) {}

  void Edit() {
    // A bolt that never ends makes every frame whole while it lasts: it lasts a frame or two.
    if (!twins_.Scene().bolts.empty() && twins_.Below(2) == 0)
      Both([](TDSP&, TScene& s) {
        delete s.bolts.back();
        s.bolts.pop_back();
      });
    const int layer = twins_.Below(12) - 1;
    const float x = static_cast<float>(twins_.Below(200) - 20) + 0.25f * static_cast<float>(twins_.Below(4));
    const float y = static_cast<float>(twins_.Below(150) - 15);
    const int element = twins_.Below(64);
    const int choice = twins_.Below(20);
    lastEdit = choice;
    switch (choice) {
      case 0:
        Both([&](TDSP&, TScene& s) {
          TDSPElem* e = s.Element(element % s.Count());
          e->X = x, e->Y = y;
        });
        break;
      case 1:
        Both([&](TDSP&, TScene& s) {
          TDSPElem* e = s.Element(element % s.Count());
          e->Visible = !e->Visible;
        });
        break;
      case 2: {
        const float alpha = 0.1f * static_cast<float>(twins_.Below(11));
        Both([&](TDSP&, TScene& s) { s.pictures[1]->SetAlpha(alpha); });
        break;
      }
      case 3: {
        const std::string text = std::to_string(twins_.Below(1000)) + (twins_.Below(2) ? "*" : "");
        Both([&](TDSP&, TScene& s) { s.digits->Text = text; });
        break;
      }
      case 4: {
        const float percent = static_cast<float>(twins_.Below(240) - 120);
        const auto alpha = static_cast<uint8_t>(twins_.Below(2) ? 30 : 80);
        Both([&](TDSP&, TScene& s) { s.ring->Percent = percent, s.ring->Alpha = alpha; });
        break;
      }
      case 5: {
        const TARGB color = twins_.Below(2) ? 0x64FFFF00 : 0x96FF0000;
        Both([&](TDSP&, TScene& s) { s.outline->SetColor(color); });
        break;
      }
      case 6: Both([&](TDSP& dsp, TScene& s) { dsp.DrawElemOnBackground(s.pictures[0]); }); break;
      case 7:
        Both([&](TDSP& dsp, TScene&) { dsp.DrawMaskedOnBackground("bmp/pic.bmp", "bmp/pic.bmp", QRectF(x, y, 7, 5)); });
        break;
      case 8: {
        const int which = twins_.Below(4);
        Both([&](TDSP& dsp, TScene&) {
          if (which == 0) dsp.SaveBackground();
          if (which == 1) dsp.GrayBackground();
          if (which == 2) dsp.BlendSavedBackground(0.4f);
          if (which == 3) dsp.ReloadBackground();
        });
        break;
      }
      case 9:
      case 10: Fade(layer, x, y, element); break;
      case 11: {
        const QString text = twins_.Below(2) ? "Hi" : "Low";
        Both([&](TDSP&, TScene& s) { s.text->Text = text; });
        break;
      }
      case 12: {
        const bool respawn = twins_.Below(4) == 0;
        Both([&](TDSP& dsp, TScene& s) {
          auto* sparks = new TDSPE_Spark(&dsp, layer, 0xFFFF6464, x, y, 60, -20, 40, 12, 2, respawn);
          if (respawn) s.extras.push_back(sparks);
        });
        break;
      }
      case 13: Box(layer, x, y); break;
      case 14: {
        const bool finite = twins_.Below(3) != 0;
        Both([&](TDSP& dsp, TScene& s) {
          auto* bolt =
              new TDSPE_Lightning(&dsp, layer, 0xFFDCDCFF, x, y, x + 80, y + 10, 1, 3, 6, 7, 6, nullptr, finite);
          if (!finite) s.bolts.push_back(bolt);
        });
        break;
      }
      case 15:
        Both([&](TDSP& dsp, TScene&) { new TDSPE_Startlight(&dsp, layer, "bmp/pic.bmp", QPointF(x, y)); });
        break;
      case 16:
        Both([&](TDSP& dsp, TScene& s) { s.extras.push_back(new TDSPE_Temp(&dsp, layer, 0xFF80FF80, x, y, 30, 8, 2)); });
        break;
      case 17: Both([&](TDSP&, TScene& s) { s.FreeExtra(static_cast<size_t>(element)); }); break;
      default: break;  // time alone moves the strip, the outline's pen and every effect
    }
  }
  int lastEdit = -1;

 private:
  template <typename Edit>
  void Both(Edit edit) {
    twins_.Both(edit);
  }

  // A fade in or out whose end makes a picture on another layer, or frees an extra.
  void Fade(int layer, float x, float y, int element) {
    const bool fadeIn = twins_.Below(2);
    const bool make = twins_.Below(2);
    const int otherLayer = twins_.Below(12) - 1;
    // Short fades, and now and then a slow one (a second long, or a prompt's).
    const float duration = twins_.Below(4) ? 0.03f * static_cast<float>(twins_.Below(4)) : 1.0f;
    const bool prompt = twins_.Below(4) == 0;
    Both([=](TDSP& dsp, TScene& s) {
      auto* fade = new TDSPE_FlashBmp(&dsp, layer, "bmp/big.bmp", x, y, 0, fadeIn, prompt ? 0.3f : duration);
      fade->SlowFade = prompt;
      fade->OnFinish = [&dsp, &s, make, otherLayer, x, y, element](int32_t) {
        if (make) {
          s.extras.push_back(new TDSPE_Static(&dsp, otherLayer, "bmp/big.bmp", y, x, 0.5f));
        } else {
          s.FreeExtra(static_cast<size_t>(element));
        }
      };
    });
  }

  // A box that sparks when it hits a wall, and now and then vanishes there.
  void Box(int layer, float x, float y) {
    const int sparkLayer = twins_.Below(12) - 1;
    Both([=](TDSP& dsp, TScene& s) {
      auto* box = new TDSPE_Bounce(&dsp, layer, "bmp/strip.bmp", x, y, 3, kFrequency / 20, 150);
      box->OnMove = [&dsp, &s, sparkLayer](TDSPE_Bounce* moved, bool hitEdge) {
        if (!hitEdge) return;
        new TDSPE_Spark(&dsp, sparkLayer, 0xFFFFFF00, moved->X, moved->Y, 50, 0, 0, 6, 1, false);
        if (Random(3) != 0) return;
        const auto self = std::find(s.extras.begin(), s.extras.end(), moved);
        if (self != s.extras.end()) s.FreeExtra(static_cast<size_t>(self - s.extras.begin()));
      };
      s.extras.push_back(box);
    });
  }

  TTwins& twins_;
};

TEST_F(RestTest, WhateverChangesTheScreenEqualsAFullComposition) {
  for (uint32_t seed : {99u, 5u, 2026u, 31337u}) {
    TTwins twins(seed);
    twins.Both([](TDSP& dsp, TScene& s) { s.Build(dsp); });
    TRandomMix mix(twins);
    int64_t now = kFrequency;
    for (int frame = 0; frame < 600; ++frame) {
      mix.Edit();
      now += kFrequency / 60 + twins.Below(20);
      ASSERT_TRUE(twins.Frame(now)) << "seed " << seed << ", frame " << frame << " after edit " << mix.lastEdit;
    }
  }
}

}  // namespace
