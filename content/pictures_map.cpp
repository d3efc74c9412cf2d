// Title page and level map: parchment, with everything else drawn as ink shapes (white on black)
// that the game fills with dark brown.

#include <cmath>
#include <numbers>

#include "content_random.h"
#include "board/map_path.h"
#include "frame/asset_names.h"
#include "pictures.h"

namespace {
constexpr int PageWidth = 400, PageHeight = 500;

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
  QPolygonF polygon;
  for (int k = 0; k < 2 * points; ++k) {
    const double radius = k % 2 ? inner : outer;
    const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / points;
    polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  QPainterPath path;
  path.addPolygon(polygon);
  path.closeSubpath();
  return path;
}

QPainterPath Stroked(const QPainterPath& path, double width, Qt::PenStyle style = Qt::SolidLine) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setDashPattern(style);
  return stroker.createStroke(path);
}

QPainterPath Ring(QPointF centre, double radius, double width) {
  QPainterPath circle;
  circle.addEllipse(centre, radius, radius);
  return Stroked(circle, width);
}

// Where the map's prompt sits (at (224, 470), over the bottom of the page frame).
const QRectF MapPromptGap(218, 462, 163, 38);

// A double rule around the page with small diamonds at the corners, broken where a gap is given.
QPainterPath PageFrame(const QRectF& gap = QRectF()) {
  QPainterPath frame;
  QPainterPath outer, inner;
  outer.addRect(QRectF(10, 10, PageWidth - 20, PageHeight - 20));
  inner.addRect(QRectF(15, 15, PageWidth - 30, PageHeight - 30));
  frame.addPath(Stroked(outer, 2.2));
  frame.addPath(Stroked(inner, 0.9));
  for (QPointF corner : {QPointF(12.5, 12.5), QPointF(PageWidth - 12.5, 12.5),
                         QPointF(12.5, PageHeight - 12.5), QPointF(PageWidth - 12.5, PageHeight - 12.5)})
    frame.addPath(Star(corner, 7, 2.5, 4));
  if (gap.isEmpty()) return frame;
  QPainterPath cut;
  cut.addRect(gap);
  return frame.subtracted(cut);
}

QImage Lambskin() {
  QImage image(PageWidth, PageHeight, QImage::Format_RGB32);
  PaintParchment(image, 0x1A3B, true);
  return image;
}

// Seven cut stones in a honeycomb: the title's emblem.
QPainterPath Honeycomb(QPointF centre, double radius) {
  const double step = radius * std::sqrt(3.0);
  std::vector<QPointF> centres{centre};
  for (int k = 0; k < 6; ++k) {
    const double angle = (k * 60.0) * std::numbers::pi / 180.0;
    centres.push_back(centre + QPointF(step * std::cos(angle), step * std::sin(angle)));
  }
  QPainterPath honeycomb;
  const double stone = radius - 2;
  for (QPointF c : centres) {
    QPainterPath outline, facets;
    outline.addPolygon(Hexagon(c, stone));
    outline.closeSubpath();
    facets.addPolygon(Hexagon(c, stone * 0.5));
    facets.closeSubpath();
    for (int k = 0; k < 6; ++k) {
      facets.moveTo(HexCorner(c, stone * 0.5, k));
      facets.lineTo(HexCorner(c, stone, k));
    }
    honeycomb.addPath(Stroked(outline, 3.0));
    honeycomb.addPath(Stroked(facets, 1.2));
    honeycomb.addPath(Star(HexCorner(c, stone * 0.3, 5), 4, 1.2, 4));
  }
  return honeycomb;
}

QPainterPath TitleArt() {
  QPainterPath art = PageFrame();
  art.addPath(CenteredText("Brillor", PixelFont(SerifFamily, 84, true), QRectF(40, 40, 320, 90)));
  art.addPath(CenteredText("I", PixelFont(SerifFamily, 50, true), QRectF(170, 132, 60, 50)));
  QPainterPath rules;
  rules.moveTo(60, 158);
  rules.lineTo(160, 158);
  rules.moveTo(240, 158);
  rules.lineTo(340, 158);
  art.addPath(Stroked(rules, 1.6));
  art.addPath(Honeycomb(QPointF(200, 300), 34));
  art.addPath(CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "a puzzle of falling gems")),
                           PixelFont(SerifFamily, 17, false), QRectF(60, 398, 280, 26)));
  return art;
}

QPainterPath Waves(QPointF start, int count) {
  QPainterPath waves;
  for (int i = 0; i < count; ++i) {
    const QPointF at = start + QPointF((i % 2) * 14, i * 12);
    waves.moveTo(at);
    for (int k = 0; k < 3; ++k) {
      waves.quadTo(at + QPointF(k * 16 + 4, -5), at + QPointF(k * 16 + 8, 0));
      waves.quadTo(at + QPointF(k * 16 + 12, 5), at + QPointF(k * 16 + 16, 0));
    }
  }
  return Stroked(waves, 1.1);
}

QPainterPath Mountains(QPointF start, int count) {
  QPainterPath mountains;
  for (int i = 0; i < count; ++i) {
    const QPointF at = start + QPointF((i % 2) * 12, i * 30);
    mountains.moveTo(at);
    mountains.lineTo(at + QPointF(12, -20));
    mountains.lineTo(at + QPointF(24, 0));
    mountains.moveTo(at + QPointF(12, -20));
    mountains.lineTo(at + QPointF(15, -4));
  }
  return Stroked(mountains, 1.4);
}

QPainterPath Trees(QPointF start, int count) {
  QPainterPath trees;
  for (int i = 0; i < count; ++i) {
    const QPointF at = start + QPointF((i % 3) * 16, (i / 3) * 18 + (i % 2) * 6);
    trees.addEllipse(at, 5, 6);
    QPainterPath trunk;
    trunk.moveTo(at + QPointF(0, 5));
    trunk.lineTo(at + QPointF(0, 11));
    trees.addPath(Stroked(trunk, 1.4));
  }
  return trees;
}

QPainterPath Castle(QPointF base) {
  QPainterPath outline;
  outline.moveTo(base);
  const QPointF steps[] = {{0, -18}, {4, -18}, {4, -14}, {8, -14}, {8, -18}, {12, -18}, {12, -24}, {16, -28},
                           {20, -24}, {20, -18}, {24, -18}, {24, -14}, {28, -14}, {28, -18}, {32, -18}, {32, 0}};
  for (QPointF step : steps) outline.lineTo(base + step);
  outline.closeSubpath();
  QPainterPath castle = Stroked(outline, 1.4);
  castle.addRect(QRectF(base + QPointF(13, -8), QSizeF(6, 8)));
  return castle;
}

QPainterPath Tower(QPointF base) {
  QPainterPath outline;
  outline.moveTo(base);
  outline.lineTo(base + QPointF(2, -22));
  outline.lineTo(base + QPointF(-1, -22));
  outline.lineTo(base + QPointF(6, -32));
  outline.lineTo(base + QPointF(13, -22));
  outline.lineTo(base + QPointF(10, -22));
  outline.lineTo(base + QPointF(12, 0));
  outline.closeSubpath();
  QPainterPath tower = Stroked(outline, 1.3);
  tower.addRect(QRectF(base + QPointF(4.5, -16), QSizeF(3, 5)));
  return tower;
}

QPainterPath CompassRose(QPointF centre) {
  QPainterPath rose = Star(centre, 26, 5, 4);
  QTransform turn;
  turn.translate(centre.x(), centre.y());
  turn.rotate(45);
  turn.translate(-centre.x(), -centre.y());
  rose.addPath(turn.map(Star(centre, 15, 4, 4)));
  rose.addPath(Ring(centre, 19, 1.0));
  rose.addPath(CenteredText("N", PixelFont(SerifFamily, 12, true), QRectF(centre.x() - 8, centre.y() - 44, 16, 14)));
  return rose;
}

QPainterPath Trail() {
  QPainterPath trail;
  const auto& points = MapPoints;
  trail.moveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) trail.lineTo(points[i].X, points[i].Y);
  return Stroked(trail, 1.6, Qt::DashLine);
}

QPainterPath MapArt() {
  QPainterPath art = PageFrame(MapPromptGap);
  art.addPath(CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "The Gem Road")),
                           PixelFont(SerifFamily, 24, true), QRectF(24, 22, 200, 32)));
  art.addPath(Trail());
  for (const TMapPoint& p : MapPoints) art.addPath(Ring(QPointF(p.X, p.Y), p.Big ? 5.5 : 3.2, 1.2));
  art.addPath(CompassRose(QPointF(70, 430)));
  art.addPath(Waves(QPointF(318, 350), 6));
  art.addPath(Trees(QPointF(40, 80), 6));
  art.addPath(Trees(QPointF(250, 360), 2));
  art.addPath(Castle(QPointF(262, 236)));
  art.addPath(Tower(QPointF(118, 448)));
  art.addPath(Mountains(QPointF(30, 260), 5));
  art.addPath(Mountains(QPointF(350, 110), 3));
  return art;
}

QPainterPath ConstellationArt() {
  QPainterPath art = PageFrame(MapPromptGap);
  const auto& points = MapPoints;
  QPainterPath lines;
  lines.moveTo(points[0].X, points[0].Y);
  for (size_t i = 1; i < points.size(); ++i) lines.lineTo(points[i].X, points[i].Y);
  lines.lineTo(points[0].X, points[0].Y);
  art.addPath(Stroked(lines, 1.3));
  for (const TMapPoint& p : points) art.addPath(Star(QPointF(p.X, p.Y), p.Big ? 8 : 5, p.Big ? 2.2 : 1.5, 4));
  TContentRandom random(0x0410);
  for (int i = 0; i < 90; ++i) {
    const QPointF at(random.Range(24, PageWidth - 24), random.Range(24, PageHeight - 60));
    art.addEllipse(at, 0.9, 0.9);
  }
  art.addPath(CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "The Wanderer")),
                           PixelFont(SerifFamily, 22, true), QRectF(24, 22, 200, 32)));
  return art;
}

QImage LevelFlag() {
  const QColor key(169, 145, 104);
  QImage image = SolidImage(120, 70, key);
  QPainter painter(&image);
  SetSmooth(painter, false);
  painter.setPen(QPen(palette::DarkBrown, 1));
  painter.setBrush(palette::MidBrown);
  painter.drawRect(4, 2, 4, 66);  // pole
  painter.setBrush(palette::Gold);
  painter.drawEllipse(2, 0, 7, 6);
  QPolygonF cloth;
  for (int x = 8; x <= 112; x += 4) cloth << QPointF(x, 8 + 3 * std::sin(x / 15.0));
  for (int x = 112; x >= 8; x -= 4) cloth << QPointF(x, 62 + 3 * std::sin(x / 15.0));
  painter.setBrush(QColor(246, 234, 198));
  painter.drawPolygon(cloth);
  painter.setPen(QPen(palette::Maroon, 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(12, 17, 108, 17);
  painter.drawLine(12, 56, 108, 56);
  // The level number stands on a stepped plaque: the tens digit on the low step at x 70, the
  // ones digit on the raised step at x 82, as the map stage places them (more tens digits run
  // on to the left over the cloth).
  const QPolygonF plaque{{67, 54}, {67, 35}, {80, 35}, {80, 26}, {95, 26}, {95, 45}, {83, 45}, {83, 54}};
  painter.setPen(QPen(palette::Maroon, 1));
  painter.setBrush(QColor(232, 214, 168));
  painter.drawPolygon(plaque);
  // Sharp text: smoothed edges would pass through the key colour and open holes in it.
  painter.fillPath(CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "Level")), PixelFont(SerifFamily, 13, true),
                                QRectF(10, 24, 36, 24)),
                   palette::DarkBrown);
  return image;
}

QImage FlagDigits() {
  QImage image = SolidImage(132, 16, QColor(200, 0, 0));
  QPainter painter(&image);
  SetSmooth(painter, false);  // keeps the key colour exact around the digits
  const QString glyphs = QStringLiteral("1234567890*");
  for (int i = 0; i < glyphs.size(); ++i)
    painter.fillPath(CenteredText(glyphs.mid(i, 1), PixelFont(SansFamily, 15, true),
                                  QRectF(i * 12 + 1, 1, 10, 14)),
                     palette::DarkBrown);
  return image;
}

QImage BlinkingPoint() {
  QPainterPath frames;
  for (int f = 0; f < 6; ++f) {
    const QPointF centre(f * 16 + 8, 7);
    const double pulse = 0.5 - 0.5 * std::cos(f / 6.0 * 2 * std::numbers::pi);
    frames.addPath(Ring(centre, 3.5 + 2.8 * pulse, 1.6));
    frames.addEllipse(centre, 2.2, 2.2);
  }
  return WhiteOnBlack(96, 14, frames);
}

// The text keeps to the left 160 pixels: on the map the prompt sits at x 224, and the page's
// frame begins at x 385.
QImage Prompt() {
  QImage image = SolidImage(170, 28, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, true);
  const QString words = PictureWords(QT_TRANSLATE_NOOP("Pictures", "Click to continue"));
  const QRectF box(4, 3, 150, 22);
  QFont font = PixelFont(SerifFamily, 18, true);
  font.setItalic(true);
  // Italic serif shrunk far to fit a long translation blurs into the key around it: a condensed
  // upright sans stays readable at that size.
  if (QFontMetricsF(font).horizontalAdvance(words) > 1.25 * box.width()) {
    font = PixelFont(SansFamily, 16, true);
    font.setStretch(QFont::Condensed);
  }
  painter.fillPath(CenteredText(words, font, box), palette::DarkBrown);
  return image;
}

QPainterPath Disc(QPointF centre, double radius) {
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  return disc;
}
}  // namespace

std::vector<TNamedPicture> MapPictures() {
  QPainterPath small = Disc(QPointF(6, 6), 3.2);
  small.addPath(Ring(QPointF(6, 6), 4.8, 1.4));
  std::vector<TNamedPicture> pictures{
      {Asset::Lambskin, Lambskin()},
      {Asset::FlagDigits, FlagDigits()},
      {Asset::MapPointBig, WhiteOnBlack(18, 20, Star(QPointF(9, 10.5), 9, 3.8, 5))},
      {Asset::MapPointSmall, WhiteOnBlack(12, 12, small)},
      {Asset::MapPointBlink, BlinkingPoint()},
  };
  for (TNamedPicture& worded : WordedMapPictures()) pictures.push_back(std::move(worded));
  return pictures;
}

std::vector<TNamedPicture> WordedMapPictures() {
  return {
      {Asset::Title, WhiteOnBlack(PageWidth, PageHeight, TitleArt())},
      {Asset::Map, WhiteOnBlack(PageWidth, PageHeight, MapArt())},
      {Asset::Constellation, WhiteOnBlack(PageWidth, PageHeight, ConstellationArt())},
      {Asset::LevelFlag, LevelFlag()},
      {Asset::Prompt, Prompt()},
  };
}
