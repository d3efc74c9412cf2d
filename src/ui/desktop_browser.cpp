#include "ui/desktop_browser.h"

#include <algorithm>

#include <QFile>
#include <QStandardPaths>

namespace {
bool NamesHtmlProgram(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  bool removed = false;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine().trimmed();
    if (line.startsWith('[')) {
      removed = line == "[Removed Associations]";
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (removed || equals < 0 || line.left(equals).trimmed() != "text/html") continue;
    // "text/html=;" names nothing.
    if (!line.mid(equals + 1).replace(';', "").trimmed().isEmpty()) return true;
  }
  return false;
}

// The lists of programs by file type, from the user's own to the system's.
QStringList MimeLists() {
  QStringList files;
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
    files << folder + QStringLiteral("/mimeapps.list");
  for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    files << folder + QStringLiteral("/applications/mimeapps.list")
          << folder + QStringLiteral("/applications/mimeinfo.cache");
  return files;
}
}  // namespace

bool HtmlProgramNamedIn(const QStringList& files) { return std::any_of(files.begin(), files.end(), NamesHtmlProgram); }

bool DesktopShowsWebPages() {
  return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty() && HtmlProgramNamedIn(MimeLists());
}
