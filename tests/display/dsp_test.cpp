// The display surface: layer order, the render pass, background stamps, grey and blends.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "display/dsp.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

namespace {

constexpr TARGB Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF;

// Fills a rectangle in one colour; records its calls and can run a hook from Update or Draw.
class TBlock : public TDSPElem {
 public:
  TBlock(TDSP* dsp, int32_t layer, TARGB color, std::vector<std::string>* log = nullptr, std::string name = "")
      : TDSPElem(dsp, layer), color_(color), log_(log), name_(std::move(name)) {}
  ~TBlock() override {
    if (log_) log_->push_back(name_ + ".free");
  }
  void Update(int64_t) override {
    if (log_) log_->push_back(name_ + ".update");
    // Run from copies: a hook may free this element.
    if (auto hook = onUpdate) hook();
  }
  void Draw() override {
    if (log_) log_->push_back(name_ + ".draw");
    DSP->Canvas().fillRect(QRectF(X, Y, 10, 10), QColor::fromRgba(color_));
    if (auto hook = onDraw) hook();  // may free this element: nothing after it
  }
  std::function<void()> onUpdate, onDraw;

 private:
  TARGB color_;
  std::vector<std::string>* log_;
  std::string name_;
};

class TCapture : public TFramePresenter {
 public:
  void PresentFrame(const QImage& frame, int left, int top, const QRegion& area) override {
    last = frame.copy();
    at = QPoint(left, top);
    changed = area;
    ++frames;
  }
  QImage last;
  QPoint at;
  QRegion changed;
  int frames = 0;
};

class DspTest : public ::testing::Test {
 protected:
  TTempProgramDir dir;
  TCapture window;
  std::vector<std::string> log;  // outlives the surface, whose leftover elements log their end
  // Written before the surface below loads it.
  bool backgroundWritten = [this] {
    SavePicture(SolidPicture(40, 50, MakeARGB(255, 100, 150, 200)), dir.File("dat/x00"));
    return true;
  }();
  TDSP dsp{&window, 40, 50, 221, 20, "dat/x00", 1000};

  uint32_t Frame(int x, int y) { return PixelARGB(dsp.BackBuffer(), x, y); }
  uint32_t Background(int x, int y) { return PixelARGB(dsp.Background(), x, y); }
};

TEST_F(DspTest, RenderCopiesBackgroundDrawsElementsAndPresentsAtItsPlace) {
  auto* block = new TBlock(&dsp, 1, Red);
  dsp.Render(0);
  EXPECT_EQ(window.frames, 1);
  EXPECT_EQ(window.at, QPoint(221, 20));
  EXPECT_EQ(PixelARGB(window.last, 5, 5), Red);
  EXPECT_EQ(PixelARGB(window.last, 20, 20), MakeARGB(255, 100, 150, 200));
  delete block;
  dsp.Render(0);
  EXPECT_EQ(PixelARGB(window.last, 5, 5), MakeARGB(255, 100, 150, 200)) << "the old frame is replaced";
}

TEST_F(DspTest, HigherLayersLieOnTopAndTheFirstCreatedOfEqualLayersWins) {
  new TBlock(&dsp, 5, Red);
  new TBlock(&dsp, 5, Green);
  new TBlock(&dsp, 2, Blue);
  dsp.Render(0);
  EXPECT_EQ(Frame(5, 5), Red);
  new TBlock(&dsp, 9, White);
  EXPECT_EQ(static_cast<TBlock*>(dsp.Elems().front())->Layer, 9) << "goes to the front of the list";
  dsp.Render(0);
  EXPECT_EQ(Frame(5, 5), White);
}

TEST_F(DspTest, RenderPassUpdatesEveryElementButDrawsOnlyVisibleOnes) {
  auto* low = new TBlock(&dsp, 1, Red, &log, "low");
  auto* high = new TBlock(&dsp, 2, Blue, &log, "high");
  high->Visible = false;
  dsp.Render(0);
  EXPECT_EQ(log, (std::vector<std::string>{"low.update", "high.update", "low.draw"}));
  delete low;
  delete high;
}

TEST_F(DspTest, AnElementFreeingItselfInDrawDoesNotDisturbTheOthers) {
  new TBlock(&dsp, 3, Red, &log, "top");
  auto* middle = new TBlock(&dsp, 2, Green, &log, "middle");
  new TBlock(&dsp, 1, Blue, &log, "bottom");
  middle->onDraw = [middle] { delete middle; };
  dsp.Render(0);
  EXPECT_EQ(log, (std::vector<std::string>{"bottom.update", "middle.update", "top.update", "bottom.draw",
                                           "middle.draw", "middle.free", "top.draw"}));
  EXPECT_EQ(dsp.Elems().size(), 2u);
}

TEST_F(DspTest, CallbacksMayCreateAndFreeOtherElementsDuringThePass) {
  // An element that, when drawn, frees its neighbours and creates replacements in other layers:
  // the pass must never touch a freed element (the sanitizer build checks this).
  auto* a = new TBlock(&dsp, 1, Red);
  auto* b = new TBlock(&dsp, 2, Green);
  auto* c = new TBlock(&dsp, 3, Blue);
  b->onUpdate = [&] {
    delete a;
    delete c;
    a = c = nullptr;
    new TBlock(&dsp, 0, White);
    new TBlock(&dsp, 7, White);
  };
  b->onDraw = [b] { delete b; };
  dsp.Render(0);
  EXPECT_EQ(dsp.Elems().size(), 2u);
  dsp.Render(0);
}

// Whatever an element's hook makes or frees during a pass, every element there when the pass
// began is visited once, unless freed before its turn. One made while updating is updated in
// that pass when it lies above the element that made it; one made while drawing is drawn from
// the next frame on.
TEST_F(DspTest, APassVisitsEachElementOnceWhateverHooksMakeOrFree) {
  using TNames = std::vector<std::string>;
  struct TCase {
    std::string action;  // of a hook on b (layer 3): "make N" makes one on layer N, "free X" frees X
    TNames updated;      // with the hook in b's Update
    TNames drawn;        // with the hook in b's Draw
  };
  const TNames all{"a", "b", "c"};
  const TCase cases[] = {
      {"make 6", {"a", "b", "c", "new"}, all}, {"make 4", {"a", "b", "new", "c"}, all},
      {"make 3", all, all},                    {"make 0", all, all},
      {"free a", all, all},                    {"free c", {"a", "b"}, {"a", "b"}},
      {"free b", all, all},
  };
  for (const TCase& c : cases)
    for (bool inDraw : {false, true}) {
      SCOPED_TRACE(c.action + (inDraw ? " while drawing" : " while updating"));
      TNames visits;  // outlives the surface, whose leftover elements log their end
      TDSP local(nullptr, 40, 50, 0, 0, "dat/x00", 1000);
      std::map<std::string, TBlock*> blocks;
      for (auto [name, layer] : {std::pair{"a", 1}, {"b", 3}, {"c", 5}})
        blocks[name] = new TBlock(&local, layer, Red, &visits, name);
      bool done = false;
      (inDraw ? blocks["b"]->onDraw : blocks["b"]->onUpdate) = [&] {
        if (std::exchange(done, true)) return;
        if (c.action.starts_with("make")) {
          new TBlock(&local, std::stoi(c.action.substr(5)), Red, &visits, "new");
        } else {
          delete blocks[c.action.substr(5)];
        }
      };
      local.Render(0);
      // The visits of the pass the hook ran in.
      const std::string pass = inDraw ? ".draw" : ".update";
      TNames visited;
      for (const std::string& visit : visits)
        if (visit.ends_with(pass)) visited.push_back(visit.substr(0, visit.size() - pass.size()));
      EXPECT_EQ(visited, inDraw ? c.drawn : c.updated);
    }
}

TEST_F(DspTest, DestroyingTheSurfaceFreesEveryElementLastPositionFirst) {
  {
    TDSP local(nullptr, 10, 10, 0, 0, "dat/none", 1000);
    new TBlock(&local, 2, Red, &log, "front");
    new TBlock(&local, 1, Red, &log, "back");
  }
  EXPECT_EQ(log, (std::vector<std::string>{"back.free", "front.free"}));
}

TEST_F(DspTest, EffectsFreedWithTheSurfaceReportNoFinishSoNoneStartsAgain) {
  int reports = 0;
  {
    TDSP local(nullptr, 40, 50, 0, 0, "dat/x00", 1000);
    std::function<void()> startFade = [&] {
      auto* fade = new TDSPE_FlashBmp(&local, 1, "dat/x00", 0, 0, 7, true, 0.5f);
      fade->OnFinish = [&](int32_t) {
        ++reports;
        startFade();
      };
    };
    startFade();
    new TDSPE_Lightning(&local, 2, White, 0, 10, 30, 10, 1, 2, 2, 3, 20,
                        [&](float) { ++reports; new TBlock(&local, 3, Red); }, true);
  }
  EXPECT_EQ(reports, 0);
}

TEST_F(DspTest, StampsBecomePartOfTheBackgroundUntilReload) {
  auto* stamp = new TBlock(&dsp, 1, Red);
  stamp->X = 20;
  dsp.DrawElemOnBackground(stamp);
  delete stamp;
  dsp.Render(0);
  EXPECT_EQ(Frame(25, 5), Red);
  dsp.SaveBackground();
  dsp.ReloadBackground();
  EXPECT_EQ(Background(25, 5), MakeARGB(255, 100, 150, 200)) << "reload discards stamps";
  EXPECT_EQ(PixelARGB(dsp.SavedBackground(), 25, 5), Red) << "but not the saved background";
}

TEST_F(DspTest, GreyIsTheWeightedSumRoundedHalvesToEvenAndOpaque) {
  // 0.3*10 + 0.59*20 + 0.11*30 = 18.1 -> 18; 0.3*5 = 1.5 -> 2 (even); 0.3*15 = 4.5 -> 4.
  QImage picture = SolidPicture(40, 50, MakeARGB(255, 10, 20, 30));
  picture.setPixel(1, 0, MakeARGB(255, 5, 0, 0));
  picture.setPixel(2, 0, MakeARGB(255, 15, 0, 0));
  SavePicture(picture, dir.File("dat/grey"));
  TDSP grey(nullptr, 40, 50, 0, 0, "dat/grey", 1000);
  grey.GrayBackground();
  EXPECT_EQ(PixelARGB(grey.Background(), 0, 0), MakeARGB(255, 18, 18, 18));
  EXPECT_EQ(PixelARGB(grey.Background(), 1, 0), MakeARGB(255, 2, 2, 2));
  EXPECT_EQ(PixelARGB(grey.Background(), 2, 0), MakeARGB(255, 4, 4, 4));
}

TEST_F(DspTest, GreyTurnsTranslucentPixelsOpaqueAndLeavesPixelsBeyondTheSurface) {
  QImage picture = SolidPicture(60, 50, MakeARGB(255, 200, 0, 0));
  picture.fill(QColor::fromRgba(MakeARGB(128, 200, 0, 0)));
  picture.setPixel(55, 0, MakeARGB(255, 200, 0, 0));
  picture.save(QString::fromStdString(dir.File("dat/wide.png")));
  TDSP wide(nullptr, 40, 50, 0, 0, "dat/wide.png", 1000);
  wide.GrayBackground();
  EXPECT_EQ(qAlpha(PixelARGB(wide.Background(), 3, 3)), 255);
  EXPECT_EQ(PixelARGB(wide.Background(), 55, 0), MakeARGB(255, 200, 0, 0));
}

TEST_F(DspTest, BlendOfSavedBackgroundClampsAndUsesTheOpaqueThreshold) {
  const TARGB original = MakeARGB(255, 100, 150, 200);
  dsp.SaveBackground();
  dsp.GrayBackground();
  const uint32_t grey = Background(0, 0);
  ASSERT_NE(grey, original);

  dsp.BlendSavedBackground(0);
  EXPECT_EQ(Background(0, 0), grey) << "0 changes nothing";
  dsp.BlendSavedBackground(-3);
  EXPECT_EQ(Background(0, 0), grey) << "negative acts as 0";
  dsp.BlendSavedBackground(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(Background(0, 0), grey) << "not a number acts as 0";

  dsp.BlendSavedBackground(0.5f);
  const uint32_t half = Background(0, 0);
  EXPECT_NEAR(qRed(half), (qRed(grey) + 100) / 2.0, 1.5);
  EXPECT_NEAR(qBlue(half), (qBlue(grey) + 200) / 2.0, 1.5);

  dsp.GrayBackground();
  dsp.BlendSavedBackground(0.99f);
  EXPECT_EQ(Background(0, 0), original) << "0.99 is already an opaque copy";
  dsp.GrayBackground();
  dsp.BlendSavedBackground(7.5f);
  EXPECT_EQ(Background(0, 0), original);
}

TEST_F(DspTest, MaskedPictureTakesItsAlphaFromTheMasksRed) {
  QImage picture = SolidPicture(4, 4, Red);
  QImage mask = SolidPicture(4, 4, MakeARGB(255, 0, 0, 0));
  mask.setPixel(0, 0, MakeARGB(255, 255, 0, 0));
  mask.setPixel(1, 0, MakeARGB(255, 128, 77, 77));  // only red counts
  SavePicture(picture, dir.File("bmp/pic.bmp"));
  SavePicture(mask, dir.File("bmp/mask.bmp"));
  dsp.DrawMaskedOnBackground("bmp/pic.bmp", "bmp\\mask.bmp", QRectF(0, 0, 4, 4));
  EXPECT_EQ(Background(0, 0), Red);
  EXPECT_NEAR(qRed(Background(1, 0)), 100 + (255 - 100) * 128 / 255.0, 2);
  EXPECT_EQ(Background(2, 0), MakeARGB(255, 100, 150, 200));
}

TEST_F(DspTest, AMissingBackgroundIsEmptyAndFramesStillCompose) {
  TCapture capture;
  TDSP bare(&capture, 40, 50, 0, 0, "dat/missing", 1000);
  EXPECT_TRUE(bare.Background().isNull());
  auto* block = new TBlock(&bare, 1, Red);
  bare.GrayBackground();
  bare.SaveBackground();
  bare.BlendSavedBackground(1);
  bare.DrawElemOnBackground(block);
  bare.DrawMaskedOnBackground("dat/missing", "dat/missing", QRectF(0, 0, 4, 4));
  bare.Render(0);
  EXPECT_EQ(PixelARGB(capture.last, 5, 5), Red);
  EXPECT_EQ(PixelARGB(capture.last, 30, 30), 0xFF000000u);
}

TEST_F(DspTest, ABackgroundOfAnotherSizeIsStretchedToTheFrame) {
  SavePicture(SolidPicture(10, 10, Green), dir.File("dat/small"));
  TDSP stretched(nullptr, 40, 50, 0, 0, "dat/small", 1000);
  stretched.Render(0);
  EXPECT_EQ(PixelARGB(stretched.BackBuffer(), 39, 49), Green);
}

}  // namespace
