#include "contact_sheet.h"

#include <algorithm>

#include "generator.h"
#include "pictures.h"

namespace {
// Small pictures are shown three times larger, pixel for pixel, so their detail can be judged.
std::vector<TNamedPicture> Magnified(const std::vector<TNamedPicture>& pictures) {
  std::vector<TNamedPicture> shown;
  for (const TNamedPicture& picture : pictures) {
    const bool small = picture.image.width() <= 100 && picture.image.height() <= 64;
    shown.push_back(small ? TNamedPicture{picture.file + " x3", picture.image.scaled(
                                              picture.image.size() * 3, Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation)}
                          : picture);
  }
  return shown;
}

QImage PictureSheet(const std::vector<TNamedPicture>& pictures) {
  constexpr int SheetWidth = 1700, Gap = 12, LabelHeight = 16;
  // Place pictures in rows, left to right.
  struct TPlaced { const TNamedPicture* picture; QPoint at; };
  std::vector<TPlaced> placed;
  int x = Gap, y = Gap, rowHeight = 0;
  for (const TNamedPicture& picture : pictures) {
    const int width = std::max(picture.image.width(), 110);
    if (x + width > SheetWidth - Gap) {
      x = Gap;
      y += rowHeight + LabelHeight + Gap;
      rowHeight = 0;
    }
    placed.push_back({&picture, QPoint(x, y)});
    x += width + Gap;
    rowHeight = std::max(rowHeight, picture.image.height());
  }
  QImage sheet(SheetWidth, y + rowHeight + LabelHeight + Gap, QImage::Format_RGB32);
  sheet.fill(QColor(128, 128, 128));
  QPainter painter(&sheet);
  painter.setFont(PixelFont(SansFamily, 11, false));
  for (const TPlaced& item : placed) {
    painter.drawImage(item.at, item.picture->image);
    painter.setPen(Qt::black);
    painter.drawText(QRect(item.at.x(), item.at.y() + item.picture->image.height() + 1, 200, LabelHeight),
                     Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(item.picture->file));
  }
  return sheet;
}
}  // namespace

void WriteContactSheets(const TContentFolder& game, const TContentFolder& sheets) {
  std::vector<TNamedPicture> all = GamePictures();
  for (TNamedPicture& resource : ResourcePictures()) {
    resource.file = ":/pictures/" + resource.file;
    all.push_back(std::move(resource));
  }
  sheets.WritePng("pictures.png", PictureSheet(Magnified(all)));
  (void)game;
}
