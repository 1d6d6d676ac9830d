// Which skills a demon made by fusion may inherit: each skill's inheritance
// mark, and whether the skill passes on at all.
#pragma once

#include "data/types.h"

namespace qmoor {

inline constexpr int MarkTotal = 10;  // 口 羽 目 突 咬 爪 針 武 乙 会, the order of the mark columns
inline constexpr int AnyDemon = -1;   // the skill needs no mark

struct SkillInheritance {
  int mark = AnyDemon;       // 0..9, or AnyDemon
  bool inheritable = false;  // false for the "▲" skills, 湿った風 and every number that is not a selectable skill
};

SkillInheritance skillInheritance(int skill);  // any int; numbers outside 1..277 are not inheritable
bool hasMark(DemonRef demon, int mark);        // mark 0..9; false for an unoccupied demon
// Whether the demon, made by fusion, can receive the skill from a material.
bool canInherit(DemonRef demon, int skill);

}  // namespace qmoor
