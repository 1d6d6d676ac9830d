// The work a route search may do: processor time of the searching thread and
// an estimate of the memory its memos hold. The search asks often whether it
// is over either; the clock is read only every so many asks, so asking costs
// next to nothing in its inner loops.
#pragma once

#include <cstddef>

namespace qmoor::detail {

class WorkBound {
 public:
  // No bound at all when seconds is 0.
  WorkBound(double seconds, std::size_t bytes);

  // Lets the work run until `share` (0..1] of the bound has passed since the
  // start, so a first phase can leave the rest to a second.
  void limitToShare(double share);
  // Whether the work is past the time allowed so far, or `bytesHeld` past the memory.
  bool exceeded(std::size_t bytesHeld);
  bool bounded() const { return seconds_ > 0; }
  double secondsUsed() const;

 private:
  double seconds_ = 0;
  std::size_t bytes_ = 0;
  double start_ = 0;
  double deadline_ = 0;
  int asksSinceClock_ = 0;
};

// The processor time the calling thread has used, in seconds (the whole
// process's where the system keeps no clock per thread).
double threadSeconds();

}  // namespace qmoor::detail
