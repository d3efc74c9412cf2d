#include "contact_sheet.h"

#include <algorithm>
#include <fstream>

#include "board/cell_codes.h"
#include "board/gm_cells.h"
#include "board/stage_param.h"
#include "display/picture.h"
#include "frame/asset_names.h"
#include "frame/paths.h"
#include "generator.h"
#include "pictures.h"

TSheetLayout LayOutSheet(const std::vector<TSheetItem>& items, int sheetWidth, int labelHeight) {
  constexpr int Gap = 12;
  TSheetLayout layout;
  int x = Gap, y = Gap, rowHeight = 0;
  for (const TSheetItem& item : items) {
    // Each item is as wide as its picture or its name, whichever is wider, so names never run
    // into the next picture's.
    const int width = std::max(item.picture.width(), item.labelWidth);
    if (x > Gap && x + width > sheetWidth - Gap) {
      x = Gap;
      y += rowHeight + labelHeight + Gap;
      rowHeight = 0;
    }
    layout.pictures.push_back(QRect(QPoint(x, y), item.picture));
    layout.labels.push_back(QRect(x, y + item.picture.height() + 1, item.labelWidth, labelHeight));
    x += width + Gap;
    rowHeight = std::max(rowHeight, item.picture.height());
  }
  layout.size = QSize(sheetWidth, y + rowHeight + 1 + labelHeight + Gap);
  return layout;
}

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
  const QFont font = PixelFont(SansFamily, 11, false);
  const QFontMetrics metrics(font);
  std::vector<TSheetItem> items;
  for (const TNamedPicture& picture : pictures)
    items.push_back({picture.image.size(), metrics.horizontalAdvance(QString::fromStdString(picture.file))});
  const TSheetLayout layout = LayOutSheet(items, 1700, metrics.height());
  QImage sheet(layout.size, QImage::Format_RGB32);
  sheet.fill(QColor(128, 128, 128));
  QPainter painter(&sheet);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (size_t i = 0; i < pictures.size(); ++i) {
    painter.drawImage(layout.pictures[i].topLeft(), pictures[i].image);
    painter.drawText(layout.labels[i], Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(pictures[i].file));
  }
  return sheet;
}

void DrawMasked(QPainter& painter, const std::string& picture, const std::string& mask, QPointF at) {
  painter.drawImage(at, Drawable(ApplyMask(LoadPicture(picture), LoadPicture(mask))));
}

// Level 1 as the running stage paints it: background, an arrow per flow link at the source cell,
// end markers, then the starting gems.
QImage LevelOneField() {
  TGmCells board;
  std::ifstream params(GamePath(LevelParamFileName(0)), std::ios::binary);
  board.MoveMatrix.LoadFromStream(params);
  std::ifstream layout(GamePath(LayoutFileName(LayoutFileCount - 1)), std::ios::binary);
  board.LoadFromStream(layout);
  QImage field = Drawable(LoadPicture(Asset::FieldBackground));
  QPainter painter(&field);
  for (int row = 0; row < BoardRows; ++row)
    for (int col = 0; col < BoardCols; ++col)
      for (int k = 0; k < board.MoveMatrix.SourceCount(row, col); ++k) {
        const TGmPoint source = board.MoveMatrix.SourceAt(row, col, k);
        const std::string arrow = ArrowFile(source, {row, col});
        if (!arrow.empty()) DrawMasked(painter, arrow, arrow, FieldCellTopLeft(source.Row, source.Col) + QPointF(9, 9));
      }
  for (const TGmPoint& end : board.MoveMatrix.EndCells())
    DrawMasked(painter, Asset::EndMarker, Asset::EndMarker, FieldCellTopLeft(end.Row, end.Col) + QPointF(9, 9));
  for (int row = 0; row < BoardRows; ++row)
    for (int col = 0; col < BoardCols; ++col) {
      const uint8_t code = board.GetCell(row, col);
      if (code != CellEmpty) DrawMasked(painter, HexagonBitmapFile(code), HexagonMaskFile(code), FieldCellTopLeft(row, col));
    }
  return field;
}
// The title page and the level map the way their stages layer them, for judging the art whole.
QImage Page(const std::string& ink, bool withFlag) {
  QImage page = Drawable(LoadPicture(Asset::Lambskin));
  QPainter painter(&page);
  painter.drawImage(0, 0, TintFromMask(LoadPicture(ink), 0xFF462814));
  if (withFlag) painter.drawImage(240, 10, KeyOut(LoadPicture(Asset::LevelFlag), 0xFFA99168));
  painter.drawImage(withFlag ? 224 : 115, withFlag ? 470 : 437, KeyOut(LoadPicture(Asset::Prompt), 0xFF000000));
  return page;
}
}  // namespace

void WriteContactSheets(const TContentFolder& game, const TContentFolder& sheets) {
  std::vector<TNamedPicture> all = GamePictures();
  for (TNamedPicture& resource : ResourcePictures()) {
    resource.file = ":/pictures/" + resource.file;
    all.push_back(std::move(resource));
  }
  const std::string previousDir = ProgramDir();
  // The game's file names (ArrowFile, HexagonBitmapFile) come back with the program directory
  // in front; only an absolute directory keeps them from being prefixed twice.
  SetProgramDir(std::filesystem::absolute(game.Root()).string());
  all.push_back({"(title page as shown)", Page(Asset::Title, false)});
  all.push_back({"(level map as shown)", Page(Asset::Map, true)});
  all.push_back({"(constellation as shown)", Page(Asset::Constellation, false)});
  sheets.WritePng("pictures.png", PictureSheet(Magnified(all)));
  sheets.WritePng("level1_field.png", LevelOneField());
  SetProgramDir(previousDir);
}
