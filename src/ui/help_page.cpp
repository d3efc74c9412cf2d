#include "ui/help_page.h"

#include <filesystem>

#include "frame/paths.h"

namespace {
constexpr const char* Page = "Brillor_v1.0";

std::string& HelpLanguage() {
  static std::string code;
  return code;
}
}  // namespace

void SetHelpLanguage(const std::string& code) { HelpLanguage() = code; }

std::string HelpPageName(const std::string& code) {
  return std::string(Page) + (code.empty() || code == "en" ? "" : "." + code) + ".html";
}

std::string HelpPagePath() {
  const std::string translated = GamePath(HelpPageName(HelpLanguage()));
  std::error_code ignored;
  return std::filesystem::is_regular_file(translated, ignored) ? translated : GamePath(HelpPageName({}));
}
