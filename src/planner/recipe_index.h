// The fusions that make each demon, by the rules of the reverse listing with
// no filter but CURSE, gathered once per CURSE setting for the route search.
#pragma once

#include <vector>

#include "data/types.h"
#include "planner/plan.h"

namespace qmoor {

struct MaterialFusion {
  DemonRef first;
  DemonRef second;  // the spirit of a spirit fusion
  FusionKind kind = FusionKind::Normal;
};

// Every fusion that makes the demon: normal and spirit fusions for a normal
// demon, phase fusions for race 31, none for a special demon. Built on first
// use, constant afterwards, safe to read from any thread.
const std::vector<MaterialFusion>& fusionsMaking(DemonRef demon, bool curse);

}  // namespace qmoor
