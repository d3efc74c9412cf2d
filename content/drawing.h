#pragma once
// Painting helpers shared by every picture of the game: one palette, one hexagon, one way of
// writing outlined text, and the parchment and masks the pictures are built from.

#include <string>
#include <vector>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

class TContentRandom;

// A picture and the game-relative file it is written to.
struct TNamedPicture {
  std::string file;
  QImage image;
};

namespace palette {
inline const QColor DarkBrown{70, 40, 20};
inline const QColor MidBrown{112, 72, 38};
inline const QColor Tan{174, 142, 90};
inline const QColor Parchment{238, 224, 188};
inline const QColor ParchmentShade{205, 180, 134};
inline const QColor LabelYellow{255, 214, 64};
inline const QColor Gold{232, 184, 72};
inline const QColor Maroon{128, 0, 0};
}  // namespace palette

// An opaque RGB32 picture filled with one colour.
QImage SolidImage(int width, int height, const QColor& fill);
// A painter with or without antialiasing. Silhouettes against a key colour are drawn without,
// so the key stays exact around them.
void SetSmooth(QPainter& painter, bool smooth);

// Pointy-top hexagon (corners up and down) of the given radius around centre.
QPolygonF Hexagon(QPointF centre, double radius);
// Corner k (0 = top, then clockwise on screen) of that hexagon.
QPointF HexCorner(QPointF centre, double radius, int k);

// A font by family and pixel size; families are those installed on every build machine.
QFont PixelFont(const QString& family, int pixelSize, bool bold);
inline const QString SerifFamily = QStringLiteral("URW Bookman");
inline const QString SansFamily = QStringLiteral("DejaVu Sans");

// Words drawn into a picture, in the language of the translator installed (none: English). The
// pictures with words are drawn once in English and once more in each language the game speaks.
// Mark each text where it is written: PictureWords(QT_TRANSLATE_NOOP("Pictures", "Money")).
QString PictureWords(const char* text);

// The outline of text centred in box, shrunk to fit it when too large.
QPainterPath CenteredText(const QString& text, const QFont& font, const QRectF& box);
// Fills text centred in box with fill, first drawing an outline of width outlineWidth.
void DrawOutlinedText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
                      const QBrush& fill, const QColor& outline, double outlineWidth);

// White shape on black: the form every mask and tinted picture takes (red channel = alpha).
QImage WhiteOnBlack(int width, int height, const QPainterPath& shape, bool smooth = true);

// Paper texture: a base colour with soft blotches and fibres; darkens towards the edges when
// burnEdges is set.
void PaintParchment(QImage& image, uint64_t seed, bool burnEdges);
// The same grain in dark brown leather, tiling seamlessly: the dialog tile, dark enough for the
// light text written on it.
void PaintPeriodicLeather(QImage& image, uint64_t seed);

// A bevelled frame of the given width inside rect, light on top-left, dark on bottom-right.
void DrawBevel(QPainter& painter, const QRectF& rect, double width, const QColor& base);
