#pragma once
// The game's failures: exceptions that carry the text shown to the player.

#include <stdexcept>
#include <string>
#include <utility>

class EGameError : public std::runtime_error {
 public:
  explicit EGameError(const std::string& message) : std::runtime_error(message) {}
};

// A player file that could not be written: the file and the system's reason, kept apart so that
// one cause (a folder that cannot be written) can be told once for all its files.
class EFileError : public EGameError {
 public:
  EFileError(const std::string& message, std::string path, std::string reason)
      : EGameError(message), Path(std::move(path)), Reason(std::move(reason)) {}
  std::string Path;
  std::string Reason;
};

// Adds a line to a list of lines (one message per line); an empty line adds nothing.
void AppendLine(std::string& lines, const std::string& line);

// Formats a message the printf way ("Open Error [%s]") into the text of an EGameError.
std::string FormatMessage(const char* format, const std::string& argument);
