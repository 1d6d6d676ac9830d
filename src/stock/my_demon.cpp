// A demon of mine at its base level.
#include "stock/my_demon.h"

#include "data/compendium.h"
#include "stock/holding_rule.h"

namespace qmoor {

MyDemon atBaseLevel(DemonRef demon) { return {demon, level(demon), innateSkills(demon), {}}; }

}  // namespace qmoor
