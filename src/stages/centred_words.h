#pragma once
// Words in the middle of the field, white, as large as they fit with a margin either side (a
// long translation is drawn smaller).

#include <memory>

#include <QString>

#include "display/picture_elements.h"

std::unique_ptr<TDSPE_Text> CentredWords(TDSP* dsp, int32_t layer, const QString& text, int32_t largestSize);
