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
  std::string mistake;  // what was wrong, for TLaunch::Mistake
};

// Reads the arguments after the program name. A mistake anywhere wins over everything else,
// then --help, then --version.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);
TCommandLine ParseCommandLine(int argc, const char* const* argv);

// Exit status of a command line the shell should reject.
inline constexpr int MistakeExitCode = 2;

// Answers what needs no window on out (help, version) or err (mistakes) and
// returns the exit status; nothing when the game should start.
std::optional<int> AnswerWithoutWindow(const TCommandLine& commandLine, std::ostream& out, std::ostream& err);
