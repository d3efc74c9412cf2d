#include "stages/centred_words.h"

#include <QFontMetricsF>

namespace {
constexpr int32_t SmallestSize = 12;
constexpr int32_t Margin = 12;
}  // namespace

std::unique_ptr<TDSPE_Text> CentredWords(TDSP* dsp, int32_t layer, const QString& text, int32_t largestSize) {
  const double room = dsp->Width() - 2.0 * Margin;
  std::unique_ptr<TDSPE_Text> words;
  for (int32_t size = largestSize;; --size) {
    words = std::make_unique<TDSPE_Text>(dsp, layer, QStringLiteral("Tahoma"), size, MakeARGB(255, 255, 255, 255),
                                         text, 0, 0);
    if (QFontMetricsF(words->Font()).horizontalAdvance(text) <= room || size <= SmallestSize) break;
  }
  const QFontMetricsF metrics(words->Font());
  words->X = static_cast<float>((dsp->Width() - metrics.horizontalAdvance(text)) / 2);
  words->Y = static_cast<float>((dsp->Height() - metrics.height()) / 2);
  return words;
}
