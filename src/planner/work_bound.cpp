// The route search's bound on work: see work_bound.h.
#include "planner/work_bound.h"

#include <ctime>

namespace qmoor::detail {
namespace {

// Asks between two readings of the clock: a reading is a system call, an ask
// in the search's inner loops a few nanoseconds of other work.
constexpr int AsksPerReading = 256;

}  // namespace

// The thread's clock where the system keeps one, else the process's.
double threadSeconds() {
  timespec now{};
  if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

WorkBound::WorkBound(double seconds, std::size_t bytes)
    : seconds_(seconds), bytes_(bytes), start_(threadSeconds()), deadline_(start_ + seconds) {}

void WorkBound::limitToShare(double share) { deadline_ = start_ + seconds_ * share; }

bool WorkBound::exceeded(std::size_t bytesHeld) {
  if (!bounded()) return false;
  if (bytesHeld > bytes_) return true;
  if (++asksSinceClock_ < AsksPerReading) return false;
  asksSinceClock_ = 0;
  return threadSeconds() > deadline_;
}

double WorkBound::secondsUsed() const { return threadSeconds() - start_; }

}  // namespace qmoor::detail
