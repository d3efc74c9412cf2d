#pragma once
// Load failures gathered while the game starts (damaged player files, missing sounds, music or
// pictures), so the player reads them together in one message once the window is up.

#include <string>

class TStartErrors {
 public:
  // Adds each line not there yet.
  void Note(const std::string& lines);
  // Everything noted, with every picture that failed to load and is not named yet; the
  // collection is empty afterwards.
  std::string Take();

 private:
  std::string lines_;
};

// The pictures that failed to load since last asked, one line each, but those already in named.
std::string UnnamedPictureFailures(const std::string& named);
