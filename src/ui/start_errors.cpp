#include "ui/start_errors.h"

#include <sstream>
#include <utility>

#include "display/picture.h"
#include "frame/errors.h"

void TStartErrors::Note(const std::string& lines) {
  std::istringstream stream(lines);
  for (std::string line; std::getline(stream, line);)
    if (lines_.find(line) == std::string::npos) AppendLine(lines_, line);
}

std::string TStartErrors::Take() {
  Note(UnnamedPictureFailures(lines_));
  return std::exchange(lines_, {});
}

std::string UnnamedPictureFailures(const std::string& named) {
  std::string lines;
  for (const TPictureFailure& failure : TakePictureFailures())
    if (named.find("[" + failure.Path + "]") == std::string::npos) AppendLine(lines, PictureFailureText(failure));
  return lines;
}
