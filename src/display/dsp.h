#pragma once
// The display surface: one off-screen back buffer, a background picture that stages stamp
// gems and marks into, a saved copy of that background, and the elements drawn over it each
// frame in layer order. Nothing else paints inside the playing field.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QRegion>

#include "display/picture.h"

class TDSPElem;

// Whoever shows finished frames: the play-field widget in the game, nothing in tests.
class TFramePresenter {
 public:
  virtual ~TFramePresenter() = default;
  // Only the changed part of frame (in frame pixels) differs from the frame presented before.
  // frame stays valid, and unchanged outside the next changed part, until the next Render.
  virtual void PresentFrame(const QImage& frame, int left, int top, const QRegion& changed) = 0;
};

// How an element shows: the pixels its Draw may touch and whatever else decides them. Two equal
// looks draw the same pixels, so an element whose look stays the same needs no redrawing.
struct TDSPLook {
  // Surface pixels; empty when the element draws nothing.
  QRect Area;
  // Position, opacity, frame, text... as the element kind needs.
  std::array<double, 4> State{};
  // Drawn every frame, as it looks different each time (random twinkles and bolts) or ends
  // itself in its Draw: never equal to any look.
  bool Restless = false;

  bool operator==(const TDSPLook& other) const {
    return !Restless && !other.Restless && Area == other.Area && State == other.State;
  }
  // Anything on the whole of any surface, anew every frame: right for any element, never cheap.
  static TDSPLook Everywhere();
  // The whole pixels under a rectangle given in fractional pixels, one to spare each side.
  static QRect Cover(const QRectF& rect);
};

class TDSP {
 public:
  TDSP(TFramePresenter* window, int32_t width, int32_t height, int32_t left, int32_t top,
       std::string backgroundFile, int64_t frequency);
  // Frees every element still registered, last position first. Effects freed this way do not
  // report OnFinish: their creators may be gone, and a report that starts a new effect would
  // keep the surface from ever emptying.
  ~TDSP();
  TDSP(const TDSP&) = delete;
  TDSP& operator=(const TDSP&) = delete;

  // Called by the element constructor and destructor only.
  void AddElem(TDSPElem* elem);
  void RemoveElem(TDSPElem* elem);
  // Called by TDSPElem::End only.
  void EndElem(TDSPElem* elem);

  // One frame: every element updated from the lowest layer up; then, where any element or the
  // background changed since the last frame, the background copied and every element drawn
  // from the lowest layer up, and that part of the frame handed to the window; last, the
  // elements that ended while drawn are freed. A frame in which nothing changed is neither
  // composed nor handed on (restless elements are still drawn, into nothing, so that effects
  // end on time). Neither is a frame in which only slow changes wait, while the slow pace
  // allows: they show with the next frame composed.
  void Render(int64_t now);

  // Lets changes that elements call slow wait for up to 1 / framesPerSecond seconds since the
  // last frame composed (0, the default: every change shows in the frame it is made in).
  void SetSlowFrameRate(double framesPerSecond);
  // True when the last frame rendered had something that wants the full pace: a change that is
  // not slow, or an element that is drawn every frame.
  bool FullRate() const { return fullRate_; }
  // True when the last frame rendered left slow changes waiting.
  bool Behind() const { return behind_; }

  // Draws the element once into the background picture, which keeps it until reloaded.
  void DrawElemOnBackground(TDSPElem* elem);
  void GrayBackground();
  void DrawMaskedOnBackground(const std::string& pictureFile, const std::string& maskFile,
                              const QRectF& rect);
  void SaveBackground();
  void BlendSavedBackground(float opacity);
  void ReloadBackground();

  // The drawing target of the element being drawn: the back buffer, or the background while
  // DrawElemOnBackground runs.
  QPainter& Canvas() { return *target_; }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  int64_t Frequency() const { return frequency_; }
  const std::string& BackgroundFile() const { return backgroundFile_; }
  const QImage& Background() const { return background_; }
  const QImage& SavedBackground() const { return saved_; }
  const QImage& BackBuffer() const { return backBuffer_; }
  const std::vector<TDSPElem*>& Elems() const { return elems_; }
  QRect FrameRect() const { return QRect(0, 0, width_, height_); }
  // True while the surface is being destroyed.
  bool Closing() const { return closing_; }

 private:
  void LoadBackground();
  void OpenBackgroundPainter();
  // Composes and hands on the part of the frame that changed, if any.
  void ComposeChanges(int64_t now);
  // The rectangles to compose one by one that together cover changed.
  static std::vector<QRect> ComposedParts(const QRegion& changed);
  // Composes one rectangle of the frame: the background, then the elements that reach into it.
  void ComposePart(const QRect& part);
  // What changed since the frame last composed, with every element's look now taken into looks_:
  // Fast when anything changed that is not slow or an element is drawn every frame.
  enum class TPending { Nothing, Slow, Fast };
  TPending SurveyChanges();
  // True when slow changes may wait in a frame at now.
  bool SlowChangesMayWait(int64_t now) const;
  // Calls visit(elem) for each element from the lowest layer up. Elements made or freed on the
  // way (by visit or anything it calls) shift none out of turn: each one there at the start is
  // visited once unless freed before its turn, and one made on the way is visited when it lies
  // above the one being visited.
  template <typename Visit>
  void WalkElems(Visit visit);
  // Updates every element, lowest layer first.
  void UpdateElems(int64_t now);
  // Draws every visible element that was there when the changes were taken and may touch the
  // rectangle composed, lowest layer first; restless ones are drawn wherever they are.
  void DrawElems(const QRect& composed);
  // Frees the elements that ended; their reports may make, end or free others.
  void FreeEnded();
  // The part of the frame that differs from the one composed last; every element's look (as
  // surveyed) is taken as composed from here on. restless tells whether any element must be
  // drawn anyway.
  QRegion TakeChanges(bool& restless);
  // area is in background pixels.
  void BackgroundChanged(const QRect& area);
  // True when the background's pixels are the frame's; one of another size is stretched over it.
  bool BackgroundFitsFrame() const { return background_.size() == QSize(width_, height_); }
  // Ends the background painter for direct pixel work and reopens it afterwards.
  template <typename Work>
  void EditBackgroundPixels(Work work);

  TFramePresenter* window_;
  bool closing_ = false;
  int32_t width_, height_, left_, top_;
  int64_t frequency_;
  std::string backgroundFile_;
  QImage backBuffer_;
  QImage background_;
  QImage saved_;
  std::unique_ptr<QPainter> backPainter_;
  std::unique_ptr<QPainter> backgroundPainter_;
  QPainter* target_ = nullptr;
  // Highest layer first.
  std::vector<TDSPElem*> elems_;
  // While WalkElems runs: the position in elems_ of the next element it visits.
  bool walking_ = false;
  int next_ = 0;
  // Ended, to be freed once the frame is out; still in elems_ until then.
  std::vector<TDSPElem*> ended_;
  // Changes not tied to a present element: freed elements, background edits. The first frame
  // is composed whole.
  QRegion changed_;
  // Each element's look in this frame, in the order of elems_, taken by SurveyChanges.
  std::vector<TDSPLook> looks_;
  // Ticks slow changes may wait since the last frame composed (0: none), and when that was.
  int64_t slowWait_ = 0;
  int64_t lastComposed_ = 0;
  bool composedOnce_ = false;
  bool fullRate_ = true;
  bool behind_ = false;
};

// Base of every display element. Registers with its surface on creation and unregisters on
// destruction. Some kinds end themselves in their own Draw (their effect is over): the surface
// frees them once that frame is out, so a frame is drawn with the elements it began with, and
// whatever their end reports make or free shows from the next frame on. A creator must not
// free those again once their end is reported.
class TDSPElem {
 public:
  TDSPElem(TDSP* dsp, int32_t layer, bool visible = true);
  virtual ~TDSPElem();
  TDSPElem(const TDSPElem&) = delete;
  TDSPElem& operator=(const TDSPElem&) = delete;

  // Advances the element's animation to the clock reading now (ticks).
  virtual void Update(int64_t now) = 0;
  // Paints the element on DSP->Canvas().
  virtual void Draw() = 0;
  // How the element would show if drawn now (whether Visible or not). Kinds that do not say
  // are redrawn, with everything else, every frame.
  virtual TDSPLook Look() const;
  // The pixels that may differ between two of its looks: both areas, unless the kind knows
  // better.
  virtual QRegion Difference(const TDSPLook& before, const TDSPLook& now) const;
  // True when the change from one look to the other is slow: a small step of something that
  // changes little and often (a ring running down, a long fade, a slow blink), which may show
  // up to a slow frame late. Never for a move or anything the player does. Kinds that do not
  // say show every change at once.
  virtual bool SlowChange(const TDSPLook& before, const TDSPLook& now) const;

  int32_t Layer;
  TDSP* DSP;
  float X = 0;
  float Y = 0;
  bool Visible;

 protected:
  // Has the surface free the element at the end of the frame being rendered (or of the next,
  // when called outside one).
  void End() { DSP->EndElem(this); }

 private:
  friend class TDSP;
  // The look in the frame last composed; not yet composed before the first.
  TDSPLook shownLook_;
  bool shown_ = false;
};
