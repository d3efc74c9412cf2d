// The options file: any text reads without harm into options within their ranges, the report
// of ignored lines stays short, and the options save to a text that reads back to the same.

#include <algorithm>

#include "frame/more_options.h"
#include "frame/line_report.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMoreOptions read;
  const std::string problems = read.Parse(std::string(FuzzBytes(data, size)));
  FuzzCheck(std::count(problems.begin(), problems.end(), '\n') <= TLineReport::ShownLines + 1,
            "the report of ignored lines is not kept short");
  FuzzCheck(std::find(std::begin(TMoreOptions::Scales), std::end(TMoreOptions::Scales), read.WindowScale) !=
                std::end(TMoreOptions::Scales),
            "a window size outside the choices was read");
  TMoreOptions again;
  FuzzCheck(again.Parse(read.Text()).empty() && again == read, "the options do not read back as saved");
  return 0;
}
