#include "generator.h"

#include "help_page.h"
#include "levels.h"
#include "pictures.h"
#include "pictures_icon.h"
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
  std::vector<TNamedPicture> pictures = ResourcePictures();
  // The icon goes both into the executable (the window icon) and, from this folder, to the desktop.
  for (TNamedPicture& icon : IconPictures()) pictures.push_back(std::move(icon));
  for (const TNamedPicture& picture : pictures) {
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
  WriteHelpPages(game);
}
