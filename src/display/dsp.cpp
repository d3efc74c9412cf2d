#include "display/dsp.h"

#include <algorithm>
#include <cmath>

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
}  // namespace

TDSP::TDSP(TFramePresenter* window, int32_t width, int32_t height, int32_t left, int32_t top,
           std::string backgroundFile, int64_t frequency)
    : window_(window),
      width_(width),
      height_(height),
      left_(left),
      top_(top),
      frequency_(frequency),
      backgroundFile_(std::move(backgroundFile)) {
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
  elems_.insert(position, elem);
}

void TDSP::RemoveElem(TDSPElem* elem) {
  auto position = std::find(elems_.begin(), elems_.end(), elem);
  if (position != elems_.end()) elems_.erase(position);
}

void TDSP::Render(int64_t now) {
  if (background_.isNull()) {
    backPainter_->fillRect(FrameRect(), Qt::black);
  } else {
    // The background is opaque, so a straight copy replaces the previous frame.
    backPainter_->setCompositionMode(QPainter::CompositionMode_Source);
    backPainter_->drawImage(QRectF(FrameRect()), background_);
    backPainter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  }
  RenderElems(now);
  if (window_) window_->PresentFrame(backBuffer_, left_, top_);
}

void TDSP::RenderElems(int64_t now) {
  // Positions are walked from the count taken at the start. Elements may create or free other
  // elements (or themselves) from Update, Draw and their callbacks, which shifts positions, so
  // each position is checked against the list as it is now: an element may then be skipped or
  // visited twice in that frame, but never touched after it was freed.
  const int count = static_cast<int>(elems_.size());
  for (int n = count - 1; n >= 0; --n) {
    if (n >= static_cast<int>(elems_.size())) continue;
    elems_[n]->Update(now);
    if (n >= static_cast<int>(elems_.size())) continue;
    TDSPElem* elem = elems_[n];
    if (elem->Visible) elem->Draw();
  }
}

void TDSP::DrawElemOnBackground(TDSPElem* elem) {
  if (!backgroundPainter_) return;
  QPainter* previous = target_;
  target_ = backgroundPainter_.get();
  elem->Draw();
  target_ = previous;
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
}

void TDSP::DrawMaskedOnBackground(const std::string& pictureFile, const std::string& maskFile,
                                  const QRectF& rect) {
  if (!backgroundPainter_) return;
  const QImage masked = ApplyMask(LoadPicture(pictureFile), LoadPicture(maskFile));
  if (masked.isNull()) return;
  backgroundPainter_->drawImage(rect, masked);
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
}

void TDSP::ReloadBackground() { LoadBackground(); }

TDSPElem::TDSPElem(TDSP* dsp, int32_t layer, bool visible) : Layer(layer), DSP(dsp), Visible(visible) {
  DSP->AddElem(this);
}

TDSPElem::~TDSPElem() { DSP->RemoveElem(this); }
