// The translation check: whatever it lets through, Qt looks the game's texts up in without
// reading outside the file (the sanitizers watch every read), and the shipped translations
// pass it.

#include <QTranslator>

#include "frame/translation_file.h"
#include "fuzz_support.h"

namespace {
// Texts of the shipped translations (the seeds), so lookups reach their messages, plus a
// disambiguation and a plural.
constexpr const char* Lookups[][3] = {
    {"TfrmMain", "Player", nullptr},       {"TfrmMain", "High Scores", nullptr},
    {"TfrmMain", "About Brillor I", nullptr}, {"TfrmMessageBox", "OK", nullptr},
    {"Failures", "Cannot load picture [%s]", nullptr}, {"TfrmMain", "Player", "button"},
    {"", "", nullptr},
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!TranslationFileIsWhole(FuzzBytes(data, size))) return 0;
  QTranslator translator;
  if (!translator.load(data, static_cast<int>(size))) return 0;
  for (const auto& lookup : Lookups) {
    translator.translate(lookup[0], lookup[1], lookup[2]);
    translator.translate(lookup[0], lookup[1], lookup[2], 3);
  }
  return 0;
}
