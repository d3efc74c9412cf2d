#pragma once
// Spans of play measured in shown frames, read after each frame with the clock's reading. A
// row clear lasts as long as its flash takes to fade in, and the laser's shot as long as its
// bolts take to build up, so the board moves on right after the frame that shows either one
// complete.

#include <cstdint>

// How long a row takes to clear, and how the laser's shot builds up.
inline constexpr float RowClearSeconds = 0.5f;
inline constexpr int32_t ShotBolts = 20;
inline constexpr int32_t ShotBoltsPerStep = 3;
inline constexpr double ShotStepSeconds = 0.1;

// Starts at the first frame after Start; done at the first later frame at which the span has
// passed (as a fade reaches full strength: the fraction, in single precision, reaches 1).
class TFadeClock {
 public:
  void Start() {
    running_ = true;
    started_ = false;
  }
  void Cancel() { running_ = false; }
  bool Running() const { return running_; }
  // True once, at the frame that ends the span.
  bool Frame(int64_t now, int64_t frequency, float seconds) {
    if (!running_) return false;
    if (!started_) {
      started_ = true;
      start_ = now;
      return false;
    }
    const double elapsed = frequency <= 0 ? 0 : static_cast<double>(now - start_) / static_cast<double>(frequency);
    if (!(static_cast<float>(elapsed / static_cast<double>(seconds)) >= 1.0f)) return false;
    running_ = false;
    return true;
  }

 private:
  bool running_ = false;
  bool started_ = false;
  int64_t start_ = 0;
};

// A step at the first frame and at every frame more than a step after the last; done at the
// frame whose step reaches the count.
class TBoltClock {
 public:
  void Start() {
    running_ = true;
    lastStep_ = 0;
    bolts_ = 0;
  }
  void Cancel() { running_ = false; }
  bool Running() const { return running_; }
  bool Frame(int64_t now, int64_t frequency) {
    if (!running_) return false;
    const double step = ShotStepSeconds * static_cast<double>(frequency);
    if (!(static_cast<double>(lastStep_) >= static_cast<double>(now) - step)) {
      lastStep_ = now;
      bolts_ += ShotBoltsPerStep;
    }
    if (bolts_ < ShotBolts) return false;
    running_ = false;
    return true;
  }

 private:
  bool running_ = false;
  int64_t lastStep_ = 0;
  int32_t bolts_ = 0;
};
