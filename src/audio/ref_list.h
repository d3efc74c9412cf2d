#pragma once
// An ordered list of objects it does not own; each object takes itself out when it ends.

#include <algorithm>
#include <cstdint>
#include <vector>

template <typename T>
class TRefList {
 public:
  void Add(T* item) { items_.push_back(item); }
  void Remove(T* item) { items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end()); }
  T* Items(int32_t index) const { return items_[index]; }
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }

 protected:
  std::vector<T*> items_;
};
