#include "display/picture_elements.h"

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include <QPainter>

#include "display/element_fixture.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFFFF;

// A strip of equal cells, each filled with its own colour from colours.
QImage Strip(int cellWidth, int height, const std::vector<uint32_t>& colours) {
  QImage image(cellWidth * static_cast<int>(colours.size()), height, QImage::Format_ARGB32);
  QPainter painter(&image);
  for (size_t i = 0; i < colours.size(); ++i)
    painter.fillRect(static_cast<int>(i) * cellWidth, 0, cellWidth, height, QColor::fromRgba(colours[i]));
  return image;
}

// Distinct opaque reds for cells 0..count-1.
std::vector<uint32_t> CellColours(int count) {
  std::vector<uint32_t> colours;
  for (int i = 0; i < count; ++i) colours.push_back(MakeARGB(255, 20 + 20 * i, 0, 0));
  return colours;
}
}  // namespace

// ---- still pictures ----

using StaticTest = ElementTest;

TEST_F(StaticTest, OpacityAboveThresholdIsPlainCopyAndOutOfRangeValuesAreClamped) {
  const std::string white = WritePicture("white", SolidPicture(10, 10, kWhite));
  auto* opaque = new TDSPE_Static(dsp.get(), 0, white, 0, 0, 1);
  auto* nearlyOpaque = new TDSPE_Static(dsp.get(), 0, white, 20, 0, 0.995f);
  auto* half = new TDSPE_Static(dsp.get(), 0, white, 40, 0, 0.5f);
  auto* tooHigh = new TDSPE_Static(dsp.get(), 0, white, 60, 0, 1.7f);
  auto* negative = new TDSPE_Static(dsp.get(), 0, white, 80, 0, -3);
  RenderAt(0);

  EXPECT_EQ(opaque->Alpha(), 1);
  EXPECT_EQ(Pixel(5, 5), kWhite);
  EXPECT_EQ(Pixel(25, 5), kWhite) << "0.995 is above the 0.99 threshold";
  EXPECT_NEAR(Red(Pixel(45, 5)), 128, 2);
  EXPECT_EQ(tooHigh->Alpha(), 1);
  EXPECT_EQ(Pixel(65, 5), kWhite);
  EXPECT_EQ(negative->Alpha(), 0);
  EXPECT_EQ(Pixel(85, 5), kBackground) << "invisible";
  EXPECT_TRUE(Registered(negative)) << "but still present";
  EXPECT_EQ(nearlyOpaque->Width(), 10);
  EXPECT_EQ(half->Height(), 10);

  half->SetAlpha(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(half->Alpha(), 0);
  half->SetAlpha(0.25f);
  RenderAt(0.1);
  EXPECT_NEAR(Red(Pixel(45, 5)), 64, 2);
}

TEST_F(StaticTest, KeyedPictureDropsOnlyTheExactKeyColourAndAlwaysUsesItsOpacity) {
  // Left half the key colour, right half one step off it.
  QImage picture = Strip(5, 10, {0xFF00FF00, 0xFF00FE00});
  const std::string file = WritePicture("keyed", picture);
  // The key's own alpha does not matter: only red, green and blue are compared.
  auto* keyed = TDSPE_Static::CreateKeyed(dsp.get(), 0, file, 10, 10, 1, 0x0000FF00);
  auto* nearlyOpaque = TDSPE_Static::CreateKeyed(dsp.get(), 0, WritePicture("white", SolidPicture(4, 4, kWhite)),
                                                 100, 100, 0.995f, 0xFF00FF00);
  RenderAt(0);

  EXPECT_TRUE(keyed->Keyed());
  EXPECT_EQ(keyed->FileName(), file);
  EXPECT_EQ(Pixel(12, 15), kBackground);
  EXPECT_EQ(Pixel(17, 15), 0xFF00FE00u);
  EXPECT_LT(Red(Pixel(101, 101)), 255) << "a keyed picture draws at its opacity even above 0.99";
  EXPECT_GT(Red(Pixel(101, 101)), 240);
  EXPECT_FLOAT_EQ(nearlyOpaque->Alpha(), 0.995f);
}

TEST_F(StaticTest, MaskGivesAlphaFromItsRedComponent) {
  const std::string picture = WritePicture("pic", SolidPicture(30, 10, 0xFF2040C0));
  const std::string mask = WritePicture("mask", Strip(10, 10, {0xFFFF0000, 0xFF800000, 0xFF00FFFF}));
  auto* masked = TDSPE_Static::CreateMasked(dsp.get(), 0, picture, mask, 100, 200);
  RenderAt(0);

  EXPECT_EQ(masked->Alpha(), 0) << "masked pictures carry no opacity";
  EXPECT_FALSE(masked->Keyed());
  EXPECT_EQ(masked->FileName(), picture);
  EXPECT_EQ(Pixel(105, 205), 0xFF2040C0u) << "mask red 255: opaque although Alpha reads 0";
  EXPECT_NEAR(Red(Pixel(115, 205)), 0x20 / 2, 2) << "mask red 128: about half";
  EXPECT_EQ(Pixel(125, 205), kBackground) << "mask red 0, whatever its green and blue";
}

TEST_F(StaticTest, TintIgnoresTheColoursOwnAlphaAndSitsAtTheOrigin) {
  const std::string mask = WritePicture("mask", Strip(8, 8, {0xFFFF0000, 0xFF000000}));
  auto* tinted = TDSPE_Static::CreateTinted(dsp.get(), 0, mask, MakeARGB(0, 0x80, 0xFF, 0x40));
  RenderAt(0);

  EXPECT_EQ(tinted->X, 0);
  EXPECT_EQ(tinted->Y, 0);
  EXPECT_EQ(tinted->FileName(), mask);
  EXPECT_EQ(Pixel(3, 3), 0xFF80FF40u);
  EXPECT_EQ(Pixel(12, 3), kBackground);
}

TEST_F(StaticTest, MissingPictureDrawsNothingAndHiddenPictureIsNotStamped) {
  auto* missing = new TDSPE_Static(dsp.get(), 0, "bmp/none", 0, 0, 1);
  auto* missingMask = TDSPE_Static::CreateMasked(dsp.get(), 0, "bmp/none", "bmp/none", 0, 0);
  RenderAt(0);
  EXPECT_EQ(missing->Width(), 0);
  EXPECT_EQ(missingMask->Height(), 0);
  EXPECT_EQ(Pixel(0, 0), kBackground);

  auto* stamp = new TDSPE_Static(dsp.get(), 0, WritePicture("white", SolidPicture(4, 4, kWhite)), 50, 50, 1);
  stamp->Visible = false;
  dsp->DrawElemOnBackground(stamp);
  EXPECT_EQ(PixelARGB(dsp->Background(), 51, 51), kBackground);
  stamp->Visible = true;
  dsp->DrawElemOnBackground(stamp);
  EXPECT_EQ(PixelARGB(dsp->Background(), 51, 51), kWhite);
}

// ---- fading pictures ----

class FlashBmpTest : public ElementTest {
 protected:
  TDSPE_FlashBmp* MakeFade(bool fadeIn, float duration, int32_t tag = 7) {
    auto* fade = new TDSPE_FlashBmp(dsp.get(), 0, WritePicture("white", SolidPicture(10, 10, kWhite)), 20, 20, tag,
                                    fadeIn, duration);
    fade->OnFinish = [this](int32_t finishedTag) { finished.push_back(finishedTag); };
    return fade;
  }
  std::vector<int32_t> finished;
};

TEST_F(FlashBmpTest, FadeInStartsFaintEndsOpaqueAndReportsItsTagOnce) {
  auto* fade = MakeFade(true, 0.5f);
  RenderAt(0);
  EXPECT_FLOAT_EQ(fade->Alpha(), 0.01f);
  EXPECT_GT(Red(Pixel(25, 25)), 0);
  EXPECT_LE(Red(Pixel(25, 25)), 5);

  RenderAt(0.25);
  EXPECT_NEAR(Red(Pixel(25, 25)), 128, 3);
  RenderAt(0.499);
  EXPECT_TRUE(Registered(fade));
  EXPECT_TRUE(finished.empty());

  RenderAt(0.5);
  EXPECT_EQ(Pixel(25, 25), kWhite) << "the last frame is fully opaque";
  EXPECT_TRUE(dsp->Elems().empty());
  EXPECT_EQ(finished, std::vector<int32_t>{7});
  RenderAt(0.6);
  EXPECT_EQ(finished.size(), 1u);
}

TEST_F(FlashBmpTest, FadeOutEndsJustBeforeItsDurationAndBlackIsTransparent) {
  auto* fade = new TDSPE_FlashBmp(dsp.get(), 0, WritePicture("pair", Strip(5, 10, {0xFF000000, kWhite})), 0, 0,
                                  3, false, 1);
  SavePicture(SolidPicture(400, 500, 0xFF0000FF), dir_.File("dat/x00"));
  dsp->ReloadBackground();
  fade->OnFinish = [this](int32_t tag) { finished.push_back(tag); };
  RenderAt(0);
  EXPECT_EQ(Pixel(2, 2), 0xFF0000FFu) << "black is the key colour";
  EXPECT_EQ(Pixel(7, 2), kWhite);
  RenderAt(0.98);
  EXPECT_TRUE(finished.empty());
  RenderAt(0.995);
  EXPECT_EQ(finished, std::vector<int32_t>{3});
}

TEST_F(FlashBmpTest, DurationZeroActsAsOneHundredthOfASecond) {
  auto* fade = MakeFade(true, 0);
  EXPECT_FLOAT_EQ(fade->Duration(), 0.01f);
  RenderAt(0);
  RenderAt(0.005);
  EXPECT_NEAR(fade->Alpha(), 0.5f, 1e-4);
  RenderAt(0.01);
  EXPECT_EQ(finished.size(), 1u);
}

TEST_F(FlashBmpTest, FinishHandlerMayStartTheNextFadeDuringTheRenderPass) {
  // A chain of three fades, each started by the previous one's end, beside a still picture.
  new TDSPE_Static(dsp.get(), 0, WritePicture("still", SolidPicture(4, 4, kWhite)), 300, 300, 1);
  std::vector<int32_t> order;
  std::function<void(int32_t)> next = [&](int32_t tag) {
    order.push_back(tag);
    if (tag < 3) {
      auto* fade = MakeFade(true, 0.1f, tag + 1);
      fade->OnFinish = next;
    }
  };
  MakeFade(true, 0.1f, 1)->OnFinish = next;
  for (int frame = 0; frame < 60; ++frame) RenderAt(frame * 0.02);
  EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(dsp->Elems().size(), 1u);
  EXPECT_EQ(Pixel(301, 301), kWhite);
}

TEST_F(FlashBmpTest, CreatorMayDiscardAFadeEarlyWithoutItsCallback) {
  auto* fade = MakeFade(false, 1);
  RenderAt(0);
  fade->OnFinish = nullptr;
  delete fade;
  RenderAt(0.1);
  EXPECT_TRUE(finished.empty());
  EXPECT_TRUE(dsp->Elems().empty());
}

// ---- digit strings ----

using StringTest = ElementTest;

TEST_F(StringTest, GlyphIndexFollowsTheStripOrder) {
  EXPECT_EQ(TDSPE_String::GlyphIndex('1'), 0);
  EXPECT_EQ(TDSPE_String::GlyphIndex('5'), 4);
  EXPECT_EQ(TDSPE_String::GlyphIndex('9'), 8);
  EXPECT_EQ(TDSPE_String::GlyphIndex('0'), 9);
  EXPECT_EQ(TDSPE_String::GlyphIndex('*'), 10);
  EXPECT_EQ(TDSPE_String::GlyphIndex('x'), -1);
  EXPECT_EQ(TDSPE_String::GlyphIndex(' '), -1);
  EXPECT_EQ(TDSPE_String::GlyphIndex('/'), -1);
}

TEST_F(StringTest, EachCharacterShowsItsCellAndUnknownCharactersLeaveAGap) {
  const auto colours = CellColours(11);
  const std::string strip = WritePicture("digits", Strip(6, 8, colours));
  auto* number = new TDSPE_String(dsp.get(), 0, strip, 20, 30, 1, 0xFF0000FF, 6);
  number->Text = "12*0";
  RenderAt(0);
  const int cells[] = {0, 1, 10, 9};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Pixel(20 + 6 * i + 3, 34), colours[cells[i]]) << "position " << i;
  EXPECT_EQ(Pixel(20 + 6 * 4 + 3, 34), kBackground);

  number->Text = "3x4";
  RenderAt(0.1);
  EXPECT_EQ(Pixel(23, 34), colours[2]);
  EXPECT_EQ(Pixel(29, 34), kBackground);
  EXPECT_EQ(Pixel(35, 34), colours[3]);

  number->Text = "";
  RenderAt(0.2);
  EXPECT_EQ(Pixel(23, 34), kBackground);
}

TEST_F(StringTest, KeyedStripHonoursKeyAndOpacityMaskedStripItsMask) {
  const std::string strip = WritePicture("digits", Strip(4, 4, {kWhite, 0xFF0000FF, kWhite, kWhite, kWhite, kWhite,
                                                                 kWhite, kWhite, kWhite, kWhite, kWhite}));
  auto* keyed = new TDSPE_String(dsp.get(), 0, strip, 0, 0, 0.5f, 0xFF0000FF, 4);
  keyed->Text = "12";
  const std::string mask = WritePicture("mask", SolidPicture(44, 4, 0xFF800000));
  auto* masked = TDSPE_String::CreateMasked(dsp.get(), 0, strip, mask, 0, 100, 4);
  masked->Text = "1";
  RenderAt(0);
  EXPECT_NEAR(Red(Pixel(1, 1)), 128, 2);
  EXPECT_EQ(Pixel(5, 1), kBackground);
  EXPECT_NEAR(Red(Pixel(1, 101)), 128, 2);
  EXPECT_EQ(masked->CellWidth(), 4);
}

// ---- frame strips ----

class AnimationTest : public ElementTest {
 protected:
  // A 100 x 10 strip of six 16-pixel frames (the last 4 pixels are spare).
  std::string SixFrames() {
    QImage strip = Strip(16, 10, CellColours(6));
    QImage padded(100, 10, QImage::Format_ARGB32);
    padded.fill(Qt::white);
    QPainter(&padded).drawImage(0, 0, strip);
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
  EXPECT_EQ(animation->Frame(), 0);
  EXPECT_EQ(Pixel(58, 65), colours[0]);
  EXPECT_EQ(Pixel(66, 65), kBackground) << "only one frame wide";
  RenderAt(0.1);
  EXPECT_EQ(animation->Frame(), 0) << "exactly one interval is not yet more than it";
  RenderAt(0.15);
  EXPECT_EQ(animation->Frame(), 1);
  EXPECT_EQ(Pixel(58, 65), colours[1]);
  RenderAt(5);
  EXPECT_EQ(animation->Frame(), 2) << "at most one frame per update";
  for (int step = 1; step <= 4; ++step) RenderAt(5 + 0.2 * step);
  EXPECT_EQ(animation->Frame(), 0) << "after the last frame comes the first";
}

TEST_F(AnimationTest, FrameCountTheStripCannotHoldShowsNothing) {
  for (int32_t frames : {0, -2, 101}) {
    auto* animation = new TDSPE_Animation(dsp.get(), 0, SixFrames(), 0, 0, frames, kTenth);
    for (int step = 0; step < 4; ++step) RenderAt(step * 0.2);
    EXPECT_EQ(animation->FrameWidth(), 0) << frames;
    EXPECT_EQ(animation->Frame(), 0) << frames;
    EXPECT_EQ(Pixel(5, 5), kBackground) << frames;
    delete animation;
  }
  auto* missing = new TDSPE_Animation(dsp.get(), 0, "bmp/none", 0, 0, 1, kTenth);
  RenderAt(1);
  EXPECT_EQ(missing->FrameCount(), 0);
}

TEST_F(AnimationTest, TintedStripSitsAtTheOriginInTheTintColour) {
  const std::string mask = WritePicture("mask", Strip(10, 10, {0xFFFF0000, 0xFF000000}));
  auto* animation = TDSPE_Animation::CreateTinted(dsp.get(), 0, mask, 0x00FFFF00, 2, kTenth);
  RenderAt(0);
  EXPECT_EQ(Pixel(5, 5), 0xFFFFFF00u);
  RenderAt(0.2);
  EXPECT_EQ(animation->Frame(), 1);
  EXPECT_EQ(Pixel(5, 5), kBackground);
}

// ---- bouncing boxes ----

class BounceTest : public AnimationTest {
 protected:
  // A 16 x 16 single-frame box moving 100 pixels per second, heading right and down.
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

TEST_F(BounceTest, RightWallStopsTheBoxInsideAndTurnsIt) {
  TDSPE_Bounce* box = MakeBox(390, 100);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->Tag, -1);
  RenderAt(0);
  EXPECT_EQ(box->X, 390) << "the first update only starts the clock";
  EXPECT_TRUE(moves.empty());

  RenderAt(0.1);
  EXPECT_EQ(box->X, 384);
  EXPECT_EQ(box->DirX(), -1);
  EXPECT_NEAR(box->Y, 110, 1e-3);
  EXPECT_EQ(moves, std::vector<bool>{true});

  RenderAt(0.2);
  EXPECT_NEAR(box->X, 374, 1e-3);
  EXPECT_EQ(moves, (std::vector<bool>{true, false}));
}

TEST_F(BounceTest, BottomAndLeftWallsToo) {
  TDSPE_Bounce* box = MakeBox(2, 480);
  ASSERT_NE(box, nullptr);
  RenderAt(0);
  RenderAt(0.1);
  EXPECT_EQ(box->Y, 484) << "500 less the picture height";
  EXPECT_EQ(box->DirY(), -1);
  box->X = 3;
  box->OnMove = nullptr;
  for (int frame = 2; frame < 4; ++frame) RenderAt(frame * 0.1);
  EXPECT_GE(box->X, 0);
  EXPECT_LE(box->X, 384);
}

TEST_F(BounceTest, NoJumpAfterPauseAndResume) {
  TDSPE_Bounce* box = MakeBox(100, 100);
  ASSERT_NE(box, nullptr);
  RenderAt(0);
  RenderAt(0.1);
  EXPECT_NEAR(box->X, 110, 1e-3);
  box->Pause();
  RenderAt(30);
  EXPECT_NEAR(box->X, 110, 1e-3);
  box->Resume();
  RenderAt(60);
  EXPECT_NEAR(box->X, 110, 1e-3) << "the first update after resuming only re-arms the clocks";
  EXPECT_EQ(box->Frame(), 0);
  RenderAt(60.1);
  EXPECT_NEAR(box->X, 120, 1e-3);
}

TEST_F(BounceTest, HiddenBounceFreezesWhileHiddenAnimationKeepsStepping) {
  TDSPE_Bounce* box = MakeBox(100, 100);
  ASSERT_NE(box, nullptr);
  delete box;
  const std::string strip = SixFrames();
  RandomSeed(5);
  auto* bouncing = new TDSPE_Bounce(dsp.get(), 0, strip, 100, 100, 6, kTenth, 100);
  auto* animation = new TDSPE_Animation(dsp.get(), 0, strip, 0, 0, 6, kTenth);
  RenderAt(0);
  bouncing->Visible = false;
  animation->Visible = false;
  for (int frame = 1; frame <= 5; ++frame) RenderAt(frame * 0.15);
  EXPECT_EQ(bouncing->X, 100);
  EXPECT_EQ(bouncing->Y, 100);
  EXPECT_EQ(bouncing->Frame(), 0);
  EXPECT_EQ(animation->Frame(), 5);
}

TEST_F(BounceTest, MoveHandlerMayFreeTheBox) {
  TDSPE_Bounce* box = MakeBox(100, 100);
  ASSERT_NE(box, nullptr);
  auto* other = MakeBox(200, 200);
  ASSERT_NE(other, nullptr);
  box->OnMove = [](TDSPE_Bounce* sender, bool) { delete sender; };
  RenderAt(0);
  RenderAt(0.1);
  EXPECT_FALSE(Registered(box));
  EXPECT_TRUE(Registered(other));
  EXPECT_NEAR(other->X, 210, 1e-3);
}

// ---- star ----

class StartlightTest : public ElementTest {
 protected:
  TDSPE_Startlight* MakeStar() {
    auto* star = new TDSPE_Startlight(dsp.get(), 0, WritePicture("star", SolidPicture(40, 40, kWhite)),
                                      QPointF(100, 100));
    star->OnFinish = [this] { ++finishes; };
    return star;
  }
  int finishes = 0;
};

TEST_F(StartlightTest, EndsOnItsFiftyFourthStepWithOneFinish) {
  TDSPE_Startlight* star = MakeStar();
  int steps = 0;
  while (Registered(star) && steps < 100) {
    ++steps;
    RenderAt(steps * 0.011);
    if (steps == 18) {
      EXPECT_EQ(star->Scale(), 0) << "first time shrunk to nothing";
    }
    if (steps == 36) {
      EXPECT_EQ(star->Scale(), 1);
    }
  }
  EXPECT_EQ(steps, 54);
  EXPECT_EQ(finishes, 1);
}

TEST_F(StartlightTest, StepsAtMostOncePerHundredthOfASecond) {
  TDSPE_Startlight* star = MakeStar();
  RenderAt(0);
  EXPECT_EQ(star->Angle(), 10);
  RenderAt(0.005);
  RenderAt(0.01);
  EXPECT_EQ(star->Angle(), 10);
  RenderAt(0.0101);
  EXPECT_EQ(star->Angle(), 20);
  RenderAt(3);
  EXPECT_EQ(star->Angle(), 30) << "one step however long the frame";
}

TEST_F(StartlightTest, ShrunkStarStaysCentredAndBlackIsTransparent) {
  auto* star = new TDSPE_Startlight(dsp.get(), 0, WritePicture("star", Strip(20, 40, {0xFF000000, kWhite})),
                                    QPointF(100, 100));
  SavePicture(SolidPicture(400, 500, 0xFF0000FF), dir_.File("dat/x00"));
  dsp->ReloadBackground();
  // Nine steps: Angle 90, Scale one half.
  for (int step = 1; step <= 9; ++step) RenderAt(step * 0.011);
  EXPECT_EQ(star->Angle(), 90);
  EXPECT_FLOAT_EQ(star->Scale(), 0.5f);
  // Turned a quarter clockwise, the white right half lies below; shrunk, it is centred on (120, 120).
  EXPECT_EQ(Pixel(120, 126), kWhite);
  EXPECT_EQ(Pixel(120, 114), 0xFF0000FFu) << "the black half shows the background";
  EXPECT_EQ(Pixel(105, 105), 0xFF0000FFu) << "outside the shrunk picture";
  EXPECT_EQ(Pixel(135, 135), 0xFF0000FFu);
}

// ---- text ----

using TextTest = ElementTest;

TEST_F(TextTest, TextHangsBelowItsTopLeftCorner) {
  auto* text = new TDSPE_Text(dsp.get(), 0, "DejaVu Sans", 20, 0xFFFF0000, "HHHH", 50, 50);
  RenderAt(0);
  int inkAbove = 0;
  int inkBelow = 0;
  for (int y = 20; y < 100; ++y)
    for (int x = 40; x < 150; ++x)
      if (Red(Pixel(x, y)) > 128) ++(y < 50 ? inkAbove : inkBelow);
  EXPECT_EQ(inkAbove, 0);
  EXPECT_GT(inkBelow, 20);
  EXPECT_EQ(text->Font().pixelSize(), 20);
  EXPECT_EQ(text->Size(), 20);
}
