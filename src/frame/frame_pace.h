#pragma once
// How often frames come: at most MostFrameRate a second, and while only slow things change
// (a ring running down, a long fade, a blink) as few as SlowFrameRate, which is also the pace
// a slow animation may step at without losing a step.

inline constexpr double MostFrameRate = 60;
inline constexpr double SlowFrameRate = 20;

// The least time between two steps of a slow animation, in seconds, at a slow pace of
// framesPerSecond: one slow frame, less half a frame at the full rate, so that a loop waking at
// the slow pace (a little early or late) takes a step every time.
inline constexpr double SlowStepSeconds(double framesPerSecond = SlowFrameRate) {
  return 1 / framesPerSecond - 0.5 / MostFrameRate;
}
