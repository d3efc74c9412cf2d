#pragma once
// Display elements that show pictures: stills, fades, frame strips, bouncing boxes, digit
// strings, the spinning star and plain text.
//
// Every element is heap-allocated: the constructor registers it with its surface, the
// destructor unregisters it, and the fading picture and the star end themselves in their own
// Draw (the surface frees them once that frame is out). Picture preparation (masks, tints, colour keys, the star's
// alpha) happens once at construction; a picture that fails to load is 0 x 0 and draws
// nothing.

#include <cstdint>
#include <memory>
#include <string>

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "display/dsp.h"
#include "display/element_time.h"
#include "display/picture.h"
#include "frame/bounce_motion.h"
#include "frame/events.h"

// A still picture with its top-left corner at (X, Y).
class TDSPE_Static : public TDSPElem {
 public:
  // A plain picture drawn at opacity alpha (clamped to 0..1).
  TDSPE_Static(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, float alpha);
  // As the plain picture, with every pixel of keyColor's red, green and blue made transparent.
  static TDSPE_Static* CreateKeyed(TDSP* dsp, int32_t layer, const std::string& fileName, float x,
                                   float y, float alpha, TARGB keyColor);
  // The picture with its alpha taken from the red component of the mask. Always opaque.
  static TDSPE_Static* CreateMasked(TDSP* dsp, int32_t layer, const std::string& pictureFile,
                                    const std::string& maskFile, float x, float y);
  // A solid colour (its own alpha ignored) shaped by the mask's red component, at (0, 0).
  static TDSPE_Static* CreateTinted(TDSP* dsp, int32_t layer, const std::string& maskFile, TARGB color);

  void Update(int64_t now) override;
  // Nothing while hidden, so a stage can keep a hidden element only for stamping.
  void Draw() override;
  TDSPLook Look() const override;

  // Opacity 0..1. Masked and tinted pictures read 0 and are drawn opaque all the same.
  float Alpha() const { return alpha_; }
  // Clamps to 0..1 (NaN counts as 0). Has a visible effect only on plain and keyed pictures.
  void SetAlpha(float value);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Keyed() const { return keyed_; }
  // The picture file given at creation (the mask file for a tinted picture).
  const std::string& FileName() const { return fileName_; }
  const QImage& Picture() const { return picture_; }

 protected:
  // Registers with the surface only: the descendant loads its picture next.
  TDSPE_Static(TDSP* dsp, int32_t layer);

  void LoadPlain(const std::string& fileName, float x, float y, float alpha);
  void LoadKeyed(const std::string& fileName, float x, float y, float alpha, TARGB keyColor);
  // A picture whose key colour is already transparent.
  void UseKeyed(QImage keyed, const std::string& fileName, float x, float y, float alpha);
  void LoadMasked(const std::string& pictureFile, const std::string& maskFile, float x, float y);
  void LoadTinted(const std::string& maskFile, TARGB color);

  // Copies the source rectangle of the picture, unscaled, with its top-left corner at target;
  // at the element's opacity when it has one (plain and keyed pictures).
  void DrawPart(const QRectF& source, const QPointF& target) const;
  // A look of the picture's part of the given size at (X, Y), told apart by detail (a frame,
  // a text) besides place and opacity.
  TDSPLook PartLook(qreal width, qreal height, double detail) const;

 private:
  void SetPicture(QImage picture, const std::string& fileName);
  void UseWithOpacity(QImage picture, const std::string& fileName, float x, float y, float alpha);

  QImage picture_;
  float alpha_ = 0;
  // Plain and keyed pictures carry an opacity; masked and tinted ones do not.
  bool hasOpacity_ = false;
  bool keyed_ = false;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::string fileName_;
};

// A picture (black transparent) that fades in or out once over Duration seconds, then frees
// itself and reports OnFinish(Tag) from its destructor. A fade of a second or more, or one made
// SlowFade, changes slowly (see TDSPElem::SlowChange).
class TDSPE_FlashBmp : public TDSPE_Static {
 public:
  TDSPE_FlashBmp(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, int32_t tag,
                 bool fadeIn, float duration);
  // The same with the picture of fileName already loaded and keyed (KeyedPicture), for fades
  // that follow one another.
  TDSPE_FlashBmp(TDSP* dsp, int32_t layer, QImage keyed, const std::string& fileName, float x, float y, int32_t tag,
                 bool fadeIn, float duration);
  ~TDSPE_FlashBmp() override;

  // The picture of fileName with its black made transparent, as a fade shows it.
  static QImage KeyedPicture(const std::string& fileName);

  void Update(int64_t now) override;
  // Ends the element (TDSPElem::End) on its last frame.
  void Draw() override;
  // Restless on its last frame: it ends in its Draw.
  TDSPLook Look() const override;
  // Only the opacity, of a slow fade.
  bool SlowChange(const TDSPLook& before, const TDSPLook& now) const override;

  bool FadeIn() const { return fadeIn_; }
  float Duration() const { return duration_; }
  // The fade has reached its end.
  bool Finished() const { return fadeIn_ ? Alpha() == 1 : Alpha() < 0.01f; }

  TEvent<int32_t> OnFinish;
  int32_t Tag;
  // A fade shorter than a second that may still show at the slow pace: one of a prompt that
  // keeps fading in and out, not an effect of something the player did.
  bool SlowFade = false;

 private:
  static constexpr int64_t kNotStarted = -1;
  int64_t start_ = kNotStarted;
  bool fadeIn_;
  float duration_;
};

// A number drawn from a strip of 11 cells "1234567890*", each CellWidth pixels wide.
class TDSPE_String : public TDSPE_Static {
 public:
  // A keyed strip at opacity alpha.
  TDSPE_String(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, float alpha,
               TARGB keyColor, int32_t cellWidth);
  static TDSPE_String* CreateMasked(TDSP* dsp, int32_t layer, const std::string& pictureFile,
                                    const std::string& maskFile, float x, float y, int32_t cellWidth);

  // The strip cell of a character; -1 for anything but a digit or '*'.
  static int32_t GlyphIndex(char character);

  // One cell per character from (X, Y) rightwards; a character without a cell leaves its place
  // empty.
  void Draw() override;
  TDSPLook Look() const override;

  int32_t CellWidth() const { return cellWidth_; }

  std::string Text;

 private:
  TDSPE_String(TDSP* dsp, int32_t layer, int32_t cellWidth);

  int32_t cellWidth_;
};

// A horizontal strip of equal frames, shown one after another, looping for ever.
class TDSPE_Animation : public TDSPE_Static {
 public:
  // A keyed strip (black transparent). A strip needs 1 <= frames <= its width; otherwise the
  // element shows nothing.
  TDSPE_Animation(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, int32_t frames,
                  int64_t interval);
  // A strip of solid colour shaped by the mask, at (0, 0).
  static TDSPE_Animation* CreateTinted(TDSP* dsp, int32_t layer, const std::string& maskFile, TARGB color,
                                       int32_t frames, int64_t interval);

  void Update(int64_t now) override;
  void Draw() override;
  TDSPLook Look() const override;
  // Only the frame, in the same place, of a strip shown at most the slow pace's frames a second
  // (a blink); a move is not slow.
  bool SlowChange(const TDSPLook& before, const TDSPLook& now) const override;

  int32_t Frame() const { return frame_; }
  int32_t FrameWidth() const { return frameWidth_; }
  int32_t FrameCount() const { return frameCount_; }
  int64_t Interval() const { return interval_; }

 protected:
  // At most one frame forward per call, once more than Interval ticks have passed.
  void StepFrame(int64_t now);
  // The next StepFrame only re-arms the frame clock.
  void RestartFrameClock() { lastStep_ = 0; }

 private:
  TDSPE_Animation(TDSP* dsp, int32_t layer);
  void SetUpFrames(int32_t frames, int64_t interval);

  int64_t lastStep_ = 0;
  int32_t frame_ = 0;
  int32_t frameWidth_ = 0;
  int32_t frameCount_ = 0;
  int64_t interval_ = 0;
};

// An animation that moves diagonally at Speed pixels per second on each axis and bounces off
// the edges of the surface, staying entirely inside it. Hidden or paused, it is frozen.
class TDSPE_Bounce : public TDSPE_Animation {
 public:
  // Sets off in a random direction.
  TDSPE_Bounce(TDSP* dsp, int32_t layer, const std::string& fileName, float x, float y, int32_t frames,
               int64_t interval, float speed);
  // Sets off in the motion's direction, from its position.
  TDSPE_Bounce(TDSP* dsp, int32_t layer, const std::string& fileName, int32_t frames, int64_t interval,
               const TBounceMotion& motion);

  void Update(int64_t now) override;

  void Pause() { paused_ = true; }
  // The next Update only re-arms the clocks, so the box does not jump by the paused time.
  void Resume();

  bool Paused() const { return paused_; }
  int32_t DirX() const { return motion_.DirX; }
  int32_t DirY() const { return motion_.DirY; }
  float Speed() const { return motion_.Speed; }
  // The highest left and top edges that keep the current frame inside the surface.
  float Rightmost() const;
  float Lowest() const;

  // After every move that changed the position; HitEdge when a wall turned the box.
  TEvent<TDSPE_Bounce*, bool> OnMove;
  // Free for the caller's use.
  int32_t Tag = -1;

 protected:
  // Takes the next position (X, Y) for the elapsed time; true when a wall turned the box. By
  // default the element's own motion.
  virtual bool Advance(double seconds);

 private:
  // Moves by the elapsed time; reports through OnMove. Returns false when OnMove freed the box.
  bool Move(double seconds);

  TBounceMotion motion_;
  TElementClock moveClock_;
  bool paused_ = false;
  // Expires with the box, so Update can tell whether OnMove freed it.
  std::shared_ptr<char> life_ = std::make_shared<char>();
};

// A star picture (white on black) that spins and shrinks, grows back and shrinks again, then
// frees itself and reports OnFinish from its destructor. About 0.54 s at most 100 steps a second.
class TDSPE_Startlight : public TDSPElem {
 public:
  // position is the top-left corner of the picture at full size.
  TDSPE_Startlight(TDSP* dsp, int32_t layer, const std::string& fileName, QPointF position);
  ~TDSPE_Startlight() override;

  // Ends the element (TDSPElem::End) on its last frame.
  void Update(int64_t now) override;
  void Draw() override;
  TDSPLook Look() const override;

  float Angle() const { return angle_; }
  float Scale() const { return scale_; }
  int32_t ZeroCount() const { return zeroCount_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  TNotifyEvent OnFinish;

 private:
  // The star at each step of its turn, made the first time a star of this picture takes it:
  // a sparkle comes every few seconds and goes through the same steps each time.
  struct TTurns;
  static std::shared_ptr<TTurns> TurnsOf(const std::string& fileName, const QImage& source);
  static QImage Turned(const QImage& source, float angle, float scale);

  void SetScale(float value);
  void RenderScratch();

  int64_t lastStep_ = 0;
  QImage source_;
  std::shared_ptr<TTurns> turns_;
  // The turned and shrunk star of the last step, drawn every frame.
  QImage scratch_;
  int32_t width_ = 0;
  int32_t height_ = 0;
  float angle_ = 0;
  float scale_ = 1;
  int32_t zeroCount_ = 0;
};

// A line of text whose box has its top-left corner at (X, Y).
class TDSPE_Text : public TDSPElem {
 public:
  // Font by family name, size in pixels, regular style.
  TDSPE_Text(TDSP* dsp, int32_t layer, const QString& fontName, int32_t size, TARGB color, const QString& text,
             float x, float y);

  void Update(int64_t now) override;
  void Draw() override;
  TDSPLook Look() const override;

  const QFont& Font() const { return font_; }
  TARGB Color() const { return color_; }
  int32_t Size() const { return size_; }

  QString Text;

 private:
  QFont font_;
  // Qt places text by its baseline; the box's top lies one ascent above it.
  qreal ascent_;
  TARGB color_;
  int32_t size_;
};
