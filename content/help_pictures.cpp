// Pictures for the help page, composed from the game's own pictures the way the running stage
// draws them, so a player sees on the page exactly what the words name.

#include "help_pictures.h"

#include <stdexcept>

#include <QBuffer>
#include <QByteArray>

#include "display/picture.h"
#include "frame/asset_names.h"
#include "pictures.h"

namespace {
constexpr TARGB Black = 0xFF000000;

// The game's pictures by file name; only the groups the help page shows.
class TPictureShelf {
 public:
  TPictureShelf() {
    for (auto group : {GemPictures, FieldPictures})
      for (TNamedPicture& picture : group()) pictures_.push_back(std::move(picture));
  }
  QImage Get(const std::string& file) const {
    for (const TNamedPicture& picture : pictures_)
      if (picture.file == file) return picture.image.convertToFormat(QImage::Format_ARGB32);
    throw std::logic_error("no picture " + file);
  }
  QImage Masked(const std::string& picture, const std::string& mask) const {
    return Drawable(ApplyMask(Get(picture), Get(mask)));
  }
  QImage Gem(int code) const {
    return Masked(Asset::GemPicture(code), code < 10 ? Asset::PlainGemMask : Asset::ChipGemMask);
  }

 private:
  std::vector<TNamedPicture> pictures_;
};

const TPictureShelf& Shelf() {
  static const TPictureShelf shelf;
  return shelf;
}

// Part of the play field, magnified pixel for pixel.
QImage FieldCrop(const QImage& field, const QRect& part, int scale) {
  return field.copy(part).scaled(part.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage Field() { return Drawable(Shelf().Get(Asset::FieldBackground)); }

void DrawGem(QPainter& painter, int row, int col, int code) {
  painter.drawImage(FieldCellTopLeft(row, col), Shelf().Gem(code));
}

// Flow arrows and end markers sit 9 pixels right and down of the cell's gem picture.
void DrawMarker(QPainter& painter, int row, int col, const std::string& file) {
  painter.drawImage(FieldCellTopLeft(row, col) + QPointF(9, 9), Shelf().Masked(file, file));
}
}  // namespace

QImage HelpGemsPicture() {
  QImage field = Field();
  QPainter painter(&field);
  for (int colour = 0; colour < 5; ++colour) {
    DrawGem(painter, 0, colour, colour);
    DrawGem(painter, 2, colour, 10 + colour);
  }
  painter.end();
  return FieldCrop(field, QRect(0, 0, 170, 92), 2);
}

QImage HelpFlowPicture() {
  QImage field = Field();
  QPainter painter(&field);
  // Gems above, empty cells whose arrows lead down to the ringed end cells.
  for (int col = 0; col < 4; ++col) DrawGem(painter, 0, col, col + 1);
  for (int col = 0; col < 4; ++col) DrawMarker(painter, 1, col, col % 2 ? "dat/c07" : "dat/c05");
  for (int col = 0; col < 4; ++col) DrawMarker(painter, 2, col, Asset::EndMarker);
  painter.end();
  return FieldCrop(field, QRect(0, 0, 150, 92), 2);
}

QImage HelpBoxPicture(int kind) {
  const QImage strip = KeyOut(Shelf().Get(Asset::BoxPicture(kind)), Black);
  const int frame = strip.width() / 6;
  return strip.copy(0, 0, frame, strip.height()).scaled(frame * 2, strip.height() * 2, Qt::IgnoreAspectRatio,
                                                        Qt::FastTransformation);
}

QImage HelpRingPicture(double percentLeft, int alpha) {
  QImage field = Field();
  QPainter painter(&field);
  const int gems[] = {0, 3, 1, 4, 2, 0, 1, 3, 4, 2, 3, 1};
  for (int col = 0; col < 12; ++col) {
    DrawGem(painter, 17, col, gems[col]);
    if (col % 3 != 1) DrawGem(painter, 16, col, gems[11 - col]);
  }
  // The countdown ring as the game draws it: a wide white arc from the top, anticlockwise.
  painter.setPen(GamePen(MakeARGB(uint8_t(alpha), 255, 255, 255), 50));
  painter.drawArc(QRectF(100, 100, 200, 200), 88 * 16, int(percentLeft / 100 * 360 * 16));
  painter.end();
  return field.scaled(240, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage HelpClearedRowPicture() {
  QImage field = Field();
  QPainter painter(&field);
  const int gems[] = {2, 0, 4, 1, 3, 2, 4, 0, 1, 3, 0, 2};
  for (int col = 0; col < 12; ++col) DrawGem(painter, 8, col, gems[col]);
  // The flash as it brightens over the row; its first cell sits 2 right and 1 down of the gem's.
  painter.setOpacity(0.55);
  painter.drawImage(FieldCellTopLeft(8, 0) + QPointF(2, 1), KeyOut(Shelf().Get(Asset::RowFlash), Black));
  painter.end();
  return FieldCrop(field, QRect(0, 8 * 27 - 6, 400, 48), 1);
}

std::string PngDataUri(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw std::runtime_error("cannot encode a help picture");
  return "data:image/png;base64," + bytes.toBase64().toStdString();
}
