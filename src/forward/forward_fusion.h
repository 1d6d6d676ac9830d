// Forward fusion: what a pair of demons makes by normal, phase and spirit
// fusion at the materials' levels, every partner of one demon, and the
// special recipes that name it. A result is made at its own base level.
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
struct AtLevel {  // a material at its current level
  DemonRef demon;
  int level = 0;
};

// Same-race pairs, two spirits, 御魂, demons outside the roster and a level
// outside the demon's range (levelInRange) make nothing. Only normal fusion
// depends on the levels, through their sum.
FusionOutcome fuseAtLevels(AtLevel a, AtLevel b, bool curse);
FusionOutcome fuse(DemonRef a, DemonRef b, bool curse);  // both at their base level

struct Partnership {
  DemonRef partner;  // at its base level
  FusionOutcome outcome;
};
// Every partner that makes something with the material, in partner race/slot order.
std::vector<Partnership> partnersAtLevel(AtLevel material, bool curse);
std::vector<Partnership> partners(DemonRef material, bool curse);  // the material at its base level
// The special demons whose named materials include it (race/slot order); their
// lines via recipeLines() of data/recipes.h.
std::vector<DemonRef> specialsNaming(DemonRef material);

}  // namespace qmoor
