#include "content_folder.h"

#include <fstream>
#include <stdexcept>

#include <QBuffer>

std::string EncodePicture(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.save(&buffer, format)) throw std::runtime_error("cannot encode a picture");
  return bytes.toStdString();
}

void TContentFolder::Write(const std::string& relative, std::string_view bytes) const {
  const std::filesystem::path path = Path(relative);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), std::streamsize(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + path.string());
}

void TContentFolder::WritePicture(const std::string& relative, const QImage& picture) const {
  Write(relative, EncodePicture(picture.convertToFormat(QImage::Format_RGB888), "BMP"));
}

void TContentFolder::WritePng(const std::string& relative, const QImage& picture) const {
  Write(relative, EncodePicture(picture.convertToFormat(QImage::Format_ARGB32), "PNG"));
}
