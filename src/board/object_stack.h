#pragma once
// A stack of object references that does not own them; Top is the index of the top entry
// (-1 when empty).

#include <cstdint>
#include <vector>

template <typename T>
class TObjectStack {
 public:
  T* Push(T* object) {
    items_.push_back(object);
    ++Top;
    return object;
  }

  T* Pop() {
    if (Top >= static_cast<int32_t>(items_.size())) Top = static_cast<int32_t>(items_.size()) - 1;
    if (Top < 0) return nullptr;
    T* object = items_[Top];
    items_.erase(items_.begin() + Top);
    --Top;
    return object;
  }

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }

  int32_t Top = -1;

 private:
  std::vector<T*> items_;
};
