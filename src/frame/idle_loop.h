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

 private:
  void RunFrame();
  void ScheduleNext();

  QTimer timer_;
  std::function<void()> handler_;
  double cap_ = 60.0;
  std::chrono::steady_clock::time_point nextFrame_{};
};
