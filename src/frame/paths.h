#pragma once
// Program-directory paths. Every file of the game is named relative to the folder of the
// executable, with either separator ("dat/b00", "dat\\a%2.2d"); both mean the same.

#include <string>
#include <string_view>

// The program directory, always ending in '/'. Empty until set.
const std::string& ProgramDir();
// Sets the program directory (adds the trailing '/' when missing).
void SetProgramDir(std::string_view dir);
// Turns "\\" into "/" in a game file name.
std::string NormalizeSeparators(std::string_view name);
// The program directory followed by the relative game name, separators normalised. An
// already absolute name is only normalised.
std::string GamePath(std::string_view relative);
