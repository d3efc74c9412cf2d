#include "display/dsp.h"

#include <algorithm>
#include <cmath>

#include "frame/frame_pace.h"
#include "frame/rounding.h"

namespace {
QImage NewSurface(int width, int height) {
  QImage image(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void PreparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

// Far beyond any surface, yet safe to offset and unite.
constexpr int kFar = 1 << 28;
}  // namespace

TDSPLook TDSPLook::Everywhere() {
  TDSPLook look;
  look.Area = QRect(QPoint(-kFar, -kFar), QPoint(kFar, kFar));
  look.Restless = true;
  return look;
}

QRect TDSPLook::Cover(const QRectF& rect) {
  // Positions far off the surface are pulled in first, so the arithmetic stays in range.
  static constexpr double kReach = 1e6;
  auto clamped = [](double value) { return std::isnan(value) ? 0.0 : std::clamp(value, -kReach, kReach); };
  const int left = static_cast<int>(std::floor(clamped(rect.left()))) - 1;
  const int top = static_cast<int>(std::floor(clamped(rect.top()))) - 1;
  const int right = static_cast<int>(std::ceil(clamped(rect.right()))) + 1;
  const int bottom = static_cast<int>(std::ceil(clamped(rect.bottom()))) + 1;
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

TDSP::TDSP(TFramePresenter* window, int32_t width, int32_t height, int32_t left, int32_t top,
           std::string backgroundFile, int64_t frequency)
    : window_(window),
      width_(width),
      height_(height),
      left_(left),
      top_(top),
      frequency_(frequency),
      backgroundFile_(std::move(backgroundFile)),
      changed_(FrameRect()) {
  backBuffer_ = NewSurface(width_, height_);
  saved_ = NewSurface(width_, height_);
  backPainter_ = std::make_unique<QPainter>(&backBuffer_);
  PreparePainter(*backPainter_);
  target_ = backPainter_.get();
  LoadBackground();
}

TDSP::~TDSP() {
  // Each element's destructor takes itself out of the list.
  closing_ = true;
  while (!elems_.empty()) delete elems_.back();
  backPainter_.reset();
  backgroundPainter_.reset();
}

void TDSP::LoadBackground() {
  backgroundPainter_.reset();
  background_ = Drawable(LoadPicture(backgroundFile_));
  OpenBackgroundPainter();
  BackgroundChanged(FrameRect());
}

void TDSP::OpenBackgroundPainter() {
  backgroundPainter_.reset();
  // A background that failed to load is 0 x 0: nothing can be painted into it.
  if (background_.isNull()) return;
  backgroundPainter_ = std::make_unique<QPainter>(&background_);
  PreparePainter(*backgroundPainter_);
}

template <typename Work>
void TDSP::EditBackgroundPixels(Work work) {
  if (background_.isNull()) return;
  backgroundPainter_.reset();
  work();
  OpenBackgroundPainter();
}

void TDSP::AddElem(TDSPElem* elem) {
  auto position = std::find_if(elems_.begin(), elems_.end(),
                               [&](const TDSPElem* e) { return e->Layer < elem->Layer; });
  const auto index = static_cast<int>(position - elems_.begin());
  elems_.insert(position, elem);
  // A walk visits it when it lies above the element being visited (which stood at next_ + 1).
  if (walking_ && index <= next_ + 1) ++next_;
}

void TDSP::RemoveElem(TDSPElem* elem) {
  std::erase(ended_, elem);
  auto position = std::find(elems_.begin(), elems_.end(), elem);
  if (position == elems_.end()) return;
  // Its last picture stays in the frame until that part is composed again.
  if (elem->shown_) changed_ += elem->shownLook_.Area;
  const auto index = static_cast<int>(position - elems_.begin());
  elems_.erase(position);
  // The elements a walk has still to visit moved down one place.
  if (walking_ && index <= next_) --next_;
}

void TDSP::EndElem(TDSPElem* elem) {
  if (std::find(ended_.begin(), ended_.end(), elem) == ended_.end()) ended_.push_back(elem);
}

void TDSP::Render(int64_t now) {
  UpdateElems(now);
  const TPending pending = SurveyChanges();
  fullRate_ = pending == TPending::Fast;
  behind_ = pending == TPending::Slow && SlowChangesMayWait(now);
  if (!behind_) ComposeChanges(now);
  FreeEnded();
}

void TDSP::SetSlowFrameRate(double framesPerSecond) {
  // A loop that wakes at the slow pace composes each time.
  slowWait_ = framesPerSecond > 0
                  ? static_cast<int64_t>(static_cast<double>(frequency_) * SlowStepSeconds(framesPerSecond))
                  : 0;
}

bool TDSP::SlowChangesMayWait(int64_t now) const {
  return slowWait_ > 0 && composedOnce_ && now - lastComposed_ < slowWait_;
}

TDSP::TPending TDSP::SurveyChanges() {
  TPending pending = changed_.isEmpty() ? TPending::Nothing : TPending::Fast;
  looks_.clear();
  for (TDSPElem* elem : elems_) {
    looks_.push_back(elem->Visible ? elem->Look() : TDSPLook());
    const TDSPLook& look = looks_.back();
    if (look.Restless || (!elem->shown_ && !look.Area.isEmpty())) {
      pending = TPending::Fast;
    } else if (elem->shown_ && !(look == elem->shownLook_)) {
      const bool slow = elem->SlowChange(elem->shownLook_, look);
      pending = std::max(pending, slow ? TPending::Slow : TPending::Fast);
    }
  }
  return pending;
}

void TDSP::ComposeChanges(int64_t now) {
  bool restless = false;
  const QRegion changed = TakeChanges(restless);
  if (changed.isEmpty() && !restless) return;
  // A restless element is drawn once a frame (its Draw may pick random numbers or end it), so
  // a frame with one is composed in one part. An empty part clips everything away.
  for (const QRect& part : restless ? std::vector<QRect>{changed.boundingRect()} : ComposedParts(changed))
    ComposePart(part);
  if (changed.isEmpty()) return;
  lastComposed_ = now;
  composedOnce_ = true;
  if (window_) window_->PresentFrame(backBuffer_, left_, top_, changed);
}

std::vector<QRect> TDSP::ComposedParts(const QRegion& changed) {
  // Rectangles: Qt copies and blends within a plain rectangle on its fast paths, where a ragged
  // region makes it split the work over threads. Changes far apart (the held set at one side,
  // the ring at the other) each get their own, so that what lies between is not drawn again.
  constexpr int kMostRects = 24;
  if (changed.rectCount() > kMostRects) return {changed.boundingRect()};
  // Each part costs about as much as composing this many pixels more (a clip, a copy, a walk
  // over the elements): two parts whose surrounding rectangle costs no more are one.
  constexpr int64_t kPartCost = 64 * 64;
  auto area = [](const QRect& rect) { return int64_t{rect.width()} * rect.height(); };
  std::vector<QRect> parts(changed.begin(), changed.end());
  for (bool merged = true; merged;) {
    merged = false;
    for (size_t i = 0; i < parts.size() && !merged; ++i)
      for (size_t j = i + 1; j < parts.size() && !merged; ++j) {
        const QRect both = parts[i] | parts[j];
        if (area(both) > area(parts[i]) + area(parts[j]) + kPartCost) continue;
        parts[i] = both;
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
  }
  return parts;
}

void TDSP::ComposePart(const QRect& part) {
  // A whole frame needs no clip, which Qt's fast paths like best.
  if (part != FrameRect()) backPainter_->setClipRect(part);
  if (background_.isNull()) {
    backPainter_->fillRect(FrameRect(), Qt::black);
  } else {
    // The background is opaque, so a straight copy replaces the previous frame. Only the
    // part is copied: Qt's plain copy ignores the clip and would copy it all.
    backPainter_->setCompositionMode(QPainter::CompositionMode_Source);
    if (BackgroundFitsFrame()) {
      backPainter_->drawImage(part.topLeft(), background_, part);
    } else {
      backPainter_->drawImage(QRectF(FrameRect()), background_);
    }
    backPainter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  DrawElems(part);
  backPainter_->setClipping(false);
}

// Elements may make or free other elements (or themselves) from Update, Draw and their
// callbacks; AddElem and RemoveElem keep next_ on the element due next, so nothing is visited
// out of turn and nothing is touched after it was freed.
template <typename Visit>
void TDSP::WalkElems(Visit visit) {
  walking_ = true;
  for (next_ = static_cast<int>(elems_.size()) - 1; next_ >= 0;) visit(elems_[next_--]);
  walking_ = false;
}

void TDSP::UpdateElems(int64_t now) {
  WalkElems([now](TDSPElem* elem) { elem->Update(now); });
}

void TDSP::DrawElems(const QRect& composed) {
  WalkElems([&composed](TDSPElem* elem) {
    // An element made while the frame is drawn has had no update yet: it starts next frame.
    if (!elem->Visible || !elem->shown_) return;
    // One that keeps a look touches nothing beyond its area: a level's two hundred cells cost
    // more to hand to Qt, which would clip them all away, than the few that show.
    const TDSPLook& look = elem->shownLook_;
    if (!look.Restless && !look.Area.intersects(composed)) return;
    elem->Draw();
  });
}

void TDSP::FreeEnded() {
  // Each destructor takes its element off the list.
  while (!ended_.empty()) delete ended_.front();
}

QRegion TDSP::TakeChanges(bool& restless) {
  QRegion changed = changed_;
  changed_ = QRegion();
  for (size_t index = 0; index < elems_.size(); ++index) {
    TDSPElem* elem = elems_[index];
    const TDSPLook& look = looks_[index];
    restless = restless || look.Restless;
    if (!elem->shown_) {
      changed += look.Area;
    } else if (!(look == elem->shownLook_)) {
      changed += elem->Difference(elem->shownLook_, look);
    }
    elem->shownLook_ = look;
    elem->shown_ = true;
  }
  return changed & FrameRect();
}

void TDSP::BackgroundChanged(const QRect& area) {
  if (BackgroundFitsFrame()) {
    changed_ += area;
  } else {
    changed_ += FrameRect();
  }
}

void TDSP::DrawElemOnBackground(TDSPElem* elem) {
  if (!backgroundPainter_) return;
  QPainter* previous = target_;
  target_ = backgroundPainter_.get();
  elem->Draw();
  target_ = previous;
  BackgroundChanged(elem->Look().Area);
}

void TDSP::GrayBackground() {
  EditBackgroundPixels([this] {
    const int rows = std::min(height_, background_.height());
    const int cols = std::min(width_, background_.width());
    for (int y = 0; y < rows; ++y) {
      auto* line = reinterpret_cast<QRgb*>(background_.scanLine(y));
      for (int x = 0; x < cols; ++x) {
        const QRgb pixel = qUnpremultiply(line[x]);
        const int grey = static_cast<int>(
            RoundHalfEven(0.3 * qRed(pixel) + 0.59 * qGreen(pixel) + 0.11 * qBlue(pixel)) & 0xFF);
        line[x] = qRgb(grey, grey, grey);
      }
    }
  });
  BackgroundChanged(FrameRect());
}

void TDSP::DrawMaskedOnBackground(const std::string& pictureFile, const std::string& maskFile,
                                  const QRectF& rect) {
  if (!backgroundPainter_) return;
  const QImage masked = ApplyMask(LoadPicture(pictureFile), LoadPicture(maskFile));
  if (masked.isNull()) return;
  backgroundPainter_->drawImage(rect, masked);
  BackgroundChanged(TDSPLook::Cover(rect));
}

void TDSP::SaveBackground() {
  if (background_.isNull()) return;
  QPainter painter(&saved_);
  PreparePainter(painter);
  painter.drawImage(QRectF(FrameRect()), background_);
}

void TDSP::BlendSavedBackground(float opacity) {
  if (!backgroundPainter_) return;
  if (std::isnan(opacity) || opacity < 0) opacity = 0;
  if (opacity > 1) opacity = 1;
  QPainter& painter = *backgroundPainter_;
  if (opacity < 0.99f) painter.setOpacity(opacity);
  painter.drawImage(QRectF(FrameRect()), saved_, QRectF(0, 0, width_, height_));
  painter.setOpacity(1.0);
  BackgroundChanged(FrameRect());
}

void TDSP::ReloadBackground() { LoadBackground(); }

TDSPElem::TDSPElem(TDSP* dsp, int32_t layer, bool visible) : Layer(layer), DSP(dsp), Visible(visible) {
  DSP->AddElem(this);
}

TDSPElem::~TDSPElem() { DSP->RemoveElem(this); }

TDSPLook TDSPElem::Look() const { return TDSPLook::Everywhere(); }

QRegion TDSPElem::Difference(const TDSPLook& before, const TDSPLook& now) const {
  return QRegion(before.Area) + now.Area;
}

bool TDSPElem::SlowChange(const TDSPLook&, const TDSPLook&) const { return false; }
