#pragma once
// The game's command line: what the player asked for, and the answers given before any window
// opens (help, version, a mistake in the options).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

enum class TLaunch { Play, Editor, Help, Version, Mistake };

struct TCommandLine {
  TLaunch launch = TLaunch::Play;
  // What was wrong, for TLaunch::Mistake: an English text with %1 for the argument, told in the
  // player's language.
  std::string mistake;
  std::string mistakeArgument;
  std::string language;  // --lang CODE; empty when not given
};

// Reads the arguments after the program name. A mistake anywhere wins over everything else,
// then --help, then --version. --lang CODE (or --lang=CODE) goes with any of them.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
TCommandLine ParseCommandLine(int argc, const char* const* argv);

// Exit status of a command line the shell should reject.
inline constexpr int MistakeExitCode = 2;

// Answers what needs no window on out (help, version) or err (mistakes), in the language of the
// installed translation, and returns the exit status; nothing when the game should start.
std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out, std::ostream& err);
