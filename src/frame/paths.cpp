#include "frame/paths.h"

#include <filesystem>

namespace {
struct TFolders {
  std::string game;
  std::string player;
};

TFolders& Folders() {
  static TFolders folders;
  return folders;
}

std::string& PictureLanguage() {
  static std::string code;
  return code;
}

std::string Within(const std::string& folder, std::string_view relative) {
  std::string name = NormalizeSeparators(relative);
  if (!name.empty() && name.front() == '/') return name;
  return folder + name;
}
}  // namespace

const std::string& ProgramDir() { return Folders().game; }

void SetProgramDir(std::string_view dir) {
  Folders().game = FolderName(dir);
  Folders().player = Folders().game;
}

const std::string& PlayerDir() { return Folders().player; }

void SetPlayerDir(std::string_view dir) { Folders().player = FolderName(dir); }

std::string NormalizeSeparators(std::string_view name) {
  std::string result(name);
  for (char& c : result)
    if (c == '\\') c = '/';
  return result;
}

std::string FolderName(std::string_view dir) {
  std::string folder = NormalizeSeparators(dir);
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string GamePath(std::string_view relative) { return Within(ProgramDir(), relative); }

std::string PlayerPath(std::string_view relative) { return Within(PlayerDir(), relative); }

std::string LevelPath(std::string_view relative) {
  const std::string own = PlayerPath(relative);
  std::error_code error;
  if (PlayerDir() != ProgramDir() && std::filesystem::is_regular_file(own, error)) return own;
  return GamePath(relative);
}

namespace {
constexpr std::string_view TranslationPrefix = "brillor_", TranslationSuffix = ".qm";
}

std::string TranslationFileName(std::string_view code) {
  return std::string(TranslationPrefix) + std::string(code) + std::string(TranslationSuffix);
}

std::string TranslationCodeOf(std::string_view fileName) {
  if (fileName.size() <= TranslationPrefix.size() + TranslationSuffix.size() ||
      !fileName.starts_with(TranslationPrefix) || !fileName.ends_with(TranslationSuffix))
    return {};
  return std::string(
      fileName.substr(TranslationPrefix.size(), fileName.size() - TranslationPrefix.size() - TranslationSuffix.size()));
}

std::string PictureInLanguage(std::string_view code, std::string_view relative) {
  return std::string(TranslationsFolder) + std::string(code) + "/" + NormalizeSeparators(relative);
}

void SetPictureLanguage(std::string_view code) { PictureLanguage() = code; }

std::string TranslatedPicture(std::string_view relative) {
  if (PictureLanguage().empty()) return {};
  const std::string translated = GamePath(PictureInLanguage(PictureLanguage(), relative));
  std::error_code error;
  return std::filesystem::is_regular_file(translated, error) ? translated : std::string();
}

std::string WordedPath(std::string_view relative) {
  std::string translated = TranslatedPicture(relative);
  return translated.empty() ? GamePath(relative) : translated;
}
