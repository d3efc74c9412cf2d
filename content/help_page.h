#pragma once
// The help pages beside the executable, opened by the Help button and F1: the English page and
// one page in each language of content/help/.

#include <string>
#include <string_view>
#include <vector>

#include "content_folder.h"

inline const std::string HelpPageFile = "Brillor_v1.0.html";

// The help page's text in one language, as in content/help/<code>.html: a <title> line, then
// the body, with a {name} where each picture goes.
struct THelpText {
  std::string_view code, text;
};
// Every language's text, compiled in from content/help/ ("en" among them).
const std::vector<THelpText>& HelpTexts();

// Brillor_v1.0.<code>.html; the English page has no code.
std::string HelpPageFileFor(std::string_view code);
// The whole page. Throws std::runtime_error when a translation lacks its title, a picture's
// place or a section of the English page.
std::string HelpPageHtml(const THelpText& text);
std::string HelpPageHtml(std::string_view code = "en");
// Every page, written only once all of them are whole.
void WriteHelpPages(const TContentFolder& game);
