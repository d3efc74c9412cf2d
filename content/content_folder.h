#pragma once
// Where the generator writes: a root folder and game-relative names ("bmp/num.bmp", "dat/x00").

#include <filesystem>
#include <string>
#include <string_view>

#include <QImage>

class TContentFolder {
 public:
  explicit TContentFolder(std::filesystem::path root) : root_(std::move(root)) {}

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }
  // Writes the bytes, creating folders as needed; throws std::runtime_error on failure.
  void Write(const std::string& relative, std::string_view bytes) const;
  // Writes a 24-bit BMP (the game reads masks and keys from separate pictures, never alpha).
  void WritePicture(const std::string& relative, const QImage& picture) const;
  // Writes a PNG (pictures compiled into the executable keep their alpha).
  void WritePng(const std::string& relative, const QImage& picture) const;

 private:
  std::filesystem::path root_;
};

// The encoded bytes of a picture in the given Qt format name ("BMP", "PNG").
std::string EncodePicture(const QImage& picture, const char* format);
