#include "app/command_line.h"

#include <QCoreApplication>

#ifndef BRILLOR_VERSION
#error "BRILLOR_VERSION must name the game's version"
#endif

namespace {
constexpr const char* Program = "brillor";
constexpr const char* LanguageOption = "--lang";

const char* const HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: brillor [OPTION]\n"
    "Brillor I, a hexagon puzzle game.\n"
    "\n"
    "  --editor    start with the level editor's tool window shown (Ctrl+E in the game)\n"
    "  --lang CODE play in the language CODE (de, fr, pt_BR...) instead of the environment's\n"
    "  -h, --help  show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "An installed game keeps the settings, the player roster and levels saved by the editor in\n"
    "$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat when unset); a level there is played\n"
    "instead of the shipped one. A game run from a folder it may write keeps them in its own dat.\n");

QString Translated(const char* text) { return QCoreApplication::translate("CommandLine", text); }

TCommandLine Mistake(const char* what, std::string argument) {
  return {TLaunch::Mistake, what, std::move(argument), {}};
}
}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  bool help = false, version = false, editor = false;
  std::string language;
  const std::string languageIs = std::string(LanguageOption) + "=";
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") help = true;
    else if (argument == "--version") version = true;
    else if (argument == "--editor") editor = true;
    else if (argument == LanguageOption) {
      if (i + 1 == arguments.size() || arguments[i + 1].empty() || arguments[i + 1].front() == '-')
        return Mistake(QT_TRANSLATE_NOOP("CommandLine", "option '%1' needs a language code"), argument);
      language = arguments[++i];
    } else if (argument.rfind(languageIs, 0) == 0 && argument.size() > languageIs.size())
      language = argument.substr(languageIs.size());
    else if (!argument.empty() && argument.front() == '-')
      return Mistake(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"), argument);
    else return Mistake(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"), argument);
  }
  TLaunch launch = editor ? TLaunch::Editor : TLaunch::Play;
  if (help) launch = TLaunch::Help;
  else if (version) launch = TLaunch::Version;
  return {launch, {}, {}, language};
}

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  return ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}

std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out, std::ostream& err) {
  switch (commandLine.launch) {
    case TLaunch::Play:
    case TLaunch::Editor: return std::nullopt;
    case TLaunch::Help: out << Translated(HelpText).toStdString(); return 0;
    case TLaunch::Version: out << "Brillor I " << BRILLOR_VERSION << '\n'; return 0;
    case TLaunch::Mistake:
      err << Program << ": "
          << Translated(commandLine.mistake.c_str()).arg(QString::fromStdString(commandLine.mistakeArgument)).toStdString()
          << '\n'
          << Translated(QT_TRANSLATE_NOOP("CommandLine", "Try '%1 --help' for the options.")).arg(Program).toStdString()
          << '\n';
      return MistakeExitCode;
  }
  return std::nullopt;
}
