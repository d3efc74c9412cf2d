// The play field and everything drawn on it during a level.

#include <cmath>
#include <numbers>

#include "frame/asset_names.h"
#include "pictures.h"

namespace {
constexpr double HexStep = 0.8660254 * 18;  // half a column: the odd-row shift
}  // namespace

QPointF FieldCellTopLeft(int row, int col) { return QPointF(4 + (2 * col + row % 2) * HexStep, row * 27.0); }

namespace {

QImage FieldBackground() {
  QImage image(400, 500, QImage::Format_RGB32);
  PaintParchment(image, 0x5800, false);
  // Darken the paper into leather: the gems must stand out on it.
  QPainter painter(&image);
  SetSmooth(painter, true);
  painter.fillRect(image.rect(), QColor(40, 22, 10, 215));
  for (int row = 0; row < 18; ++row) {
    for (int col = 0; col < 12; ++col) {
      const QPointF centre = FieldCellTopLeft(row, col) + QPointF(18, 18);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(104, 70, 40));
      painter.drawPolygon(Hexagon(centre + QPointF(0.6, 0.6), 16.6));
      painter.setBrush(QColor(24, 13, 6));
      painter.drawPolygon(Hexagon(centre - QPointF(0.6, 0.6), 16.6));
      QRadialGradient socket(centre + QPointF(3, 4), 17);
      socket.setColorAt(0, QColor(74, 46, 26));
      socket.setColorAt(1, QColor(46, 27, 14));
      painter.setBrush(socket);
      painter.drawPolygon(Hexagon(centre, 15.6));
    }
  }
  return image;
}

// A 24 x 24 picture that carries its own mask in red: drawn smooth on black, so its red channel
// fades out with its edges.
template <typename TDraw>
QImage OwnMaskPicture(TDraw draw) {
  QImage image = SolidImage(24, 24, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, true);
  draw(painter);
  return image;
}

// A flow arrow pointing at the given screen angle: a slim stroked arrow from the centre towards
// the neighbour it feeds; slim, so the arrows of a cell that feeds two neighbours still read
// apart. Red is the alpha: a translucent dark rim around a strong pale-gold stroke.
QImage FlowArrow(double degrees) {
  return OwnMaskPicture([&](QPainter& painter) {
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(10, 0);
    arrow.moveTo(5.5, -4.5);
    arrow.lineTo(10, 0);
    arrow.lineTo(5.5, 4.5);
    QTransform turn;
    turn.translate(11, 11);  // the picture sits 3 pixels down-right of the cell's centre
    turn.rotate(degrees);
    painter.strokePath(turn.map(arrow), QPen(QColor(110, 60, 20), 4.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.strokePath(turn.map(arrow), QPen(QColor(225, 186, 100), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
  });
}

// The play field's end cell: a ring around a dot.
QImage EndMarker() {
  return OwnMaskPicture([](QPainter& painter) {
    painter.setPen(QPen(QColor(225, 190, 100), 2.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(11, 11), 7.5, 7.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 206, 120));
    painter.drawEllipse(QPointF(11, 11), 3, 3);
  });
}

// The editor's end cell: a crossed square, unlike the play field's ring, so an edited end stands out.
QImage EditorEndMarker() {
  return OwnMaskPicture([](QPainter& painter) {
    painter.setPen(QPen(QColor(255, 120, 60), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(4.5, 4.5, 15, 15));
    painter.drawLine(QPointF(7, 7), QPointF(17, 17));
    painter.drawLine(QPointF(17, 7), QPointF(7, 17));
  });
}

// Twelve glowing cells over a cleared row; black outside them is the key.
QImage RowFlash() {
  QImage image = SolidImage(390, 34, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, false);
  for (int col = 0; col < 12; ++col) {
    const QPointF centre(col * 2 * HexStep + 16, 17);
    QRadialGradient glow(centre, 16);
    glow.setColorAt(0, QColor(255, 255, 240));
    glow.setColorAt(0.6, QColor(255, 236, 150));
    glow.setColorAt(1, QColor(240, 180, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawPolygon(Hexagon(centre, 16.5));
  }
  return image;
}

// Lettering with a dark rim, as a picture and the mask that shows exactly the lettering and rim.
struct TMaskedPicture {
  QImage picture, mask;
};

void AddRimmedLettering(TMaskedPicture& result, const QPainterPath& shape, const QBrush& fill, double rim) {
  QPainter painter(&result.picture);
  SetSmooth(painter, true);
  QPen outline(palette::DarkBrown, rim);
  outline.setJoinStyle(Qt::RoundJoin);
  painter.strokePath(shape, outline);
  painter.fillPath(shape, fill);
  QPainterPathStroker stroker;
  stroker.setWidth(rim);
  stroker.setJoinStyle(Qt::RoundJoin);
  QPainterPath shown = stroker.createStroke(shape).united(shape);
  shown.setFillRule(Qt::WindingFill);
  QPainter mask(&result.mask);
  SetSmooth(mask, true);
  mask.fillPath(shown, Qt::white);
}

TMaskedPicture RimmedLettering(QSize size, const QPainterPath& shape, const QGradient& fill, double rim) {
  TMaskedPicture result{SolidImage(size.width(), size.height(), Qt::black),
                        SolidImage(size.width(), size.height(), Qt::black)};
  AddRimmedLettering(result, shape, fill, rim);
  return result;
}

// The lost game waits for a click, so the picture says so under its title.
TMaskedPicture GameOver() {
  TMaskedPicture result{SolidImage(320, 100, Qt::black), SolidImage(320, 100, Qt::black)};
  QLinearGradient fill(0, 8, 0, 66);
  fill.setColorAt(0, QColor(255, 226, 120));
  fill.setColorAt(0.5, QColor(228, 120, 40));
  fill.setColorAt(1, QColor(150, 30, 20));
  AddRimmedLettering(result,
                     CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "GAME OVER")),
                                  PixelFont(SerifFamily, 56, true), QRectF(12, 4, 296, 64)),
                     fill, 7);
  AddRimmedLettering(result,
                     CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "Click to continue")),
                                  PixelFont(SansFamily, 17, true), QRectF(50, 72, 220, 22)),
                     QColor(255, 240, 210), 4);
  return result;
}

QImage TimeoutStamp() {
  QImage image = SolidImage(80, 24, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(176, 28, 20));
  painter.drawPolygon(QPolygon({{2, 0}, {77, 0}, {79, 2}, {79, 21}, {77, 23}, {2, 23}, {0, 21}, {0, 2}}));
  painter.setPen(QPen(QColor(255, 214, 140), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(2, 2, 75, 19);
  SetSmooth(painter, true);
  painter.fillPath(CenteredText(PictureWords(QT_TRANSLATE_NOOP("Pictures", "TIME OUT")),
                                PixelFont(SansFamily, 14, true), QRectF(4, 3, 72, 18)),
                   QColor(255, 240, 210));
  return image;
}

QImage Starlight() {
  QImage image = SolidImage(32, 32, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, true);
  const QPointF centre(16, 16);
  QRadialGradient glow(centre, 10);
  glow.setColorAt(0, QColor(255, 255, 255));
  glow.setColorAt(0.35, QColor(150, 150, 150));
  glow.setColorAt(1, QColor(0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, 10, 10);
  QPainterPath spikes;
  for (int k = 0; k < 4; ++k) {
    QTransform turn;
    turn.translate(16, 16);
    turn.rotate(90 * k);
    spikes.addPolygon(turn.map(QPolygonF({{0, -2.2}, {15, 0}, {0, 2.2}})));
  }
  painter.fillPath(spikes, Qt::white);
  return image;
}

// Left gun (muzzle to the right); the right gun is its mirror. The beam leaves at y 15.
QImage LaserGun(bool right) {
  QImage image = SolidImage(15, 30, Qt::black);
  QPainter painter(&image);
  SetSmooth(painter, false);
  painter.setPen(QPen(QColor(36, 38, 44), 1));
  QLinearGradient metal(0, 4, 0, 26);
  metal.setColorAt(0, QColor(200, 204, 212));
  metal.setColorAt(0.5, QColor(120, 124, 134));
  metal.setColorAt(1, QColor(64, 66, 74));
  painter.setBrush(metal);
  painter.drawRect(0, 4, 8, 21);
  painter.setBrush(QColor(150, 40, 30));
  painter.drawRect(2, 8, 4, 13);
  painter.setBrush(metal);
  painter.drawRect(8, 11, 5, 7);
  painter.setBrush(QColor(255, 90, 60));
  painter.drawRect(13, 13, 1, 3);
  painter.end();
  return right ? image.mirrored(true, false) : image;
}

const QString ChainGlyphs = QStringLiteral("1234567890*");

QPainterPath ChainDigits() {
  QPainterPath all;
  const QFont font = PixelFont(SansFamily, 27, true);
  for (int i = 0; i < ChainGlyphs.size(); ++i)
    all.addPath(CenteredText(ChainGlyphs.mid(i, 1), font, QRectF(i * 25 + 3, 3, 19, 24)));
  return all;
}

TMaskedPicture ChainNumbers() {
  QLinearGradient fill(0, 3, 0, 27);
  fill.setColorAt(0, QColor(255, 250, 190));
  fill.setColorAt(0.5, palette::LabelYellow);
  fill.setColorAt(1, QColor(230, 120, 20));
  return RimmedLettering(QSize(275, 30), ChainDigits(), fill, 3.5);
}

// The three boxes: clear-gems (a golden chest with a gem), breakground (a stone crate with a
// cracked chip), laser (a red steel case with a bolt). The lid lifts and light spills out over
// six frames. A level whose three box weights are all zero releases boxes of no kind, which the
// game looks for as "PandorasBox-1.bmp": a plain wooden box that stays shut.
enum class TBoxKind { ClearGems, Breakground, Laser, Empty };

void DrawBoxSymbol(QPainter& painter, TBoxKind kind, QPointF centre, double glow) {
  SetSmooth(painter, true);
  switch (kind) {
    case TBoxKind::ClearGems:
      painter.setPen(QPen(QColor(60, 20, 70), 0.8));
      painter.setBrush(QColor::fromHsvF(0.8f, 0.5f, float(0.75 + 0.25 * glow)));
      painter.drawPolygon(Hexagon(centre, 5.6));
      break;
    case TBoxKind::Breakground:
      painter.setPen(QPen(QColor(30, 30, 34), 0.8));
      painter.setBrush(QColor(190, 192, 200));
      painter.drawPolygon(Hexagon(centre, 5.6));
      painter.setPen(QPen(QColor(20, 20, 20), 1.2));
      painter.drawPolyline(QPolygonF({centre + QPointF(-1, -5), centre + QPointF(1, -1),
                                      centre + QPointF(-2, 1), centre + QPointF(1, 5)}));
      painter.drawLine(centre + QPointF(1, -1), centre + QPointF(4, -2));
      break;
    case TBoxKind::Laser:
      painter.setPen(QPen(QColor(90, 40, 0), 0.6));
      painter.setBrush(QColor(255, int(200 + 55 * glow), 60));
      painter.drawPolygon(QPolygonF({centre + QPointF(2, -6.5), centre + QPointF(-4, 1.5),
                                     centre + QPointF(0, 1.5), centre + QPointF(-2, 6.5),
                                     centre + QPointF(4, -1.5), centre + QPointF(0, -1.5)}));
      break;
    case TBoxKind::Empty:
      break;
  }
}

QImage PandorasBox(TBoxKind kind) {
  const QColor bodies[4] = {QColor(176, 112, 40), QColor(128, 126, 120), QColor(150, 30, 34), QColor(120, 84, 50)};
  const QColor bands[4] = {QColor(246, 206, 80), QColor(84, 82, 80), QColor(210, 212, 220), QColor(80, 56, 34)};
  const QColor body = bodies[int(kind)], band = bands[int(kind)];
  constexpr int Frame = 28;
  QImage image = SolidImage(Frame * 6, Frame, Qt::black);
  QPainter painter(&image);
  for (int f = 0; f < 6; ++f) {
    const double phase = f / 6.0 * 2 * std::numbers::pi;
    const double glow = 0.5 + 0.5 * std::sin(phase);
    const int lift = kind == TBoxKind::Empty ? 0 : int(std::lround(4 * glow));
    const int x = f * Frame;
    SetSmooth(painter, false);
    if (lift > 0) {  // light escaping under the lifted lid, with rays above it
      painter.setPen(QPen(QColor(255, 230, 120), 1));
      for (int ray = 0; ray < 5; ++ray) painter.drawLine(x + 13 + (ray - 2) * 2, 11 - lift, x + 13 + (ray - 2) * 5, 11 - lift - 2 * lift / 2 - 1);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 244, 170));
      painter.drawRect(x + 4, 12 - lift, 19, lift);
    }
    painter.setPen(QPen(palette::DarkBrown, 1));
    painter.setBrush(body);
    painter.drawRect(x + 3, 12, 21, 15);  // body
    painter.setBrush(body.lighter(125));
    painter.drawRect(x + 2, 7 - lift + 2, 23, 4);  // lid
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    painter.drawRect(x + 4, 13, 2, 14);
    painter.drawRect(x + 21, 13, 2, 14);
    painter.drawRect(x + 3, 9 - lift + 1, 21, 1);
    DrawBoxSymbol(painter, kind, QPointF(x + 13.5, 19.5), glow);
  }
  return image;
}
}  // namespace

std::vector<TNamedPicture> WordedFieldPictures() {
  const TMaskedPicture gameOver = GameOver();
  return {
      {Asset::GameOver, gameOver.picture}, {Asset::GameOverMask, gameOver.mask}, {Asset::TimeoutStamp, TimeoutStamp()}};
}

std::vector<TNamedPicture> FieldPictures() {
  std::vector<TNamedPicture> pictures;
  pictures.push_back({Asset::FieldBackground, FieldBackground()});
  // Direction d is drawn by picture c(d + 2): left, right, upper right, lower left, upper left,
  // lower right.
  const double angles[6] = {180, 0, -60, 120, -120, 60};
  for (int d = 0; d < 6; ++d)
    pictures.push_back({Asset::FlowArrow(d), FlowArrow(angles[d])});
  pictures.push_back({Asset::EndMarker, EndMarker()});
  pictures.push_back({Asset::EditorEndMarker, EditorEndMarker()});
  pictures.push_back({Asset::RowFlash, RowFlash()});
  for (TNamedPicture& worded : WordedFieldPictures()) pictures.push_back(std::move(worded));
  pictures.push_back({Asset::Starlight, Starlight()});
  pictures.push_back({Asset::LaserGunLeft, LaserGun(false)});
  pictures.push_back({Asset::LaserGunRight, LaserGun(true)});
  const TMaskedPicture chain = ChainNumbers();
  pictures.push_back({Asset::ChainDigits, chain.picture});
  pictures.push_back({Asset::ChainDigitsMask, chain.mask});
  for (TBoxKind kind : {TBoxKind::ClearGems, TBoxKind::Breakground, TBoxKind::Laser, TBoxKind::Empty})
    pictures.push_back({Asset::BoxPicture(kind == TBoxKind::Empty ? -1 : int(kind)), PandorasBox(kind)});
  return pictures;
}
