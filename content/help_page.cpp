#include "help_page.h"

#include <stdexcept>
#include <utility>

#include "help_pictures.h"

namespace {
const char* const Style = R"(
body { background: #eee0bc; color: #462814; font-family: "DejaVu Serif", Georgia, serif;
       max-width: 46em; margin: 2em auto; padding: 0 1.5em; line-height: 1.45; }
h1 { text-align: center; font-size: 2.4em; margin-bottom: 0.1em; }
h1 + p { text-align: center; font-style: italic; margin-top: 0; }
h2 { border-bottom: 2px solid #ae8e5a; margin-top: 1.6em; }
table { border-collapse: collapse; margin: 0.6em 0; }
td, th { border: 1px solid #ae8e5a; padding: 0.25em 0.7em; text-align: left; }
th { background: #ae8e5a; color: #fff8e0; }
kbd { background: #fff8e0; border: 1px solid #ae8e5a; border-radius: 3px; padding: 0 0.3em; }
nav a { margin-right: 0.8em; }
figure { text-align: center; margin: 0.8em 0; }
figcaption { font-style: italic; font-size: 0.9em; }
figure.pair img { margin: 0 0.6em; }
td img { display: block; margin: 0 auto; }
)";

using TPictures = std::vector<std::pair<std::string, std::string>>;

// Each {name} of the texts with the data address of its picture.
TPictures HelpPictures() {
  const std::pair<const char*, QImage> pictures[] = {
      {"{gems}", HelpGemsPicture()},         {"{flow}", HelpFlowPicture()},
      {"{row}", HelpClearedRowPicture()},    {"{ring}", HelpRingPicture(75, 30)},
      {"{ringBeat}", HelpRingPicture(35, 80)}, {"{box0}", HelpBoxPicture(0)},
      {"{box1}", HelpBoxPicture(1)},         {"{box2}", HelpBoxPicture(2)}};
  TPictures uris;
  for (const auto& [name, picture] : pictures) uris.emplace_back(name, PngDataUri(picture));
  return uris;
}

std::runtime_error Fault(std::string_view code, const std::string& what) {
  return std::runtime_error("the help page in \"" + std::string(code) + "\" " + what);
}

// The body with each {name} replaced by its picture; every picture has exactly one place.
std::string WithPictures(std::string_view code, std::string body, const TPictures& pictures) {
  for (const auto& [name, uri] : pictures) {
    const size_t at = body.find(name);
    if (at == std::string::npos) throw Fault(code, "has no place for " + name);
    body.replace(at, name.size(), uri);
  }
  if (const size_t left = body.find('{'); left != std::string::npos)
    throw Fault(code, "has a place for no picture: " + body.substr(left, body.find('}', left) - left + 1));
  return body;
}

struct TPageText {
  std::string title, body;
};

// The <title> line and the body after it.
TPageText SplitTitle(const THelpText& text) {
  constexpr std::string_view open = "<title>", close = "</title>";
  const size_t end = text.text.find(close);
  if (!text.text.starts_with(open) || end == std::string_view::npos)
    throw Fault(text.code, "does not start with its <title>");
  return {std::string(text.text.substr(open.size(), end - open.size())),
          std::string(text.text.substr(end + close.size()))};
}

const THelpText& FindText(std::string_view code) {
  for (const THelpText& text : HelpTexts())
    if (text.code == code) return text;
  throw Fault(code, "has no text in content/help");
}

// Every section the English page has, by its id: the game opens them by name ("#about").
void CheckSections(std::string_view code, const std::string& body) {
  const std::string english = SplitTitle(FindText("en")).body;
  constexpr std::string_view marker = "id=\"";
  for (size_t at = english.find(marker); at != std::string::npos; at = english.find(marker, at + 1)) {
    const size_t start = at + marker.size();
    const std::string id = english.substr(at, english.find('"', start) + 1 - at);
    if (body.find(id) == std::string::npos) throw Fault(code, "lacks the section " + id);
  }
}

// "pt_BR" is "pt-BR" in HTML.
std::string HtmlLanguage(std::string_view code) {
  std::string language(code);
  for (char& c : language)
    if (c == '_') c = '-';
  return language;
}

std::string PageHtml(const THelpText& text, const TPictures& pictures) {
  const TPageText page = SplitTitle(text);
  CheckSections(text.code, page.body);
  return "<!DOCTYPE html>\n<html lang=\"" + HtmlLanguage(text.code) + "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
         page.title + "</title>\n<style>" + Style + "</style>\n</head>\n<body>" +
         WithPictures(text.code, page.body, pictures) + "</body>\n</html>\n";
}
}  // namespace

std::string HelpPageFileFor(std::string_view code) {
  return code == "en" ? HelpPageFile : "Brillor_v1.0." + std::string(code) + ".html";
}

std::string HelpPageHtml(const THelpText& text) { return PageHtml(text, HelpPictures()); }

std::string HelpPageHtml(std::string_view code) { return HelpPageHtml(FindText(code)); }

void WriteHelpPages(const TContentFolder& game) {
  const TPictures pictures = HelpPictures();
  std::vector<std::pair<std::string, std::string>> pages;
  for (const THelpText& text : HelpTexts()) pages.emplace_back(HelpPageFileFor(text.code), PageHtml(text, pictures));
  for (const auto& [file, html] : pages) game.Write(file, html);
}
