#pragma once
// Registers the window font "Tahoma" from Wine's metric-compatible files when they are installed.
void RegisterGameFonts();
