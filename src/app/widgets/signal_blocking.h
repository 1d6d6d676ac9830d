// SignalBlocking(widget)->setter(...): a programmatic update of a Qt object
// that raises none of its signals; the blocker lives to the end of the expression.
#pragma once

#include <QSignalBlocker>

namespace qmoor {

template <typename T>
class SignalBlocked {
 public:
  explicit SignalBlocked(T* object) : object_(object), blocker_(object) {}
  T* operator->() const { return object_; }

 private:
  T* object_;
  QSignalBlocker blocker_;
};

template <typename T>
SignalBlocked<T> SignalBlocking(T* object) {
  return SignalBlocked<T>(object);
}

}  // namespace qmoor
