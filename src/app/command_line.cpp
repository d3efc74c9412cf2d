#include "app/command_line.h"

#ifndef BRILLOR_VERSION
#error "BRILLOR_VERSION must name the game's version"
#endif

namespace {
constexpr const char* Program = "brillor";

const char* const HelpText =
    "Usage: brillor [OPTION]\n"
    "Brillor I, a hexagon puzzle game.\n"
    "\n"
    "  --editor    start with the level editor's tool window shown (Ctrl+E in the game)\n"
    "  -h, --help  show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "An installed game keeps the settings, the player roster and levels saved by the editor in\n"
    "$XDG_DATA_HOME/brillor/dat (~/.local/share/brillor/dat when unset); a level there is played\n"
    "instead of the shipped one. A game run from a folder it may write keeps them in its own dat.\n";

TCommandLine Mistake(std::string what) { return {TLaunch::Mistake, std::move(what)}; }
}  // namespace

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  bool help = false, version = false, editor = false;
  for (const std::string& argument : arguments) {
    if (argument == "--help" || argument == "-h") help = true;
    else if (argument == "--version") version = true;
    else if (argument == "--editor") editor = true;
    else if (!argument.empty() && argument.front() == '-') return Mistake("unknown option '" + argument + "'");
    else return Mistake("unexpected argument '" + argument + "'");
  }
  if (help) return {TLaunch::Help, {}};
  if (version) return {TLaunch::Version, {}};
  return {editor ? TLaunch::Editor : TLaunch::Play, {}};
}

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  return ParseCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}

std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out, std::ostream& err) {
  switch (commandLine.launch) {
    case TLaunch::Play:
    case TLaunch::Editor: return std::nullopt;
    case TLaunch::Help: out << HelpText; return 0;
    case TLaunch::Version: out << "Brillor I " << BRILLOR_VERSION << '\n'; return 0;
    case TLaunch::Mistake:
      err << Program << ": " << commandLine.mistake << "\nTry '" << Program << " --help' for the options.\n";
      return MistakeExitCode;
  }
  return std::nullopt;
}
