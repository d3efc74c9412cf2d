#pragma once
// Events: a handler slot that fires only when something is assigned to it.

#include <functional>
#include <utility>

template <typename... Args>
class TEvent {
 public:
  using Handler = std::function<void(Args...)>;

  TEvent() = default;
  TEvent(Handler handler) : handler_(std::move(handler)) {}  // NOLINT: assignable like a field

  TEvent& operator=(Handler handler) {
    handler_ = std::move(handler);
    return *this;
  }
  TEvent& operator=(std::nullptr_t) {
    handler_ = nullptr;
    return *this;
  }

  bool Assigned() const { return static_cast<bool>(handler_); }
  explicit operator bool() const { return Assigned(); }
  void Clear() { handler_ = nullptr; }

  // The handler runs from a copy, so it may reassign or clear this very event (or free the
  // object that holds it) while it runs.
  void operator()(Args... args) const {
    if (!handler_) return;
    Handler call = handler_;
    call(std::forward<Args>(args)...);
  }

 private:
  Handler handler_;
};

using TNotifyEvent = TEvent<>;
