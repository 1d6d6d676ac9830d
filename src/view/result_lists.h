// The answer on screen: the lines of the race-pair list and the rows of the
// material-pair list, in the order the lists show them, and whose special
// recipe the recipe list shows.
#pragma once

#include <optional>
#include <vector>

#include "rules/pair_enumeration.h"

namespace qmoor {

struct ResultLists {
  std::vector<RacePair> racePairs;          // line i of the race-pair list
  std::vector<MaterialPair> materialPairs;  // row i of the material-pair list
  std::optional<DemonRef> recipeOf;         // none: the recipe list shows the no-recipe line
};

}  // namespace qmoor
