#include "app/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "frame/paths.h"
#include "frame/translation_file.h"

namespace {
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::string> Split(const std::string& list, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t end; (end = list.find(separator, start)) != std::string::npos; start = end + 1)
    parts.push_back(list.substr(start, end - start));
  parts.push_back(list.substr(start));
  return parts;
}

// "pt_BR.UTF-8@euro": "pt_BR", then "pt". Nothing for "C", "POSIX" or an empty name.
std::vector<std::string> Candidates(const std::string& name) {
  std::string code = name.substr(0, name.find_first_of(".@"));
  if (code.empty() || code == "C" || code == "POSIX") return {};
  std::vector<std::string> candidates{code};
  if (const size_t territory = code.find('_'); territory != std::string::npos)
    candidates.push_back(code.substr(0, territory));
  return candidates;
}

// A usable code from one entry, or empty.
std::string Usable(const std::string& entry, const TLanguageFacts& facts) {
  for (const std::string& code : Candidates(entry)) {
    if (code == SourceLanguage || code.rfind(std::string(SourceLanguage) + "_", 0) == 0) return SourceLanguage;
    if (facts.shipped && facts.shipped(code)) return code;
  }
  return {};
}
}  // namespace

std::string ChooseLanguage(const TLanguageFacts& facts) {
  // The player's own choice is final, even when the game does not speak it.
  if (!facts.commandLine.empty()) {
    const std::string code = Usable(facts.commandLine, facts);
    return code.empty() ? SourceLanguage : code;
  }
  std::vector<std::string> entries;
  for (const std::string& entry : Split(facts.language, ':')) entries.push_back(entry);
  entries.insert(entries.end(), {facts.lcAll, facts.lcMessages, facts.lang});
  for (const std::string& entry : entries)
    if (const std::string code = Usable(entry, facts); !code.empty()) return code;
  return SourceLanguage;
}

std::string TranslationFile(const std::string& folder, const std::string& code) {
  return folder + TranslationFileName(code);
}

TLanguageFacts EnvironmentLanguage(const std::string& commandLine, const std::string& folder) {
  return {commandLine,
          Environment("LANGUAGE"),
          Environment("LC_ALL"),
          Environment("LC_MESSAGES"),
          Environment("LANG"),
          [folder](const std::string& code) {
            std::error_code ignored;
            return std::filesystem::is_regular_file(TranslationFile(folder, code), ignored);
          }};
}

namespace {
// A translator over bytes it keeps: Qt reads them for every lookup.
class TCheckedTranslator : public QTranslator {
 public:
  TCheckedTranslator(QObject* parent, QByteArray bytes) : QTranslator(parent), bytes_(std::move(bytes)) {}
  bool Load() {
    return load(reinterpret_cast<const uchar*>(bytes_.constData()), static_cast<int>(bytes_.size()));
  }

 private:
  QByteArray bytes_;
};

// The file's bytes when it is a translation the game can use safely.
std::optional<QByteArray> CheckedTranslation(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() > static_cast<qint64>(MaxTranslationFileSize))
    return std::nullopt;
  QByteArray bytes = file.readAll();
  if (!TranslationFileIsWhole(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
    return std::nullopt;
  return bytes;
}
}  // namespace

std::string InstallTranslation(const std::string& folder, const std::string& code) {
  if (code == SourceLanguage) return {};
  const std::string path = TranslationFile(folder, code);
  std::optional<QByteArray> bytes = CheckedTranslation(path);
  auto* game = bytes ? new TCheckedTranslator(QCoreApplication::instance(), std::move(*bytes)) : nullptr;
  if (!game || !game->Load()) {
    delete game;
    // Nothing of the translation could be used: the words are the game's own.
    return "Brillor I: the translation \"" + path + "\" is damaged or cannot be read; the game speaks English.";
  }
  QCoreApplication::installTranslator(game);
  // The file dialogs' own texts, where the system has Qt's translations.
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(QLocale(QString::fromStdString(code)), QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
  return {};
}
