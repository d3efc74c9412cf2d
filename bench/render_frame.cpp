// The cost of composing frames next to one plain 400 x 500 picture copy, all in one run so the
// ratios can be read off one output:
//   PlainCopy     one 400 x 500 picture copy, the floor of any frame;
//   TypicalFrame  level 1 at rest: the held set following the mouse along a curve, its four
//                 outlines pulsing, the countdown ring running, the clock 1/60 s on per frame;
//   BusyFrame     background, four held gems with their outlines, the countdown ring, five
//                 bouncing boxes, a 100-particle spark burst, a finite lightning bolt that starts
//                 again whenever it ends, and the chain digits.
// CPU time is the whole process's: Qt may hand large fills to worker threads.

#include <benchmark/benchmark.h>

#include "bench_main.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QGuiApplication>
#include <QPainter>

#include "display/dsp.h"
#include "display/line_effects.h"
#include "display/picture_elements.h"
#include "frame/paths.h"
#include "frame/random.h"

namespace {

constexpr int64_t Frequency = 1'000'000;
constexpr int64_t FrameTicks = Frequency / 60;

// Pictures of the sizes the game uses, written once into a scratch program folder.
void WritePictures(const std::filesystem::path& dir) {
  std::filesystem::create_directories(dir / "dat");
  std::filesystem::create_directories(dir / "bmp");
  auto save = [&](const QImage& image, const char* name) {
    image.save(QString::fromStdString((dir / name).string()), "BMP");
  };
  QImage background(400, 500, QImage::Format_RGB32);
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 400; ++x) background.setPixel(x, y, qRgb(70 + x % 40, 40 + y % 30, 20));
  save(background, "dat/x00");
  QImage gem(36, 36, QImage::Format_RGB32);
  gem.fill(qRgb(40, 160, 60));
  save(gem, "bmp/hexagon02.bmp");
  QImage mask(36, 36, QImage::Format_RGB32);
  mask.fill(Qt::black);
  QPainter(&mask).fillRect(4, 2, 28, 32, Qt::white);
  save(mask, "bmp/hexagonmask0.bmp");
  QImage box(168, 28, QImage::Format_RGB32);
  box.fill(Qt::black);
  for (int f = 0; f < 6; ++f) QPainter(&box).fillRect(f * 28 + 3, 3, 22, 22, QColor(200, 120 + f * 20, 40));
  save(box, "bmp/PandorasBox00.bmp");
  QImage digits(275, 30, QImage::Format_RGB32);
  digits.fill(qRgb(250, 220, 60));
  save(digits, "bmp/num.bmp");
  QImage digitMask(275, 30, QImage::Format_RGB32);
  digitMask.fill(Qt::black);
  for (int c = 0; c < 11; ++c) QPainter(&digitMask).fillRect(c * 25 + 4, 3, 17, 24, Qt::white);
  save(digitMask, "bmp/nummask.bmp");
}

struct BusyFrame {
  explicit BusyFrame(const std::filesystem::path& dir) {
    SetProgramDir(dir.string());
    RandomSeed(7);
    dsp = std::make_unique<TDSP>(nullptr, 400, 500, 221, 20, "dat/x00", Frequency);
    for (int i = 0; i < 4; ++i) {
      const float x = 150 + 31.18f * (i % 2) + 15.59f * (i / 2), y = 200 + 27.0f * (i / 2);
      TDSPE_Static::CreateMasked(dsp.get(), 10, "bmp/hexagon02.bmp", "bmp/hexagonmask0.bmp", x, y);
      auto* outline = new TDSPE_Flash(dsp.get(), 9, 0xFFFFFF00, Frequency / 10);
      outline->X = x + 18;
      outline->Y = y + 18;
    }
    auto* ring = new TDSPE_Arc(dsp.get(), 3, 100);
    ring->X = ring->Y = 100;
    ring->Percent = 64;
    for (int i = 0; i < 5; ++i)
      new TDSPE_Bounce(dsp.get(), 6, "bmp/PandorasBox00.bmp", 40.0f + 60 * i, 50.0f + 70 * i, 6, Frequency / 12, 80);
    new TDSPE_Spark(dsp.get(), 8, 0xFFFFD040, 200, 250, 120, -40, 60, 100, 2, true);
    StartLightning();
    auto* chain = TDSPE_String::CreateMasked(dsp.get(), 11, "bmp/num.bmp", "bmp/nummask.bmp", 150, 120, 25);
    chain->Text = "*4";
  }

  // The surface frees the last bolt; it must not start another one then.
  ~BusyFrame() {
    closing = true;
    dsp.reset();
  }

  // A finite bolt frees itself after about 0.6 s; its end starts the next one.
  void StartLightning() {
    new TDSPE_Lightning(dsp.get(), 5, 0xFFDCDCFF, 15, 300, 385, 300, 1, 3, 8, 7, 20,
                        [this](float) {
                          if (!closing) StartLightning();
                        },
                        true);
  }

  bool closing = false;
  std::unique_ptr<TDSP> dsp;
  int64_t now = Frequency;
};


// Level 1 while the player thinks: four gems under the mouse, their outlines on the cells below
// (snapped to the board's grid), the ring counting down its five seconds.
struct TypicalFrame {
  static constexpr int kGems = 4;

  explicit TypicalFrame(const std::filesystem::path& dir) {
    SetProgramDir(dir.string());
    RandomSeed(7);
    dsp = std::make_unique<TDSP>(nullptr, 400, 500, 221, 20, "dat/x00", Frequency);
    ring = new TDSPE_Arc(dsp.get(), 3, 100);
    ring->X = ring->Y = 100;
    for (int i = 0; i < kGems; ++i) {
      gems[i] = TDSPE_Static::CreateMasked(dsp.get(), 10, "bmp/hexagon02.bmp", "bmp/hexagonmask0.bmp", 0, 0);
      outlines[i] = new TDSPE_Flash(dsp.get(), 3, 0x64FFFF00, Frequency / 5);
    }
  }

  // One frame: the mouse a little further along its curve, the ring's share of five seconds.
  void Frame() {
    now += FrameTicks;
    const double t = static_cast<double>(now) / Frequency;
    const double mouseX = 200 + 120 * std::sin(t * 0.9), mouseY = 250 + 150 * std::sin(t * 0.6);
    for (int i = 0; i < kGems; ++i) {
      const double x = mouseX + 31.18 * (i % 2) + 15.59 * (i / 2), y = mouseY + 27.0 * (i / 2);
      gems[i]->X = static_cast<float>(x);
      gems[i]->Y = static_cast<float>(y);
      outlines[i]->X = static_cast<float>(std::round(x / 31.18) * 31.18 + 18);
      outlines[i]->Y = static_cast<float>(std::round(y / 27.0) * 27.0 + 18);
    }
    const double fraction = std::fmod(t, 5.0) / 5.0;
    ring->Percent = static_cast<float>(100 - 100 * fraction);
    dsp->Render(now);
  }

  std::unique_ptr<TDSP> dsp;
  TDSPE_Arc* ring;
  TDSPE_Static* gems[kGems];
  TDSPE_Flash* outlines[kGems];
  int64_t now = Frequency;
};

std::filesystem::path ScratchFolder() {
  static const std::filesystem::path dir = [] {
    auto path = std::filesystem::temp_directory_path() / "brillor-bench-render";
    WritePictures(path);
    return path;
  }();
  return dir;
}

void BM_PlainCopy(benchmark::State& state) {
  QImage source(400, 500, QImage::Format_ARGB32_Premultiplied);
  source.fill(QColor(120, 80, 40));
  QImage target(400, 500, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&target);
  for (auto _ : state) {
    painter.drawImage(0, 0, source);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PlainCopy)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(15)->ReportAggregatesOnly(true);

void BM_TypicalFrame(benchmark::State& state) {
  TypicalFrame frame(ScratchFolder());
  for (auto _ : state) {
    frame.Frame();
    benchmark::DoNotOptimize(frame.dsp->BackBuffer().constBits());
  }
}
BENCHMARK(BM_TypicalFrame)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(15)->ReportAggregatesOnly(true);

void BM_BusyFrame(benchmark::State& state) {
  BusyFrame frame(ScratchFolder());
  for (auto _ : state) {
    frame.now += FrameTicks;
    frame.dsp->Render(frame.now);
    benchmark::DoNotOptimize(frame.dsp->BackBuffer().constBits());
  }
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(15)->ReportAggregatesOnly(true);
}  // namespace

BRILLOR_BENCHMARK_MAIN()
