#pragma once
// How often frames come: at most MostFrameRate a second, and while only slow things change
// (a ring running down, a long fade, a blink) as few as SlowFrameRate, which is also the pace
// a slow animation may step at without losing a step.

inline constexpr double MostFrameRate = 60;
inline constexpr double SlowFrameRate = 20;
