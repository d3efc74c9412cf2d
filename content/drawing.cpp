#include "drawing.h"

#include <QCoreApplication>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "content_random.h"

QImage SolidImage(int width, int height, const QColor& fill) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(fill);
  return image;
}

void SetSmooth(QPainter& painter, bool smooth) {
  painter.setRenderHint(QPainter::Antialiasing, smooth);
  painter.setRenderHint(QPainter::TextAntialiasing, smooth);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

QPointF HexCorner(QPointF centre, double radius, int k) {
  const double angle = (-90.0 + 60.0 * k) * std::numbers::pi / 180.0;
  return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

QPolygonF Hexagon(QPointF centre, double radius) {
  QPolygonF polygon;
  for (int k = 0; k < 6; ++k) polygon << HexCorner(centre, radius, k);
  return polygon;
}

QFont PixelFont(const QString& family, int pixelSize, bool bold) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QString PictureWords(const char* text) { return QCoreApplication::translate("Pictures", text); }

QPainterPath CenteredText(const QString& text, const QFont& font, const QRectF& box) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const double scale = std::min({1.0, box.width() / bounds.width(), box.height() / bounds.height()});
  QTransform fit;
  fit.translate(box.center().x(), box.center().y());
  fit.scale(scale, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  return fit.map(path);
}

void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
                      const QBrush& fill, const QColor& outline, double outlineWidth) {
  const QPainterPath path = CenteredText(text, font, box);
  if (outlineWidth > 0) {
    QPen pen(outline, outlineWidth);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, pen);
  }
  painter.fillPath(path, fill);
}

QImage WhiteOnBlack(int width, int height, const QPainterPath& shape, bool smooth) {
  QImage image = SolidImage(width, height, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, smooth);
  // Shapes are built by adding overlapping parts; winding keeps the overlaps filled.
  QPainterPath filled = shape;
  filled.setFillRule(Qt::WindingFill);
  painter.fillPath(filled, Qt::white);
  return image;
}

namespace {
// Smooth value noise on a grid of the given cell size; wraps at the image size when periodic.
class TValueNoise {
 public:
  TValueNoise(int width, int height, int cell, uint64_t seed)
      : cols_(width / cell + 2), rows_(height / cell + 2), cell_(cell) {
    TContentRandom random(seed);
    values_.resize(size_t(cols_ * rows_));
    for (double& v : values_) v = random.Uniform();
  }
  double At(double x, double y, bool periodic, int periodCols, int periodRows) const {
    const double gx = x / cell_, gy = y / cell_;
    const int x0 = int(std::floor(gx)), y0 = int(std::floor(gy));
    const double fx = Smooth(gx - x0), fy = Smooth(gy - y0);
    auto v = [&](int cx, int cy) {
      if (periodic) { cx %= periodCols; cy %= periodRows; }
      return values_[size_t(std::min(cy, rows_ - 1) * cols_ + std::min(cx, cols_ - 1))];
    };
    const double top = v(x0, y0) * (1 - fx) + v(x0 + 1, y0) * fx;
    const double bottom = v(x0, y0 + 1) * (1 - fx) + v(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
  }

 private:
  static double Smooth(double t) { return t * t * (3 - 2 * t); }
  int cols_, rows_, cell_;
  std::vector<double> values_;
};

QColor Mix(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() * (1 - t) + b.redF() * t),
                          float(a.greenF() * (1 - t) + b.greenF() * t),
                          float(a.blueF() * (1 - t) + b.blueF() * t));
}

// The three colours a texture is mixed from: its base, what its pale blotches and what its dark
// ones tend to.
struct TPaperColours {
  QColor base, pale, dark;
};
const TPaperColours ParchmentColours{palette::Parchment, QColor(250, 242, 215), palette::MidBrown};
const TPaperColours LeatherColours{QColor(78, 50, 28), QColor(98, 66, 38), QColor(44, 26, 12)};

void PaintPaper(QImage& image, uint64_t seed, bool periodic, bool burnEdges, const TPaperColours& colours) {
  const int w = image.width(), h = image.height();
  const TValueNoise coarse(w, h, 32, seed), fine(w, h, 8, seed + 1), grain(w, h, 2, seed + 2);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const double n = 0.55 * coarse.At(x, y, periodic, w / 32, h / 32) +
                       0.3 * fine.At(x, y, periodic, w / 8, h / 8) +
                       0.15 * grain.At(x, y, periodic, w / 2, h / 2);
      double shade = (n - 0.5) * 0.9;
      if (burnEdges) {
        const double edge = std::min({x, y, w - 1 - x, h - 1 - y}) / 40.0;
        shade += 0.75 * std::max(0.0, 1.0 - edge) * std::max(0.0, 1.0 - edge);
      }
      const QColor c = shade < 0 ? Mix(colours.base, colours.pale, -shade)
                                 : Mix(colours.base, colours.dark, shade * 0.8);
      line[x] = c.rgb();
    }
  }
}
}  // namespace

void PaintParchment(QImage& image, uint64_t seed, bool burnEdges) {
  PaintPaper(image, seed, false, burnEdges, ParchmentColours);
}

void PaintPeriodicLeather(QImage& image, uint64_t seed) { PaintPaper(image, seed, true, false, LeatherColours); }

void DrawBevel(QPainter& painter, const QRectF& rect, double width, const QColor& base) {
  const QRectF inner = rect.adjusted(width, width, -width, -width);
  const QPolygonF topLeft({rect.topLeft(), rect.topRight(), inner.topRight(), inner.topLeft(),
                           inner.bottomLeft(), rect.bottomLeft()});
  const QPolygonF bottomRight({rect.bottomRight(), rect.bottomLeft(), inner.bottomLeft(),
                               inner.bottomRight(), inner.topRight(), rect.topRight()});
  painter.setPen(Qt::NoPen);
  painter.setBrush(base.lighter(150));
  painter.drawPolygon(topLeft);
  painter.setBrush(base.darker(170));
  painter.drawPolygon(bottomRight);
}
