#pragma once
// The help page in the player's language: Brillor_v1.0.<code>.html beside the English
// Brillor_v1.0.html, where the game ships it; the English page otherwise.

#include <string>

// The language the game speaks ("de", "pt_BR"; "en" for English), set at start.
void SetHelpLanguage(const std::string& code);
// The help page's file name, relative to the game folder, for a language.
std::string HelpPageName(const std::string& code);
// The full path of the page Help opens.
std::string HelpPagePath();
