#pragma once
// The game's failures: exceptions that carry the text shown to the player.

#include <stdexcept>
#include <string>

class EGameError : public std::runtime_error {
 public:
  explicit EGameError(const std::string& message) : std::runtime_error(message) {}
};

// Adds a line to a list of lines (one message per line); an empty line adds nothing.
void AppendLine(std::string& lines, const std::string& line);

// Formats a message the printf way ("Open Error [%s]") into the text of an EGameError.
std::string FormatMessage(const char* format, const std::string& argument);
