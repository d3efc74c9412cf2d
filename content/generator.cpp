#include "generator.h"

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "frame/asset_names.h"
#include "frame/paths.h"
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

std::vector<TNamedPicture> WordedPictures() {
  std::vector<TNamedPicture> all;
  for (auto group : {WordedFieldPictures, WordedMapPictures})
    for (TNamedPicture& picture : group()) all.push_back(std::move(picture));
  all.push_back({Asset::MainBackground, MainBackground()});
  return all;
}

namespace {
void WritePicturesInLanguage(const TContentFolder& game, const std::string& code) {
  for (const TNamedPicture& picture : WordedPictures()) {
    const std::string file = PictureInLanguage(code, picture.file);
    if (picture.file.ends_with(".png"))
      game.WritePng(file, picture.image);
    else
      game.WritePicture(file, picture.image);
  }
}
}  // namespace

std::vector<std::string> WriteTranslatedPictures(const TContentFolder& game) {
  const std::filesystem::path folder = game.Path(TranslationsFolder);
  std::vector<std::string> codes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (std::string code = TranslationCodeOf(entry.path().filename().string()); !code.empty())
      codes.push_back(std::move(code));
  std::sort(codes.begin(), codes.end());
  for (const std::string& code : codes) {
    const std::string file = (folder / TranslationFileName(code)).string();
    QTranslator translator;
    if (!translator.load(QString::fromStdString(file))) throw std::runtime_error("cannot read the translation " + file);
    QCoreApplication::installTranslator(&translator);
    WritePicturesInLanguage(game, code);
    QCoreApplication::removeTranslator(&translator);
  }
  return codes;
}

void WriteGameFiles(const TContentFolder& game) {
  WritePictures(game);
  WriteSoundEffects(game);
  WriteMusic(game);
  WriteLevels(game);
  WriteHelpPages(game);
}
