// Button faces, window backgrounds and the pictures compiled into the executable.

#include <cmath>
#include <numbers>

#include "frame/asset_names.h"
#include "pictures.h"

namespace {
// Captions are set no smaller than this, in pixels.
constexpr int MinimumCaptionSize = 8;

// Dark enough for the light grey caption the buttons write on it.
QImage ButtonFace(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  QPainter painter(&image);
  SetSmooth(painter, true);
  QLinearGradient face(0, 0, 0, height);
  face.setColorAt(0, QColor(110, 78, 44));
  face.setColorAt(0.5, QColor(90, 62, 34));
  face.setColorAt(1, QColor(62, 42, 22));
  painter.fillRect(image.rect(), face);
  DrawBevel(painter, QRectF(1, 1, width - 2, height - 2), 2, QColor(96, 66, 38));
  painter.setPen(QPen(palette::DarkBrown, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, width - 1, height - 1));
  return image;
}

QImage DialogTile() {
  QImage image(64, 64, QImage::Format_RGB32);
  PaintPeriodicLeather(image, 0xC09);
  return image;
}

QImage HighScoreBackground() {
  QImage image(401, 501, QImage::Format_RGB32);
  PaintParchment(image, 0xC00, true);
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.setPen(QPen(palette::DarkBrown, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(8, 8, 385, 485));
  painter.setPen(QPen(palette::MidBrown, 1));
  painter.drawRect(QRectF(12, 12, 377, 477));
  // A faint stone behind the tables.
  painter.setPen(QPen(QColor(150, 112, 60, 90), 3));
  painter.drawPolygon(Hexagon(QPointF(200, 240), 120));
  painter.drawPolygon(Hexagon(QPointF(200, 240), 60));
  for (int k = 0; k < 6; ++k) painter.drawLine(HexCorner({200, 240}, 60, k), HexCorner({200, 240}, 120, k));
  return image;
}

// ---- pictures stored with the windows ----

QImage Medal() {
  QImage image(24, 31, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.setPen(QPen(palette::DarkBrown, 0.8));
  painter.setBrush(QColor(170, 30, 30));
  painter.drawPolygon(QPolygonF({{5, 0}, {11, 0}, {14, 12}, {9, 12}}));
  painter.setBrush(QColor(40, 60, 160));
  painter.drawPolygon(QPolygonF({{19, 0}, {13, 0}, {10, 12}, {15, 12}}));
  QRadialGradient gold(QPointF(9.5, 17), 11);
  gold.setColorAt(0, QColor(255, 240, 160));
  gold.setColorAt(0.6, palette::Gold);
  gold.setColorAt(1, QColor(150, 100, 20));
  painter.setBrush(gold);
  painter.drawEllipse(QPointF(12, 20.5), 10, 10);
  painter.setPen(QPen(QColor(150, 100, 20), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(12, 20.5), 7, 7);
  painter.fillPath([] { QPainterPath p; p.addPolygon(Hexagon({12, 20.5}, 4)); return p; }(),
                   QColor(255, 250, 220));
  return image;
}

// The hex-set shapes handed out in play, as (row, column) offsets; every shape has one colour.
struct TShape {
  int cells[4][2];
  int colour;
};
const TShape Shapes[9] = {
    {{{0, 0}, {0, -1}, {0, 1}, {0, 2}}, 0},  {{{0, 0}, {-1, 0}, {1, 0}, {0, 1}}, 4},
    {{{0, 0}, {0, 1}, {-1, 1}, {1, 0}}, 3},  {{{0, 0}, {0, 1}, {-1, 2}, {-2, 1}}, 3},
    {{{0, 0}, {-1, 0}, {1, 0}, {1, -1}}, 4}, {{{0, 0}, {-1, 0}, {0, 1}, {1, 1}}, 2},
    {{{0, 0}, {-1, 0}, {1, 0}, {2, 0}}, 1},  {{{0, 0}, {-1, 0}, {1, 0}, {1, 1}}, 1},
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}, 2}};

// Cell centres with the board's geometry for hexagons of radius 1 (row parity keeps its sign).
QPointF UnitCellCentre(int row, int col) { return QPointF((2 * col + row % 2) * 0.8660254, row * 1.5); }

QImage Thumbnail(const TShape* shape) {
  QImage image(16, 12, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  if (!shape) return image;
  QRectF bounds;
  for (const auto& cell : shape->cells) {
    const QPointF c = UnitCellCentre(cell[0], cell[1]);
    bounds |= QRectF(c - QPointF(0.87, 1), c + QPointF(0.87, 1));
  }
  const double scale = std::min(15.0 / bounds.width(), 11.0 / bounds.height());
  QPainter painter(&image);
  SetSmooth(painter, false);  // at this size smoothing only smears the cells together
  painter.setPen(Qt::NoPen);
  painter.setBrush(GemBaseColor(shape->colour));
  for (const auto& cell : shape->cells) {
    const QPointF c = (UnitCellCentre(cell[0], cell[1]) - bounds.center()) * scale + QPointF(8, 6);
    painter.drawPolygon(Hexagon(c, scale * 0.92));
  }
  return image;
}

QImage RotateIcon(bool clockwise) {
  QImage image(50, 50, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.setPen(QPen(palette::DarkBrown, 2));
  painter.setBrush(palette::Parchment);
  painter.drawEllipse(QPointF(25, 25), 23, 23);
  const QPointF centre(25, 25);
  painter.setBrush(GemBaseColor(3));
  painter.setPen(QPen(QColor(20, 20, 40), 1));
  painter.drawPolygon(Hexagon(centre, 7));
  // Three quarters of a circle with an arrowhead at its end, turning the chosen way.
  QPainterPath arc;
  const double start = clockwise ? 120 : 60, sweep = clockwise ? -270 : 270;
  arc.arcMoveTo(QRectF(9, 9, 32, 32), start);
  arc.arcTo(QRectF(9, 9, 32, 32), start, sweep);
  painter.strokePath(arc, QPen(palette::DarkBrown, 3.5, Qt::SolidLine, Qt::FlatCap));
  const double end = (start + sweep) * std::numbers::pi / 180.0;
  const QPointF tip = centre + QPointF(16 * std::cos(end), -16 * std::sin(end));
  const double dir = clockwise ? -1 : 1;  // direction of travel along the arc
  const QPointF along(-std::sin(end) * dir, -std::cos(end) * dir);
  const QPointF across(std::cos(end), -std::sin(end));
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette::DarkBrown);
  painter.drawPolygon(QPolygonF({tip + along * 7, tip + across * 6, tip - across * 6}));
  return image;
}

void DrawInset(QPainter& painter, const QRectF& rect) {
  painter.setPen(QPen(QColor(150, 110, 60), 1));
  painter.setBrush(QColor(36, 20, 10));
  painter.drawRoundedRect(rect, 3, 3);
}

void DrawCaption(QPainter& painter, const QString& text, const QRectF& box, Qt::Alignment align) {
  painter.setPen(palette::Parchment);
  // A caption longer than its box (a translation) is set condensed, then smaller, until it fits.
  QFont font = PixelFont(QStringLiteral("DejaVu Serif"), 12, true);
  const auto fits = [&] { return QFontMetricsF(font).horizontalAdvance(text) <= box.width(); };
  if (!fits()) font.setStretch(QFont::Condensed);
  while (!fits() && font.pixelSize() > MinimumCaptionSize) font.setPixelSize(font.pixelSize() - 1);
  painter.setFont(font);
  painter.drawText(box, int(align | Qt::AlignVCenter), text);
}

// The frame around the play field at (221, 20); the field itself is drawn by the game.
void DrawBoardFrame(QPainter& painter) {
  QLinearGradient frame(211, 9, 630, 528);
  frame.setColorAt(0, QColor(214, 178, 112));
  frame.setColorAt(1, QColor(120, 84, 40));
  painter.setPen(QPen(palette::DarkBrown, 1));
  painter.setBrush(frame);
  painter.drawRect(QRectF(211.5, 9.5, 419, 519));
  painter.setBrush(Qt::black);
  painter.drawRect(QRectF(219.5, 18.5, 402, 502));
}

// Title, captions and dark slots under the labels where the window writes its values in yellow,
// medal slots at x 21, and the recess for the seven buttons.
void DrawStatusPanel(QPainter& painter) {
  QLinearGradient gold(0, 20, 0, 70);
  gold.setColorAt(0, QColor(255, 240, 170));
  gold.setColorAt(1, QColor(200, 140, 40));
  DrawOutlinedText(painter, "Brillor I", PixelFont(SerifFamily, 38, true), QRectF(14, 22, 186, 52),
                   gold, QColor(20, 10, 4), 3);
  painter.setPen(QPen(palette::Tan, 1));
  painter.drawLine(30, 84, 184, 84);
  DrawCaption(painter, PictureWords(QT_TRANSLATE_NOOP("Pictures", "Player")), QRectF(50, 96, 121, 18),
              Qt::AlignHCenter);
  DrawInset(painter, QRectF(50, 115, 121, 19));
  const struct { const char* caption; QRectF slot; int medalTop;
  } rows[4] = {{QT_TRANSLATE_NOOP("Pictures", "Level"), QRectF(99, 153, 82, 22), 152},
               {QT_TRANSLATE_NOOP("Pictures", "Money"), QRectF(95, 190, 86, 22), 188},
               {QT_TRANSLATE_NOOP("Pictures", "Unit Price"), QRectF(124, 228, 57, 22), 225},
               {QT_TRANSLATE_NOOP("Pictures", "Efficiency"), QRectF(123, 265, 58, 22), 262}};
  for (const auto& row : rows) {
    DrawCaption(painter, PictureWords(row.caption), QRectF(48, row.slot.top(), row.slot.left() - 50, 22),
                Qt::AlignLeft);
    DrawInset(painter, row.slot);
    painter.setPen(QPen(palette::Tan, 1));
    painter.setBrush(QColor(36, 20, 10));
    painter.drawEllipse(QRectF(19, row.medalTop + 1, 28, 30));
  }
  DrawCaption(painter, PictureWords(QT_TRANSLATE_NOOP("Pictures", "Rank")), QRectF(50, 310, 121, 18), Qt::AlignHCenter);
  DrawInset(painter, QRectF(50, 329, 121, 19));
  for (int colour = 0; colour < 5; ++colour) {  // the five stones as ornament
    painter.setPen(QPen(QColor(20, 10, 4), 1));
    painter.setBrush(GemBaseColor(colour));
    painter.drawPolygon(Hexagon(QPointF(62 + colour * 24, 366), 8));
  }
  painter.setPen(QPen(palette::Tan, 1));
  painter.setBrush(QColor(34, 18, 8));
  painter.drawRoundedRect(QRectF(29.5, 383.5, 157, 150), 5, 5);
}

// The next-set box at (320, 531) and the progress bar at (344, 534) under the board.
void DrawUnderBoard(QPainter& painter) {
  DrawCaption(painter, PictureWords(QT_TRANSLATE_NOOP("Pictures", "Next")), QRectF(224, 529, 90, 16), Qt::AlignRight);
  DrawInset(painter, QRectF(317, 529, 22, 16));
  DrawInset(painter, QRectF(341, 531, 199, 12));
}

}  // namespace

QImage MainBackground() {
  QImage image(640, 560, QImage::Format_RGB32);
  PaintParchment(image, 0x640, false);
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.fillRect(image.rect(), QColor(52, 28, 12, 225));  // paper darkened to leather
  DrawBoardFrame(painter);
  DrawStatusPanel(painter);
  DrawUnderBoard(painter);
  return image;
}

std::vector<TNamedPicture> WindowPictures() {
  return {{Asset::DialogButton, ButtonFace(72, 24)},  {Asset::ButtonPlayerQuit, ButtonFace(70, 30)},
          {Asset::ButtonScoresPause, ButtonFace(70, 30)},  {Asset::ButtonSetting, ButtonFace(70, 30)},
          {Asset::ButtonHelp, ButtonFace(70, 30)},  {Asset::ButtonAbout, ButtonFace(145, 30)},
          {Asset::HighScoreBackground, HighScoreBackground()},     {Asset::DialogTile, DialogTile()}};
}

std::vector<TNamedPicture> ResourcePictures() {
  std::vector<TNamedPicture> pictures{{Asset::MainBackground, MainBackground()}, {"medal.png", Medal()}};
  for (int i = 0; i < 10; ++i)
    pictures.push_back({"thumb" + std::to_string(i) + ".png", Thumbnail(i < 9 ? &Shapes[i] : nullptr)});
  pictures.push_back({"rotate_anticlockwise.png", RotateIcon(false)});
  pictures.push_back({"rotate_clockwise.png", RotateIcon(true)});
  return pictures;
}
