// What a demon made by fusion inherits from its two materials as they are:
// how many skills pass and the pool they are drawn from.
#pragma once

#include <span>
#include <vector>

#include "data/types.h"

namespace qmoor {

inline constexpr int MostSkillsHeld = 8;

// How many skills pass from materials holding totalSkills between them,
// before the pool and the result's free slots limit it: ⌊(total + 2.7) / 3.7⌋.
int passingCount(int totalSkills);

struct Inheritance {
  int count = 0;          // how many skills the result inherits
  std::vector<int> pool;  // the skills it may inherit: the first material's in its order, then the second's
};

// The pool holds each skill of the materials that the result may inherit and
// does not hold innately, once; the count is the passing count, limited by the
// pool and by the slots the result's innate skills leave free.
Inheritance inheritance(std::span<const int> skillsA, std::span<const int> skillsB, DemonRef result);

}  // namespace qmoor
