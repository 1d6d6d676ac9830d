// The skill-condition test on a pair of materials.
#include "data/skills.h"
#include "rules/filter_settings.h"

namespace qmoor {
namespace {

// Skill numbers that stand for nothing, like the sentinel, are held by no demon.
bool eitherHolds(DemonRef a, DemonRef b, int skill) { return holdsSkill(a, skill) || holdsSkill(b, skill); }

}  // namespace

bool SkillConditions::accepts(DemonRef a, DemonRef b) const {
  return (!on1 || eitherHolds(a, b, skill1)) && (!on2 || eitherHolds(a, b, skill2));
}

}  // namespace qmoor
