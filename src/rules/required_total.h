// The range of material level sums a demon needs, as the form states it next
// to its recipes: 0 for no low bound and 999 for no high bound.
#pragma once

#include <optional>

#include "data/types.h"

namespace qmoor {

struct RequiredTotal {
  int low = 0;
  int high = 999;
  friend bool operator==(const RequiredTotal&, const RequiredTotal&) = default;
};

// None for a special demon (the form shows "---") and for an unoccupied slot.
std::optional<RequiredTotal> requiredTotal(DemonRef demon);

}  // namespace qmoor
