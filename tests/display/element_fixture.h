#pragma once
// A 400 x 500 surface on an opaque black background, with a clock of 1,000,000 ticks per
// second, for element tests that read back pixels and step time by hand.

#include <cstdint>
#include <memory>
#include <string>

#include <QImage>
#include <gtest/gtest.h>

#include "display/dsp.h"
#include "frame/random.h"
#include "frame/rounding.h"
#include "support/pictures.h"
#include "support/temp_dir.h"

class ElementTest : public ::testing::Test {
 protected:
  static constexpr int64_t kFrequency = 1'000'000;
  // Clock readings start well away from 0, which elements take as "not started".
  static constexpr int64_t kStart = 50 * kFrequency;
  static constexpr uint32_t kBackground = 0xFF000000;

  ElementTest() {
    SavePicture(SolidPicture(400, 500, kBackground), dir_.File("dat/x00"));
    dsp = std::make_unique<TDSP>(nullptr, 400, 500, 221, 20, "dat/x00", kFrequency);
    RandomSeed(20261207);
  }

  // Elements still alive report their end while the surface frees them; the test's own fields
  // must still exist then.
  void TearDown() override { dsp.reset(); }

  // Writes a picture into bmp/ and returns its game file name.
  std::string WritePicture(const std::string& name, const QImage& image) {
    SavePicture(image, dir_.File("bmp/" + name));
    return "bmp/" + name;
  }

  static int64_t At(double seconds) { return kStart + RoundHalfEven(seconds * kFrequency); }
  void RenderAt(double seconds) { dsp->Render(At(seconds)); }
  // Read in place: converting the whole frame per pixel would make pixel scans crawl.
  uint32_t Pixel(int x, int y) const {
    const QImage& frame = dsp->BackBuffer();
    return frame.valid(x, y) ? qUnpremultiply(frame.pixel(x, y)) : 0;
  }
  static int Red(uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }
  bool Registered(const TDSPElem* elem) const {
    for (const TDSPElem* e : dsp->Elems())
      if (e == elem) return true;
    return false;
  }

  TTempProgramDir dir_;
  std::unique_ptr<TDSP> dsp;
};
