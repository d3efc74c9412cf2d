#pragma once
// The frame loop: calls one handler again and again from the event loop, the way an
// application idle handler is raised whenever no window message waits. Frames are paced to
// the screen's refresh rate, never more than 60 a second, so the game leaves most of a core
// idle; while only slow things change (the handler says so after each frame) the loop wakes at
// the slow pace, and anything the player does brings the full pace back at once.
// BRILLOR_UNCAPPED=1 in the environment gives back-to-back frames.

#include <cstdint>
#include <functional>

#include <QObject>
#include <QTimer>

#include "frame/frame_pace.h"
#include "frame/time_source.h"

class TIdleLoop : public QObject {
  Q_OBJECT
 public:
  // source paces the frames (its readings say when the next one is due).
  explicit TIdleLoop(TTimeSource& source = DefaultTimeSource(), QObject* parent = nullptr);

  // Points the loop at a handler and starts it at the full pace; an empty handler detaches it.
  void Attach(std::function<void()> handler);
  void Detach();
  bool Attached() const { return static_cast<bool>(handler_); }

  // Frames per second the loop never exceeds (0 = no cap), at most MostFrameRate. Defaults to
  // MostFrameRate unless BRILLOR_UNCAPPED=1.
  void SetFrameRateCap(double framesPerSecond);
  double FrameRateCap() const { return cap_; }

  // Called by the handler: after the frame running now, the next may wait for the slow pace
  // (resting) or not; a timer may then fire up to one slow frame late. A frame that does not
  // say is followed at the full pace.
  void SetResting(bool resting) { resting_ = resting; }
  // Something under the player's hand changed: the next frame comes as soon as the cap allows.
  void Hurry();

  // Runs one frame now (the timer calls it). A frame that throws still schedules the next one:
  // the error is shown by the application and the game goes on.
  void RunFrame();
  // True while the next frame is waiting on the timer.
  bool FramePending() const { return timer_.isActive(); }
  // The time source's reading at which the next frame is due.
  int64_t NextFrameDue() const { return nextFrame_; }

 private:
  // Counter ticks between frames at the given rate; 0 for none.
  int64_t Period(double framesPerSecond) const;
  // Plans the next frame at due (never before the cap allows) and sets the timer for it.
  void ScheduleAt(int64_t due);

  TTimeSource& source_;
  QTimer timer_;
  std::function<void()> handler_;
  double cap_ = MostFrameRate;
  bool resting_ = false;
  // When the last frame began and when the next one is due, in counter ticks.
  int64_t lastStart_ = 0;
  int64_t nextFrame_ = 0;
};
