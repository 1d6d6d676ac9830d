// A demon written as "R/S", its zero-based race and slot: how qmoor takes a
// demon by number and how the planner's former list of owned demons was kept.
#pragma once

#include <optional>
#include <string_view>

#include "data/types.h"

namespace qmoor {

// A whole number and nothing else ("12", "-1"); nothing for any other text.
std::optional<int> wholeNumber(std::string_view text);

// Two whole numbers around one '/'; whether a demon sits there is the caller's question.
std::optional<DemonRef> raceSlotFrom(std::string_view text);

}  // namespace qmoor
