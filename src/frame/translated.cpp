#include "frame/translated.h"

#include <QCoreApplication>

std::string Translated(const char* context, const char* text, std::initializer_list<std::string> values) {
  QString told = QCoreApplication::translate(context, text);
  for (const std::string& value : values) told = told.arg(QString::fromStdString(value));
  return told.toStdString();
}
