#pragma once
// The help page beside the executable, opened by the Help button and F1.

#include <string>

#include "content_folder.h"

inline const std::string HelpPageFile = "Brillor_v1.0.html";

std::string HelpPageHtml();
void WriteHelpPage(const TContentFolder& game);
