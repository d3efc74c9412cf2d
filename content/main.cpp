// brillor_content --game DIR [--resources DIR] [--contact-sheet DIR]
// brillor_content --translated-pictures DIR
// Writes every game file into DIR; the pictures compiled into the executable into the resource
// folder; and, for review only, the contact sheets. The second form draws only the pictures with
// words, in each language whose translation is in DIR/translations (the translations are built
// after the game files, and change without the rest).

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include <QGuiApplication>

#include "contact_sheet.h"
#include "generator.h"
#include "sounds.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  std::string gameDir, resourceDir, sheetDir, translatedDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--game") gameDir = argv[i + 1];
    else if (option == "--resources") resourceDir = argv[i + 1];
    else if (option == "--contact-sheet") sheetDir = argv[i + 1];
    else if (option == "--translated-pictures")
      translatedDir = argv[i + 1];
    else {
      std::fprintf(stderr, "unknown option %s\n", option.c_str());
      return 2;
    }
  }
  if (gameDir.empty() == translatedDir.empty()) {
    std::fprintf(stderr,
                 "usage: %s --game DIR [--resources DIR] [--contact-sheet DIR]\n       %s --translated-pictures DIR\n",
                 argv[0], argv[0]);
    return 2;
  }
  try {
    if (!translatedDir.empty()) {
      WriteTranslatedPictures(TContentFolder(translatedDir));
      return 0;
    }
    WriteGameFiles(TContentFolder(gameDir));
    if (!resourceDir.empty()) WriteResources(TContentFolder(resourceDir));
    if (!sheetDir.empty()) {
      WriteContactSheets(TContentFolder(gameDir), TContentFolder(sheetDir));
      WriteSoundSheet(TContentFolder(sheetDir), SoundEffects(), MusicPieces());
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "brillor_content: %s\n", error.what());
    return 1;
  }
  return 0;
}
