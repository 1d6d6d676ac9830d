// The fusions that make each demon at any levels of its materials, gathered
// once per CURSE setting for the route search.
#pragma once

#include <vector>

#include "data/types.h"
#include "planner/plan.h"

namespace qmoor {

inline constexpr int HighestLevel = 99;

struct MaterialFusion {
  DemonRef first;
  DemonRef second;  // the spirit of a spirit fusion
  FusionKind kind = FusionKind::Normal;
  // The materials' level sums that make the demon: a normal fusion's level
  // window; any sum for spirit and phase fusions, which ignore levels.
  int lowestSum = 0;
  int highestSum = 2 * HighestLevel;
};

// Every fusion that makes the demon: normal fusions of any two materials
// whose races the chart joins into its race and whose levels can reach its
// window, and spirit fusions, for a normal demon; phase fusions for race 31;
// none for a special demon. Built on first use, constant afterwards, safe to
// read from any thread.
const std::vector<MaterialFusion>& fusionsMaking(DemonRef demon, bool curse);

}  // namespace qmoor
