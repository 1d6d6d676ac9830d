// What a demon learns by levelling: each skill of its second list with the
// level at which it is learned.
#pragma once

#include <span>

#include "data/types.h"

namespace qmoor {

struct LearnedSkill {
  int skill;
  int level;
};

// The demon's second list in its order with each skill's learn level; the
// evolution entry is not learned and is left out. Empty for an unoccupied demon.
std::span<const LearnedSkill> learnedSkills(DemonRef demon);
// The level at which the demon learns the skill by levelling, 0 when it does not.
int learnLevel(DemonRef demon, int skill);

}  // namespace qmoor
