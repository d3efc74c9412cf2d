#include "display/picture_elements.h"

#include <array>
#include <cmath>
#include <functional>
#include <map>
#include <utility>

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>

#include "frame/frame_pace.h"
#include "frame/rounding.h"

namespace {
// Two looks of a picture (see TDSPE_Static::PartLook) in the same place.
bool SamePlace(const TDSPLook& before, const TDSPLook& now) {
  return before.Area == now.Area && before.State[0] == now.State[0] && before.State[1] == now.State[1];
}

// Opacities outside 0..1 are clamped; NaN counts as fully transparent.
float ClampAlpha(float value) {
  if (std::isnan(value) || value < 0) return 0;
  return value > 1 ? 1 : value;
}

// The shortest fade still takes a hundredth of a second, which also keeps the fade step from
// dividing by zero.
float ClampDuration(float seconds) {
  constexpr float kShortest = 0.01f;
  return std::isnan(seconds) || seconds <= kShortest ? kShortest : seconds;
}

QImage TransparentImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}
}  // namespace

// ---- TDSPE_Static ----

TDSPE_Static::TDSPE_Static(TDSP* dsp, int32_t layer) : TDSPElem(dsp, layer) {}

TDSPE_Static::TDSPE_Static(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y,
                           float alpha)
    : TDSPElem(dsp, layer) {
  LoadPlain(fileName, x, y, alpha);
}

TDSPE_Static* TDSPE_Static::CreateKeyed(TDSP* dsp, int32_t layer, const std::string& fileName, float x,
                                        float y, float alpha, TARGB keyColor) {
  auto* elem = new TDSPE_Static(dsp, layer);
  elem->LoadKeyed(fileName, x, y, alpha, keyColor);
  return elem;
}

TDSPE_Static* TDSPE_Static::CreateMasked(TDSP* dsp, int32_t layer, const std::string& pictureFile,
                                         const std::string& maskFile, float x, float y) {
  auto* elem = new TDSPE_Static(dsp, layer);
  elem->LoadMasked(pictureFile, maskFile, x, y);
  return elem;
}

TDSPE_Static* TDSPE_Static::CreateTinted(TDSP* dsp, int32_t layer, const std::string& maskFile, TARGB color) {
  auto* elem = new TDSPE_Static(dsp, layer);
  elem->LoadTinted(maskFile, color);
  return elem;
}

void TDSPE_Static::SetPicture(QImage picture, const std::string& fileName) {
  picture_ = std::move(picture);
  width_ = picture_.width();
  height_ = picture_.height();
  fileName_ = fileName;
}

void TDSPE_Static::LoadPlain(const std::string& fileName, float x, float y, float alpha) {
  UseWithOpacity(Drawable(LoadPicture(fileName)), fileName, x, y, alpha);
}

void TDSPE_Static::LoadKeyed(const std::string& fileName, float x, float y, float alpha, TARGB keyColor) {
  // The key is applied once here instead of on every copy.
  UseKeyed(KeyOut(LoadPicture(fileName), keyColor), fileName, x, y, alpha);
}

void TDSPE_Static::UseKeyed(QImage keyed, const std::string& fileName, float x, float y, float alpha) {
  UseWithOpacity(std::move(keyed), fileName, x, y, alpha);
  keyed_ = true;
}

void TDSPE_Static::UseWithOpacity(QImage picture, const std::string& fileName, float x, float y,
                                  float alpha) {
  SetPicture(std::move(picture), fileName);
  hasOpacity_ = true;
  alpha_ = ClampAlpha(alpha);
  X = x;
  Y = y;
}

void TDSPE_Static::LoadMasked(const std::string& pictureFile, const std::string& maskFile, float x, float y) {
  SetPicture(ApplyMask(LoadPicture(pictureFile), LoadPicture(maskFile)), pictureFile);
  X = x;
  Y = y;
}

void TDSPE_Static::LoadTinted(const std::string& maskFile, TARGB color) {
  SetPicture(TintFromMask(LoadPicture(maskFile), color), maskFile);
}

void TDSPE_Static::SetAlpha(float value) { alpha_ = ClampAlpha(value); }

void TDSPE_Static::Update(int64_t) {}

void TDSPE_Static::Draw() {
  if (!Visible) return;
  if (alpha_ > 0.99f && !keyed_) {
    DSP->Canvas().drawImage(QPointF(X, Y), picture_);
    return;
  }
  DrawPart(QRectF(0, 0, width_, height_), QPointF(X, Y));
}

TDSPLook TDSPE_Static::Look() const { return PartLook(width_, height_, 0); }

TDSPLook TDSPE_Static::PartLook(qreal width, qreal height, double detail) const {
  if (picture_.isNull() || width <= 0 || height <= 0) return {};
  return {TDSPLook::Cover(QRectF(X, Y, width, height)), {X, Y, hasOpacity_ ? alpha_ : 1.0, detail}};
}

void TDSPE_Static::DrawPart(const QRectF& source, const QPointF& target) const {
  if (picture_.isNull() || source.isEmpty()) return;
  QPainter& canvas = DSP->Canvas();
  canvas.setOpacity(hasOpacity_ ? alpha_ : 1.0);
  canvas.drawImage(QRectF(target, source.size()), picture_, source);
  canvas.setOpacity(1.0);
}

// ---- TDSPE_FlashBmp ----

TDSPE_FlashBmp::TDSPE_FlashBmp(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, int32_t tag,
                               bool fadeIn, float duration)
    : TDSPE_FlashBmp(dsp, layer, KeyedPicture(fileName), fileName, x, y, tag, fadeIn, duration) {}

TDSPE_FlashBmp::TDSPE_FlashBmp(TDSP* dsp, int32_t layer, QImage keyed, const std::string& fileName, float x, float y,
                               int32_t tag, bool fadeIn, float duration)
    : TDSPE_Static(dsp, layer), Tag(tag), fadeIn_(fadeIn), duration_(ClampDuration(duration)) {
  UseKeyed(std::move(keyed), fileName, x, y, fadeIn ? 0.01f : 1.0f);
}

QImage TDSPE_FlashBmp::KeyedPicture(const std::string& fileName) {
  return KeyOut(LoadPicture(fileName), MakeARGB(0, 0, 0, 0));
}

TDSPE_FlashBmp::~TDSPE_FlashBmp() {
  if (!DSP->Closing()) OnFinish(Tag);
}

void TDSPE_FlashBmp::Update(int64_t now) {
  if (start_ == kNotStarted) {
    start_ = now;
    return;
  }
  const double progress = SecondsBetween(*DSP, start_, now) / duration_;
  SetAlpha(static_cast<float>(fadeIn_ ? progress : 1 - progress));
}

void TDSPE_FlashBmp::Draw() {
  TDSPE_Static::Draw();
  if (Finished()) End();
}

TDSPLook TDSPE_FlashBmp::Look() const {
  TDSPLook look = TDSPE_Static::Look();
  look.Restless = Finished();
  return look;
}

bool TDSPE_FlashBmp::SlowChange(const TDSPLook& before, const TDSPLook& now) const {
  return (SlowFade || duration_ >= 1) && SamePlace(before, now) && before.State[3] == now.State[3];
}

// ---- TDSPE_String ----

TDSPE_String::TDSPE_String(TDSP* dsp, int32_t layer, int32_t cellWidth)
    : TDSPE_Static(dsp, layer), cellWidth_(cellWidth) {}

TDSPE_String::TDSPE_String(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y,
                           float alpha, TARGB keyColor, int32_t cellWidth)
    : TDSPE_String(dsp, layer, cellWidth) {
  LoadKeyed(fileName, x, y, alpha, keyColor);
}

TDSPE_String* TDSPE_String::CreateMasked(TDSP* dsp, int32_t layer, const std::string& pictureFile,
                                         const std::string& maskFile, float x, float y, int32_t cellWidth) {
  auto* elem = new TDSPE_String(dsp, layer, cellWidth);
  elem->LoadMasked(pictureFile, maskFile, x, y);
  return elem;
}

int32_t TDSPE_String::GlyphIndex(char character) {
  if (character >= '1' && character <= '9') return character - '1';
  if (character == '0') return 9;
  if (character == '*') return 10;
  return -1;
}

void TDSPE_String::Draw() {
  const qreal cell = cellWidth_;
  for (size_t i = 0; i < Text.size(); ++i) {
    const int32_t glyph = GlyphIndex(Text[i]);
    if (glyph < 0) continue;
    DrawPart(QRectF(glyph * cell, 0, cell, Height()), QPointF(X + static_cast<qreal>(i) * cell, Y));
  }
}

TDSPLook TDSPE_String::Look() const {
  return PartLook(static_cast<qreal>(Text.size()) * cellWidth_, Height(),
                  static_cast<double>(std::hash<std::string>()(Text)));
}

// ---- TDSPE_Animation ----

TDSPE_Animation::TDSPE_Animation(TDSP* dsp, int32_t layer) : TDSPE_Static(dsp, layer) {}

TDSPE_Animation::TDSPE_Animation(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y,
                                 int32_t frames, int64_t interval)
    : TDSPE_Animation(dsp, layer) {
  LoadKeyed(fileName, x, y, 1, MakeARGB(0, 0, 0, 0));
  SetUpFrames(frames, interval);
}

TDSPE_Animation* TDSPE_Animation::CreateTinted(TDSP* dsp, int32_t layer, const std::string& maskFile,
                                               TARGB color, int32_t frames, int64_t interval) {
  auto* elem = new TDSPE_Animation(dsp, layer);
  elem->LoadTinted(maskFile, color);
  elem->SetUpFrames(frames, interval);
  return elem;
}

void TDSPE_Animation::SetUpFrames(int32_t frames, int64_t interval) {
  interval_ = interval;
  // A frame count the strip cannot hold leaves no frame to show (and nothing to divide by).
  if (frames < 1 || frames > Width()) return;
  frameWidth_ = Width() / frames;
  frameCount_ = Width() / frameWidth_;
}

void TDSPE_Animation::StepFrame(int64_t now) {
  if (lastStep_ == 0) lastStep_ = now;
  if (now - lastStep_ <= interval_) return;
  lastStep_ = now;
  ++frame_;
  if (frame_ >= frameCount_) frame_ = 0;
}

void TDSPE_Animation::Update(int64_t now) { StepFrame(now); }

void TDSPE_Animation::Draw() {
  if (frameWidth_ <= 0) return;
  DrawPart(QRectF(static_cast<qreal>(frame_) * frameWidth_, 0, frameWidth_, Height()), QPointF(X, Y));
}

TDSPLook TDSPE_Animation::Look() const { return PartLook(frameWidth_, Height(), frame_); }

bool TDSPE_Animation::SlowChange(const TDSPLook& before, const TDSPLook& now) const {
  const bool slowStrip = static_cast<double>(interval_) * SlowFrameRate >= static_cast<double>(DSP->Frequency());
  return slowStrip && SamePlace(before, now) && before.State[2] == now.State[2];
}

// ---- TDSPE_Bounce ----

TDSPE_Bounce::TDSPE_Bounce(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y,
                           int32_t frames, int64_t interval, float speed)
    : TDSPE_Animation(dsp, layer, fileName, x, y, frames, interval) {
  motion_.DirX = TBounceMotion::RandomDirection();
  motion_.DirY = TBounceMotion::RandomDirection();
  motion_.Speed = speed;
}

TDSPE_Bounce::TDSPE_Bounce(TDSP* dsp, int32_t layer, const std::string& fileName, int32_t frames,
                           int64_t interval, const TBounceMotion& motion)
    : TDSPE_Animation(dsp, layer, fileName, motion.X, motion.Y, frames, interval), motion_(motion) {}

void TDSPE_Bounce::Update(int64_t now) {
  if (!Visible || paused_) return;
  double seconds = 0;
  if (moveClock_.Step(*DSP, now, seconds) && !Move(seconds)) return;
  StepFrame(now);
}

float TDSPE_Bounce::Rightmost() const { return static_cast<float>(DSP->Width() - FrameWidth()); }

float TDSPE_Bounce::Lowest() const { return static_cast<float>(DSP->Height() - Height()); }

bool TDSPE_Bounce::Move(double seconds) {
  const float oldX = X;
  const float oldY = Y;
  const bool hitEdge = Advance(seconds);
  if ((X == oldX && Y == oldY) || !OnMove) return true;
  const std::weak_ptr<char> alive = life_;
  OnMove(this, hitEdge);
  return !alive.expired();
}

bool TDSPE_Bounce::Advance(double seconds) {
  motion_.X = X;
  motion_.Y = Y;
  const bool hit = motion_.Move(seconds, Rightmost(), Lowest());
  X = motion_.X;
  Y = motion_.Y;
  return hit;
}

void TDSPE_Bounce::Resume() {
  paused_ = false;
  moveClock_.Restart();
  RestartFrameClock();
}

// ---- TDSPE_Startlight ----

TDSPE_Startlight::TDSPE_Startlight(TDSP* dsp, int32_t layer, const std::string& fileName, QPointF position)
    : TDSPElem(dsp, layer) {
  // Black parts of the star become transparent, bright parts opaque.
  source_ = AlphaFromRed(LoadPicture(fileName));
  width_ = source_.width();
  height_ = source_.height();
  scratch_ = TransparentImage(width_, height_);
  turns_ = TurnsOf(fileName, source_);
  X = static_cast<float>(position.x());
  Y = static_cast<float>(position.y());
}

TDSPE_Startlight::~TDSPE_Startlight() {
  if (!DSP->Closing()) OnFinish();
}

void TDSPE_Startlight::Update(int64_t now) {
  // Turning the picture is the costly part, so it happens at most a hundred times a second.
  if (static_cast<double>(now - lastStep_) <= 0.01 * static_cast<double>(DSP->Frequency())) return;
  angle_ = static_cast<float>((RoundHalfEven32(angle_) + 10) % 360);
  SetScale(std::abs(angle_ - 180) / 180);
  RenderScratch();
  lastStep_ = now;
  // Ends on the frame it shrinks to nothing for the second time (and draws nothing there).
  if (zeroCount_ > 1) End();
}

void TDSPE_Startlight::SetScale(float value) {
  scale_ = value;
  if (scale_ == 0) ++zeroCount_;
}

// Steps of ten degrees from a start at 0 (see Update).
struct TDSPE_Startlight::TTurns {
  static constexpr int kStepDegrees = 10;
  QImage Source;
  std::array<QImage, 360 / kStepDegrees> Steps;
};

std::shared_ptr<TDSPE_Startlight::TTurns> TDSPE_Startlight::TurnsOf(const std::string& fileName,
                                                                   const QImage& source) {
  // A picture changed on disk starts afresh; the stars still showing the old one keep theirs.
  static std::map<std::string, std::shared_ptr<TTurns>> turns;
  std::shared_ptr<TTurns>& kept = turns[fileName];
  if (!kept || kept->Source != source) kept = std::make_shared<TTurns>(TTurns{source, {}});
  return kept;
}

QImage TDSPE_Startlight::Turned(const QImage& source, float angle, float scale) {
  QImage turned = TransparentImage(source.width(), source.height());
  const qreal centreX = source.width() / 2.0;
  const qreal centreY = source.height() / 2.0;
  // Turned about its centre, then shrunk towards the top-left corner; Draw re-centres it.
  QTransform transform;
  transform.scale(scale, scale);
  transform.translate(centreX, centreY);
  transform.rotate(angle);
  transform.translate(-centreX, -centreY);
  QPainter painter(&turned);
  painter.setTransform(transform);
  painter.drawImage(QPointF(0, 0), source);
  return turned;
}

void TDSPE_Startlight::RenderScratch() {
  if (source_.isNull()) return;
  const int32_t degrees = RoundHalfEven32(angle_);
  if (degrees % TTurns::kStepDegrees != 0 || degrees < 0 || degrees >= 360) {
    scratch_ = Turned(source_, angle_, scale_);
    return;
  }
  QImage& step = turns_->Steps[static_cast<size_t>(degrees / TTurns::kStepDegrees)];
  if (step.isNull()) step = Turned(source_, angle_, scale_);
  scratch_ = step;
}

void TDSPE_Startlight::Draw() {
  const qreal shrink = 1 - scale_;
  DSP->Canvas().drawImage(QPointF(X + shrink * width_ / 2, Y + shrink * height_ / 2), scratch_);
}

TDSPLook TDSPE_Startlight::Look() const {
  const qreal shrink = 1 - scale_;
  TDSPLook look;
  if (source_.isNull()) return look;
  look.Area = TDSPLook::Cover(QRectF(X + shrink * width_ / 2, Y + shrink * height_ / 2, width_, height_));
  look.State = {X, Y, angle_, scale_};
  return look;
}

// ---- TDSPE_Text ----

TDSPE_Text::TDSPE_Text(TDSP* dsp, int32_t layer, const QString& fontName, int32_t size, TARGB color,
                       const QString& text, float x, float y)
    : TDSPElem(dsp, layer), Text(text), font_(fontName), color_(color), size_(size) {
  font_.setPixelSize(size > 0 ? size : 1);
  font_.setStyle(QFont::StyleNormal);
  font_.setWeight(QFont::Normal);
  ascent_ = QFontMetricsF(font_).ascent();
  X = x;
  Y = y;
}

void TDSPE_Text::Update(int64_t) {}

void TDSPE_Text::Draw() {
  QPainter& canvas = DSP->Canvas();
  canvas.setFont(font_);
  canvas.setPen(QColor::fromRgba(color_));
  canvas.drawText(QPointF(X, Y + ascent_), Text);
}

TDSPLook TDSPE_Text::Look() const {
  // Glyphs may reach a little beyond their measured box.
  const QRectF box = QFontMetricsF(font_).boundingRect(Text).translated(X, Y + ascent_);
  return {TDSPLook::Cover(box.adjusted(-2, -2, 2, 2)), {X, Y, static_cast<double>(qHash(Text))}};
}
