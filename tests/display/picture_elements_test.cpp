#include "display/picture_elements.h"

#include <functional>
#include <vector>

#include <QPainter>

#include "display/element_fixture.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlue = 0xFF0000FF;

// A strip of equal cells, each filled with its own colour.
QImage Strip(int cellWidth, int height, const std::vector<uint32_t>& colours) {
  QImage image(cellWidth * static_cast<int>(colours.size()), height, QImage::Format_ARGB32);
  QPainter painter(&image);
  for (size_t i = 0; i < colours.size(); ++i)
    painter.fillRect(static_cast<int>(i) * cellWidth, 0, cellWidth, height, QColor::fromRgba(colours[i]));
  return image;
}

std::vector<uint32_t> CellColours(int count) {
  std::vector<uint32_t> colours;
  for (int i = 0; i < count; ++i) colours.push_back(MakeARGB(255, 20 + 20 * i, 0, 0));
  return colours;
}
}  // namespace

using StaticTest = ElementTest;

TEST_F(StaticTest, OpacityThresholdAndClamping) {
  const std::string white = WritePicture("white", SolidPicture(10, 10, kWhite));
  const float alphas[] = {1, 0.995f, 0.5f, 1.7f, -3};
  std::vector<TDSPE_Static*> pictures;
  for (int i = 0; i < 5; ++i) pictures.push_back(new TDSPE_Static(dsp.get(), 0, white, 20 * i, 0, alphas[i]));
  TDSPE_Static::CreateKeyed(dsp.get(), 0, white, 100, 0, 0.995f, kBlue);
  RenderAt(0);
  EXPECT_EQ(Pixel(5, 5), kWhite);
  EXPECT_EQ(Pixel(25, 5), kWhite) << "0.995 is above the 0.99 threshold: plain copy";
  EXPECT_NEAR(Red(Pixel(45, 5)), 128, 2);
  EXPECT_EQ(pictures[3]->Alpha(), 1);
  EXPECT_EQ(Pixel(65, 5), kWhite);
  EXPECT_EQ(pictures[4]->Alpha(), 0);
  EXPECT_EQ(Pixel(85, 5), kBackground);
  EXPECT_TRUE(Registered(pictures[4])) << "invisible but present";
  EXPECT_LT(Red(Pixel(105, 5)), 255) << "a keyed picture always draws at its opacity";

  pictures[2]->SetAlpha(0.25f);
  RenderAt(0.1);
  EXPECT_NEAR(Red(Pixel(45, 5)), 64, 2);
}

TEST_F(StaticTest, KeyMaskAndTintBecomeAlphaOnceAtLoad) {
  // Key: exact red, green and blue only (the key's own alpha is ignored).
  const std::string keyedFile = WritePicture("keyed", Strip(5, 10, {0xFF00FF00, 0xFF00FE00}));
  TDSPE_Static::CreateKeyed(dsp.get(), 0, keyedFile, 0, 0, 1, 0x0000FF00);
  // Mask: alpha from the mask's red, whatever its green and blue.
  const std::string mask = WritePicture("mask", Strip(10, 10, {0xFFFF0000, 0xFF800000, 0xFF00FFFF}));
  auto* masked =
      TDSPE_Static::CreateMasked(dsp.get(), 0, WritePicture("pic", SolidPicture(30, 10, 0xFF2040C0)), mask, 0, 100);
  // Tint: the colour's own alpha is ignored; placed at the origin.
  auto* tinted = TDSPE_Static::CreateTinted(dsp.get(), 0, mask, MakeARGB(0, 0x80, 0xFF, 0x40));
  tinted->Y = 200;
  new TDSPE_Static(dsp.get(), 0, "bmp/none", 0, 300, 1);  // missing: draws nothing
  RenderAt(0);

  EXPECT_EQ(Pixel(2, 5), kBackground);
  EXPECT_EQ(Pixel(7, 5), 0xFF00FE00u);
  EXPECT_EQ(masked->Alpha(), 0) << "no opacity of its own, drawn opaque all the same";
  EXPECT_EQ(Pixel(5, 105), 0xFF2040C0u);
  EXPECT_NEAR(Red(Pixel(15, 105)), 0x20 / 2, 2);
  EXPECT_EQ(Pixel(25, 105), kBackground);
  EXPECT_EQ(Pixel(5, 205), 0xFF80FF40u);
  EXPECT_EQ(Pixel(25, 205), kBackground);
  EXPECT_EQ(Pixel(5, 305), kBackground);
}

class FlashBmpTest : public ElementTest {
 protected:
  TDSPE_FlashBmp* MakeFade(bool fadeIn, float duration, int32_t tag = 7) {
    auto* fade = new TDSPE_FlashBmp(dsp.get(), 0, WritePicture("pair", Strip(5, 10, {0xFF000000, kWhite})), 0, 0,
                                    tag, fadeIn, duration);
    fade->OnFinish = [this](int32_t finishedTag) { finished.push_back(finishedTag); };
    return fade;
  }
  std::vector<int32_t> finished;
};

TEST_F(FlashBmpTest, FadeInStartsFaintEndsOpaqueAndReportsItsTagOnce) {
  auto* fade = MakeFade(true, 0.5f);
  RenderAt(0);
  EXPECT_FLOAT_EQ(fade->Alpha(), 0.01f);
  EXPECT_TRUE(Red(Pixel(7, 5)) > 0 && Red(Pixel(7, 5)) <= 5);
  RenderAt(0.25);
  EXPECT_NEAR(Red(Pixel(7, 5)), 128, 3);
  RenderAt(0.499);
  EXPECT_TRUE(finished.empty());
  RenderAt(0.5);
  EXPECT_EQ(Pixel(7, 5), kWhite) << "the last frame is fully opaque";
  EXPECT_EQ(Pixel(2, 5), kBackground) << "black is transparent";
  EXPECT_TRUE(dsp->Elems().empty());
  RenderAt(0.6);
  EXPECT_EQ(finished, std::vector<int32_t>{7});
}

TEST_F(FlashBmpTest, FadeOutEndsBelowOneHundredthAndZeroDurationMeansAHundredth) {
  MakeFade(false, 1, 3);
  MakeFade(true, 0, 4);
  RenderAt(0);
  RenderAt(0.005);
  EXPECT_TRUE(finished.empty()) << "a zero duration lasts 0.01 s";
  RenderAt(0.98);
  EXPECT_EQ(finished, std::vector<int32_t>{4});
  RenderAt(0.995);
  EXPECT_EQ(finished, (std::vector<int32_t>{4, 3}));
}

TEST_F(FlashBmpTest, FinishHandlerMayStartTheNextFadeDuringTheRenderPass) {
  new TDSPE_Static(dsp.get(), 0, WritePicture("still", SolidPicture(4, 4, kWhite)), 300, 300, 1);
  std::function<void(int32_t)> next = [&](int32_t tag) {
    finished.push_back(tag);
    if (tag < 3) MakeFade(true, 0.1f, tag + 1)->OnFinish = next;
  };
  MakeFade(true, 0.1f, 1)->OnFinish = next;
  for (int frame = 0; frame < 60; ++frame) RenderAt(frame * 0.02);
  EXPECT_EQ(finished, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(dsp->Elems().size(), 1u);
  EXPECT_EQ(Pixel(301, 301), kWhite);
}

TEST_F(ElementTest, DigitStringShowsOneCellPerCharacterAndAGapForOthers) {
  const auto colours = CellColours(11);
  auto* number = new TDSPE_String(dsp.get(), 0, WritePicture("digits", Strip(6, 8, colours)), 20, 30, 1, kBlue, 6);
  number->Text = "12*0";
  RenderAt(0);
  const int cells[] = {0, 1, 10, 9};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Pixel(23 + 6 * i, 34), colours[cells[i]]) << "position " << i;
  number->Text = "3x4";
  RenderAt(0.1);
  EXPECT_EQ(Pixel(29, 34), kBackground);
  EXPECT_EQ(Pixel(35, 34), colours[3]);
}

class AnimationTest : public ElementTest {
 protected:
  // A 100-pixel strip: six 16-pixel frames and 4 spare pixels.
  std::string SixFrames() {
    QImage padded(100, 10, QImage::Format_ARGB32);
    padded.fill(Qt::white);
    QPainter(&padded).drawImage(0, 0, Strip(16, 10, CellColours(6)));
    return WritePicture("frames", padded);
  }
  static constexpr int64_t kTenth = kFrequency / 10;
};

TEST_F(AnimationTest, FramesStepOncePerIntervalAndLoop) {
  const auto colours = CellColours(6);
  auto* animation = new TDSPE_Animation(dsp.get(), 0, SixFrames(), 50, 60, 6, kTenth);
  EXPECT_EQ(animation->FrameWidth(), 16);
  EXPECT_EQ(animation->FrameCount(), 6);
  RenderAt(0);
  EXPECT_EQ(Pixel(58, 65), colours[0]);
  EXPECT_EQ(Pixel(66, 65), kBackground) << "one frame wide";
  RenderAt(0.1);
  EXPECT_EQ(animation->Frame(), 0) << "exactly one interval is not more than it";
  RenderAt(0.15);
  EXPECT_EQ(Pixel(58, 65), colours[1]);
  RenderAt(5);
  EXPECT_EQ(animation->Frame(), 2) << "at most one frame per update";
  for (int step = 1; step <= 4; ++step) RenderAt(5 + 0.2 * step);
  EXPECT_EQ(animation->Frame(), 0);
}

TEST_F(AnimationTest, FrameCountTheStripCannotHoldShowsNothing) {
  for (int32_t frames : {0, -2, 101}) {
    auto* animation = new TDSPE_Animation(dsp.get(), 0, SixFrames(), 0, 0, frames, kTenth);
    for (int step = 0; step < 4; ++step) RenderAt(step * 0.2);
    EXPECT_EQ(animation->Frame(), 0) << frames;
    EXPECT_EQ(Pixel(5, 5), kBackground) << frames;
    delete animation;
  }
}

class BounceTest : public AnimationTest {
 protected:
  // A 16 x 16 box at 100 pixels per second, heading right and down.
  TDSPE_Bounce* MakeBox(float x, float y) {
    const std::string file = WritePicture("box", SolidPicture(16, 16, kWhite));
    for (uint64_t seed = 1; seed < 64; ++seed) {
      RandomSeed(seed);
      auto* box = new TDSPE_Bounce(dsp.get(), 0, file, x, y, 1, kTenth, 100);
      if (box->DirX() == 1 && box->DirY() == 1) {
        box->OnMove = [this](TDSPE_Bounce*, bool hitEdge) { moves.push_back(hitEdge); };
        return box;
      }
      delete box;
    }
    ADD_FAILURE() << "no seed heads right and down";
    return nullptr;
  }
  std::vector<bool> moves;
};

TEST_F(BounceTest, WallStopsTheBoxInsideAndTurnsIt) {
  TDSPE_Bounce* box = MakeBox(390, 100);
  ASSERT_NE(box, nullptr);
  RenderAt(0);
  EXPECT_EQ(box->X, 390) << "the first update only starts the clock";
  RenderAt(0.1);
  EXPECT_EQ(box->X, 384);
  EXPECT_EQ(box->DirX(), -1);
  EXPECT_NEAR(box->Y, 110, 1e-3);
  RenderAt(0.2);
  EXPECT_NEAR(box->X, 374, 1e-3);
  EXPECT_EQ(moves, (std::vector<bool>{true, false}));
}

TEST_F(BounceTest, NoJumpAfterPauseAndResume) {
  TDSPE_Bounce* box = MakeBox(100, 100);
  ASSERT_NE(box, nullptr);
  RenderAt(0);
  box->Pause();
  RenderAt(30);
  box->Resume();
  RenderAt(60);
  EXPECT_EQ(box->X, 100) << "the first update after resuming only re-arms the clocks";
  RenderAt(60.1);
  EXPECT_NEAR(box->X, 110, 1e-3);
}

TEST_F(BounceTest, HiddenBounceFreezesWhileHiddenAnimationKeepsStepping) {
  const std::string strip = SixFrames();
  auto* bouncing = new TDSPE_Bounce(dsp.get(), 0, strip, 100, 100, 6, kTenth, 100);
  auto* animation = new TDSPE_Animation(dsp.get(), 0, strip, 0, 0, 6, kTenth);
  RenderAt(0);
  bouncing->Visible = false;
  animation->Visible = false;
  for (int frame = 1; frame <= 5; ++frame) RenderAt(frame * 0.15);
  EXPECT_EQ(bouncing->X, 100);
  EXPECT_EQ(bouncing->Frame(), 0);
  EXPECT_EQ(animation->Frame(), 5);
}

TEST_F(BounceTest, MoveHandlerMayFreeTheBox) {
  TDSPE_Bounce* box = MakeBox(100, 100);
  TDSPE_Bounce* other = MakeBox(200, 200);
  ASSERT_TRUE(box && other);
  box->OnMove = [](TDSPE_Bounce* sender, bool) { delete sender; };
  RenderAt(0);
  RenderAt(0.1);
  EXPECT_FALSE(Registered(box));
  EXPECT_NEAR(other->X, 210, 1e-3);
}

class StartlightTest : public ElementTest {
 protected:
  TDSPE_Startlight* MakeStar(const QImage& picture, QPointF at = QPointF(100, 100)) {
    auto* star = new TDSPE_Startlight(dsp.get(), 0, WritePicture("star", picture), at);
    star->OnFinish = [this] { ++finishes; };
    return star;
  }
  int finishes = 0;
};

TEST_F(StartlightTest, StepsAtMostEachHundredthAndEndsOnTheFiftyFourthWithOneFinish) {
  TDSPE_Startlight* star = MakeStar(SolidPicture(40, 40, kWhite));
  RenderAt(0);
  RenderAt(0.01);
  EXPECT_EQ(star->Angle(), 10);
  int steps = 1;
  while (Registered(star) && steps < 100) {
    RenderAt(0.01 + steps++ * 0.011);
    if (steps == 18) {
      EXPECT_EQ(star->Scale(), 0);
    }
  }
  EXPECT_EQ(steps, 54);
  EXPECT_EQ(finishes, 1);
}

TEST_F(StartlightTest, TurnedAndShrunkStarStaysCentred) {
  TDSPE_Startlight* star = MakeStar(Strip(20, 40, {0xFF000000, kWhite}));
  for (int step = 1; step <= 9; ++step) RenderAt(step * 0.011);
  EXPECT_FLOAT_EQ(star->Scale(), 0.5f);
  // A quarter turn clockwise puts the white right half below; half size, centred on (120, 120).
  EXPECT_EQ(Pixel(120, 126), kWhite);
  EXPECT_EQ(Pixel(120, 114), kBackground) << "black is transparent";
  EXPECT_EQ(Pixel(105, 105), kBackground);
  EXPECT_EQ(Pixel(135, 135), kBackground);
}

TEST_F(StartlightTest, StarsOfAPictureRewrittenUnderItsNameTurnEachTheirOwn) {
  MakeStar(Strip(20, 40, {0xFF000000, kWhite}));
  MakeStar(Strip(20, 40, {kWhite, 0xFF000000}), QPointF(200, 100));
  for (int step = 1; step <= 9; ++step) RenderAt(step * 0.011);
  // A quarter turn clockwise puts the right half below, the left half above.
  EXPECT_EQ(Pixel(120, 126), kWhite);
  EXPECT_EQ(Pixel(120, 114), kBackground);
  EXPECT_EQ(Pixel(220, 114), kWhite);
  EXPECT_EQ(Pixel(220, 126), kBackground);
}

TEST_F(ElementTest, TextHangsBelowItsTopLeftCorner) {
  new TDSPE_Text(dsp.get(), 0, "DejaVu Sans", 20, 0xFFFF0000, "HHHH", 50, 50);
  RenderAt(0);
  int inkAbove = 0;
  int inkBelow = 0;
  for (int y = 20; y < 100; ++y)
    for (int x = 40; x < 150; ++x)
      if (Red(Pixel(x, y)) > 128) ++(y < 50 ? inkAbove : inkBelow);
  EXPECT_EQ(inkAbove, 0);
  EXPECT_GT(inkBelow, 20);
}
