#include "generator.h"

#include "help_page.h"
#include "levels.h"
#include "pictures.h"
#include "sounds.h"

std::vector<TNamedPicture> GamePictures() {
  std::vector<TNamedPicture> all;
  for (auto group : {GemPictures, FieldPictures, MapPictures, WindowPictures})
    for (TNamedPicture& picture : group()) all.push_back(std::move(picture));
  return all;
}

void WritePictures(const TContentFolder& game) {
  for (const TNamedPicture& picture : GamePictures()) game.WritePicture(picture.file, picture.image);
}

void WriteResources(const TContentFolder& resources) {
  std::string list = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/pictures\">\n";
  for (const TNamedPicture& picture : ResourcePictures()) {
    resources.WritePng(picture.file, picture.image);
    list += "  <file>" + picture.file + "</file>\n";
  }
  list += "</qresource>\n</RCC>\n";
  resources.Write("pictures.qrc", list);
}

void WriteGameFiles(const TContentFolder& game) {
  WritePictures(game);
  WriteSoundEffects(game);
  WriteMusic(game);
  WriteLevels(game);
  WriteHelpPage(game);
}
