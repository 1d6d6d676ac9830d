// Forward fusion: what a pair of demons makes by normal, phase and spirit
// fusion, every partner of one demon, and the special recipes that name it.
#pragma once

#include <optional>
#include <vector>

#include "data/types.h"

namespace qmoor {

struct FusionOutcome {             // what one pair of demons makes
  std::optional<DemonRef> normal;  // normal fusion
  std::vector<DemonRef> phase;     // race-31 demons made at their moon phase, slot order
  std::optional<DemonRef> spirit;  // spirit fusion
  bool makesSomething() const;
};
// Same-race pairs, two spirits, 御魂 and demons outside the roster make nothing.
FusionOutcome fuse(DemonRef a, DemonRef b, bool curse);

struct Partnership {
  DemonRef partner;
  FusionOutcome outcome;
};
// Every partner that makes something with the material, in partner race/slot order.
std::vector<Partnership> partners(DemonRef material, bool curse);
// The special demons whose named materials include it (race/slot order); their
// lines via recipeLines() of data/recipes.h.
std::vector<DemonRef> specialsNaming(DemonRef material);

}  // namespace qmoor
