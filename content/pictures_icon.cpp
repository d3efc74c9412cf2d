// The icon is drawn in a 256-unit square and scaled, one facet at a time, so every size gets
// sharp edges instead of a blurred copy of the largest one.

#include "pictures_icon.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double Units = 256;
const QPointF Centre(128, 132);
constexpr double SettingRadius = 124;
constexpr double StoneRadius = 102;
constexpr double TableRadius = 52;
const QColor StoneColour(52, 96, 236);
const QColor Outline(26, 18, 40);

// How much a facet facing the given screen angle (degrees) is lit by a light from the upper left.
double Light(double facingDegrees) {
  return 0.5 + 0.5 * std::cos((facingDegrees + 135.0) * std::numbers::pi / 180.0);
}

QColor Mix(const QColor& from, const QColor& to, double t) {
  auto channel = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

// Dark for facets turned away from the light, towards white for those facing it.
QColor Lit(const QColor& base, double light) {
  return light < 0.5 ? Mix(QColor(8, 10, 40), base, 0.35 + 1.3 * light) : Mix(base, Qt::white, (light - 0.5) * 1.1);
}

void DrawSetting(QPainter& painter) {
  QLinearGradient gold(QPointF(40, 20), QPointF(216, 250));
  gold.setColorAt(0, QColor(255, 236, 150));
  gold.setColorAt(0.45, QColor(226, 170, 52));
  gold.setColorAt(1, QColor(120, 72, 16));
  painter.setPen(QPen(Outline, 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.setBrush(gold);
  painter.drawPolygon(Hexagon(Centre, SettingRadius));
}

void DrawStone(QPainter& painter) {
  painter.setPen(Qt::NoPen);
  for (int k = 0; k < 6; ++k) {
    const QPointF o0 = HexCorner(Centre, StoneRadius, k), o1 = HexCorner(Centre, StoneRadius, k + 1);
    const QPointF i0 = HexCorner(Centre, TableRadius, k), i1 = HexCorner(Centre, TableRadius, k + 1);
    painter.setBrush(Lit(StoneColour, Light(-60.0 + 60.0 * k)));
    painter.drawPolygon(QPolygonF({o0, o1, i1, i0}));
  }
  QLinearGradient table(Centre - QPointF(TableRadius, TableRadius), Centre + QPointF(TableRadius, TableRadius));
  table.setColorAt(0, Lit(StoneColour, 0.85));
  table.setColorAt(1, Lit(StoneColour, 0.42));
  painter.setBrush(table);
  painter.drawPolygon(Hexagon(Centre, TableRadius));
  // Edges between facets, strong enough to survive the smallest size.
  painter.setPen(QPen(QColor(255, 255, 255, 110), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(Hexagon(Centre, TableRadius));
  for (int k = 0; k < 6; ++k) painter.drawLine(HexCorner(Centre, TableRadius, k), HexCorner(Centre, StoneRadius, k));
  painter.setPen(QPen(Outline, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPolygon(Hexagon(Centre, StoneRadius));
}

void DrawSparkle(QPainter& painter, QPointF at, double size) {
  QRadialGradient glow(at, size);
  glow.setColorAt(0, QColor(255, 255, 255, 250));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(at, size, size);
  QPolygonF star;
  for (int k = 0; k < 8; ++k) {
    const double radius = k % 2 == 0 ? size * 1.6 : size * 0.22;
    const double angle = k * std::numbers::pi / 4;
    star << at + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
  }
  painter.setBrush(Qt::white);
  painter.drawPolygon(star);
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.scale(size / Units, size / Units);
  DrawSetting(painter);
  DrawStone(painter);
  DrawSparkle(painter, QPointF(104, 108), 22);
  return image;
}
}  // namespace

std::vector<TNamedPicture> IconPictures() {
  std::vector<TNamedPicture> icons;
  for (int size : IconSizes) icons.push_back({"icons/" + std::to_string(size) + ".png", Icon(size)});
  return icons;
}
