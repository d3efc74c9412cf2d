#pragma once
// Ties the running game to its desktop entry and gives its windows the game's icon.

// Needs the application object; call before the first window is shown.
void PresentToDesktop();
