#pragma once
// A point moving diagonally at a steady speed on each axis that bounces off the edges of a
// room, staying inside it: the motion of a bouncing picture and of a box on the field.

#include <cstdint>

struct TBounceMotion {
  float X = 0;
  float Y = 0;
  // -1 or 1 on each axis.
  int32_t DirX = 1;
  int32_t DirY = 1;
  // Pixels per second on each axis.
  float Speed = 0;

  // -1 or 1, one draw of the game's generator.
  static int32_t RandomDirection();

  // Moves by the elapsed time and keeps the point within 0..rightmost, 0..lowest; true when a
  // wall turned it.
  bool Move(double seconds, float rightmost, float lowest) {
    const float distance = static_cast<float>(seconds * Speed);
    X += static_cast<float>(DirX) * distance;
    Y += static_cast<float>(DirY) * distance;
    bool hit = false;
    if (X < 0 || X > rightmost) {
      DirX = -DirX;
      X = X < 0 ? 0 : rightmost;
      hit = true;
    }
    if (Y < 0 || Y > lowest) {
      DirY = -DirY;
      Y = Y < 0 ? 0 : lowest;
      hit = true;
    }
    return hit;
  }
};
