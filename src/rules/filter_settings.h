// The settings under which the fusion rules are evaluated, gathered from the
// form once per operation and passed with every call.
#pragma once

#include "data/types.h"

namespace qmoor {

// The two skill conditions: while one is on, a pair of materials qualifies
// only when one of the two carries its skill.
struct SkillConditions {
  bool on1 = false;
  bool on2 = false;
  int skill1 = SkillSentinel;
  int skill2 = SkillSentinel;
  bool accepts(DemonRef a, DemonRef b) const;
};

struct FilterSettings {
  bool curse = false;
  bool neutral = false;
  int materialRaceChoice = 0;  // 0 = no restriction, k = race k - 1
  int cap = 99;                // the cap in effect: LevelCap while a limit is ticked, else 99
  SkillConditions skills;
};

}  // namespace qmoor
