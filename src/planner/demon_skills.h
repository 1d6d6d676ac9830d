// What every demon holds, may inherit and learns, as skill sets indexed by
// demon number (race * 10 + slot), worked out once from the compendium for
// the route search.
#pragma once

#include <vector>

#include "data/types.h"
#include "planner/skill_bits.h"

namespace qmoor::detail {

inline constexpr int DemonIndexTotal = RaceTotal * SlotsPerRace;  // race * 10 + slot

int demonIndex(DemonRef demon);
DemonRef demonAt(int index);
SkillBits innateSkills(DemonRef demon);    // the first list, "？" left out
SkillBits receivableSkills(DemonRef demon);  // what it may inherit, its first list excepted
SkillBits learnableSkills(DemonRef demon, int from, int to);  // what it learns levelling from `from` to `to`

// A level of a demon's second list and the skills learned on reaching it.
struct LearnStep {
  int level = 0;
  SkillBits skills;
};
const std::vector<LearnStep>& learnSteps(int demon);  // ascending levels
SkillBits learnedIn(int demon, int from, int to);     // learn level in (from, to]

}  // namespace qmoor::detail
