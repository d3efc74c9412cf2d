// Faceted gems: a hexagon crown of six shaded facets around a flat table, lit from the upper
// left. Chips sit in a riveted steel frame with cracks across the stone, so they read as harder.

#include <cmath>
#include <numbers>

#include "frame/asset_names.h"
#include "pictures.h"

namespace {
constexpr int GemSize = 36;
const QPointF GemCentre(18, 18);

// Brightness factor of a surface facing the given screen angle (degrees) under the game's light
// from the upper left.
double Lighting(double facingDegrees) {
  const double light = -135.0;
  return 0.62 + 0.5 * std::cos((facingDegrees - light) * std::numbers::pi / 180.0);
}

QColor Shade(const QColor& base, double factor) {
  auto channel = [&](int v) {
    const double out = factor <= 1 ? v * factor : v + (255 - v) * (factor - 1) * 0.9;
    return std::clamp(int(std::lround(out)), 0, 255);
  };
  return QColor(channel(base.red()), channel(base.green()), channel(base.blue()));
}

// The hexagon with its corners cut off: the chips' machined outline.
QPolygonF ChamferedHexagon(QPointF centre, double radius, double cut) {
  QPolygonF polygon;
  for (int k = 0; k < 6; ++k) {
    const QPointF corner = HexCorner(centre, radius, k);
    const QPointF previous = HexCorner(centre, radius, k + 5);
    const QPointF next = HexCorner(centre, radius, k + 1);
    polygon << corner + (previous - corner) * (cut / radius) << corner + (next - corner) * (cut / radius);
  }
  return polygon;
}

void DrawStone(QPainter& painter, const QColor& base, double outer, double table) {
  painter.setPen(Qt::NoPen);
  for (int k = 0; k < 6; ++k) {
    const QPointF o0 = HexCorner(GemCentre, outer, k), o1 = HexCorner(GemCentre, outer, k + 1);
    const QPointF i0 = HexCorner(GemCentre, table, k), i1 = HexCorner(GemCentre, table, k + 1);
    const QPointF mid = (o0 + o1) / 2;
    const double facing = -60.0 + 60.0 * k;  // outward normal of edge k..k+1
    // Each crown facet is cut in three: two star facets beside a main one, lit a little apart.
    painter.setBrush(Shade(base, Lighting(facing - 18) * 0.95));
    painter.drawPolygon(QPolygonF({o0, mid, i0}));
    painter.setBrush(Shade(base, Lighting(facing)));
    painter.drawPolygon(QPolygonF({mid, i1, i0}));
    painter.setBrush(Shade(base, Lighting(facing + 18) * 0.9));
    painter.drawPolygon(QPolygonF({mid, o1, i1}));
  }
  QLinearGradient tableLight(GemCentre - QPointF(table, table), GemCentre + QPointF(table, table));
  tableLight.setColorAt(0, Shade(base, 1.35));
  tableLight.setColorAt(1, Shade(base, 0.85));
  painter.setBrush(tableLight);
  painter.drawPolygon(Hexagon(GemCentre, table));
  // Facet edges catch a little light.
  painter.setPen(QPen(QColor(255, 255, 255, 70), 0.7));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(Hexagon(GemCentre, table));
  for (int k = 0; k < 6; ++k)
    painter.drawLine(HexCorner(GemCentre, table, k), HexCorner(GemCentre, outer, k));
}

void DrawSparkle(QPainter& painter, QPointF at, double size) {
  QRadialGradient glow(at, size);
  glow.setColorAt(0, QColor(255, 255, 255, 235));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(at, size, size);
  painter.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
  painter.drawLine(at - QPointF(size * 1.3, 0), at + QPointF(size * 1.3, 0));
  painter.drawLine(at - QPointF(0, size * 1.3), at + QPointF(0, size * 1.3));
}

QImage PlainGem(int colour) {
  const QColor base = GemBaseColor(colour);
  QImage image = SolidImage(GemSize, GemSize, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, true);
  DrawStone(painter, base, 17.6, 9.5);
  painter.setPen(QPen(Shade(base, 0.35), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(Hexagon(GemCentre, 17.2));
  DrawSparkle(painter, QPointF(13, 11), 3.2);
  return image;
}

QImage ChipGem(int colour) {
  const QColor base = GemBaseColor(colour);
  QImage image = SolidImage(GemSize, GemSize, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, true);
  // Steel frame.
  QLinearGradient steel(QPointF(0, 0), QPointF(36, 36));
  steel.setColorAt(0, QColor(214, 216, 222));
  steel.setColorAt(0.5, QColor(128, 130, 138));
  steel.setColorAt(1, QColor(58, 60, 66));
  painter.setPen(QPen(QColor(30, 30, 34), 1.2));
  painter.setBrush(steel);
  painter.drawPolygon(ChamferedHexagon(GemCentre, 17.4, 3.0));
  painter.setPen(QPen(QColor(40, 40, 46), 1.0));
  painter.setBrush(QColor(70, 72, 78));
  painter.drawPolygon(Hexagon(GemCentre, 13.2));
  DrawStone(painter, base, 12.4, 6.5);
  // Rivets at the six corners of the frame.
  for (int k = 0; k < 6; ++k) {
    const QPointF at = HexCorner(GemCentre, 14.2, k);
    QRadialGradient rivet(at - QPointF(0.6, 0.6), 1.9);
    rivet.setColorAt(0, QColor(250, 250, 250));
    rivet.setColorAt(1, QColor(60, 60, 66));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rivet);
    painter.drawEllipse(at, 1.6, 1.6);
  }
  // Cracks across the stone.
  QPen crack(QColor(20, 16, 16, 220), 1.1);
  crack.setJoinStyle(Qt::MiterJoin);
  painter.setPen(crack);
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF({{9, 12}, {14, 16}, {13, 19}, {19, 22}, {23, 28}}));
  painter.drawPolyline(QPolygonF({{14, 16}, {20, 14}, {25, 10}}));
  painter.drawPolyline(QPolygonF({{19, 22}, {24, 20}}));
  DrawSparkle(painter, QPointF(14, 13), 2.0);
  return image;
}

// The shape that names a colour without it: plus, triangle, square, diamond, star, each
// filling about the same area so none reads as more important.
QPainterPath SymbolPath(int colour, QPointF centre, double r) {
  QPainterPath path;
  auto polygon = [&](int corners, double radius, double startDegrees, double innerShare) {
    QPolygonF points;
    const int steps = innerShare > 0 ? corners * 2 : corners;
    for (int k = 0; k < steps; ++k) {
      const double a = (startDegrees + 360.0 * k / steps) * std::numbers::pi / 180.0;
      const double d = innerShare > 0 && k % 2 ? radius * innerShare : radius;
      points << centre + QPointF(d * std::cos(a), d * std::sin(a));
    }
    path.addPolygon(points);
    path.closeSubpath();
  };
  switch (colour) {
    case 0: {
      // A plus rather than a circle: the board marks its end cells with rings.
      const double arm = r * 0.95, half = r * 0.36;
      path.addPolygon(QPolygonF({centre + QPointF(-half, -arm), centre + QPointF(half, -arm),
                                 centre + QPointF(half, -half), centre + QPointF(arm, -half),
                                 centre + QPointF(arm, half), centre + QPointF(half, half),
                                 centre + QPointF(half, arm), centre + QPointF(-half, arm),
                                 centre + QPointF(-half, half), centre + QPointF(-arm, half),
                                 centre + QPointF(-arm, -half), centre + QPointF(-half, -half)}));
      path.closeSubpath();
      break;
    }
    case 1: polygon(3, r * 1.05, -90, 0); path.translate(0, r * 0.15); break;
    case 2: path.addRect(QRectF(centre - QPointF(r * 0.72, r * 0.72), QSizeF(r * 1.44, r * 1.44))); break;
    case 3: polygon(4, r * 1.02, -90, 0); break;
    default: polygon(5, r * 1.1, -90, 0.45); break;
  }
  return path;
}

// A dark-rimmed light shape over the stone, so it stands out on every colour and in grey.
void DrawSymbol(QPainter& painter, int colour, double r) {
  const QPainterPath path = SymbolPath(colour, GemCentre, r);
  painter.setPen(QPen(QColor(0, 0, 0, 220), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(255, 255, 255, 235));
  painter.drawPath(path);
}

QImage WithSymbol(QImage gem, int colour, double r) {
  QPainter painter(&gem);
  SetSmooth(painter, true);
  DrawSymbol(painter, colour, r);
  return gem;
}

}  // namespace

QColor GemBaseColor(int colour) {
  static const QColor colours[5] = {{236, 236, 242}, {186, 96, 224}, {120, 230, 110},
                                    {30, 50, 170},   {220, 38, 30}};
  return colours[std::clamp(colour, 0, 4)];
}

std::vector<TNamedPicture> GemPictures() {
  std::vector<TNamedPicture> pictures;
  for (int colour = 0; colour < 5; ++colour)
    pictures.push_back({Asset::GemPicture(colour), PlainGem(colour)});
  for (int colour = 0; colour < 5; ++colour) pictures.push_back({Asset::GemPicture(10 + colour), ChipGem(colour)});
  // The second set, chosen in the options: each colour also carries its shape.
  for (int colour = 0; colour < 5; ++colour)
    pictures.push_back({Asset::GemPicture(colour, true), WithSymbol(PlainGem(colour), colour, 8.0)});
  for (int colour = 0; colour < 5; ++colour)
    pictures.push_back({Asset::GemPicture(10 + colour, true), WithSymbol(ChipGem(colour), colour, 7.4)});
  QPainterPath plain, chip;
  plain.addPolygon(Hexagon(GemCentre, 18));
  plain.closeSubpath();
  chip.addPolygon(ChamferedHexagon(GemCentre, 18, 3.0));
  chip.closeSubpath();
  pictures.push_back({Asset::PlainGemMask, WhiteOnBlack(GemSize, GemSize, plain)});
  pictures.push_back({Asset::ChipGemMask, WhiteOnBlack(GemSize, GemSize, chip)});
  return pictures;
}
