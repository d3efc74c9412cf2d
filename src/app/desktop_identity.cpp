#include "app/desktop_identity.h"

#include <QDirIterator>
#include <QGuiApplication>
#include <QIcon>

#ifndef BRILLOR_APP_ID
#error "BRILLOR_APP_ID must name the desktop entry"
#endif

void PresentToDesktop() {
  // Lets the desktop match the window to the installed entry (and so to its icon and name).
  QGuiApplication::setDesktopFileName(QStringLiteral(BRILLOR_APP_ID));
  QIcon icon;
  for (QDirIterator sizes(QStringLiteral(":/pictures/icons")); sizes.hasNext();) icon.addFile(sizes.next());
  if (!icon.isNull()) QGuiApplication::setWindowIcon(icon);
}
