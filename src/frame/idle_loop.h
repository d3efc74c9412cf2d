#pragma once
// The frame loop: calls one handler again and again from the event loop, the way an
// application idle handler is raised whenever no window message waits. Frames are paced to
// the screen's refresh rate so the game leaves most of a core idle; BRILLOR_UNCAPPED=1 in the
// environment gives back-to-back frames.

#include <chrono>
#include <functional>

#include <QObject>
#include <QTimer>

class TIdleLoop : public QObject {
  Q_OBJECT
 public:
  explicit TIdleLoop(QObject* parent = nullptr);

  // Points the loop at a handler and starts it; an empty handler detaches it.
  void Attach(std::function<void()> handler);
  void Detach();
  bool Attached() const { return static_cast<bool>(handler_); }

  // Frames per second the loop never exceeds (0 = no cap). Defaults to 60 unless
  // BRILLOR_UNCAPPED=1.
  void SetFrameRateCap(double framesPerSecond);
  double FrameRateCap() const { return cap_; }

  // Runs one frame now (the timer calls it). A frame that throws still schedules the next one:
  // the error is shown by the application and the game goes on.
  void RunFrame();
  // True while the next frame is waiting on the timer.
  bool FramePending() const { return timer_.isActive(); }

 private:
  void ScheduleNext();

  QTimer timer_;
  std::function<void()> handler_;
  double cap_ = 60.0;
  std::chrono::steady_clock::time_point nextFrame_{};
};
