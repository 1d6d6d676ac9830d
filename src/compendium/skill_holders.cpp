// The demons that have a skill: innate in their first list, or learned by
// levelling at the level their second list gives.
#include <algorithm>

#include "compendium/skill_rows.h"
#include "data/skill_learning.h"
#include "data/skills.h"

namespace qmoor {

std::vector<SkillHolder> skillHolders(int skill) {
  std::vector<SkillHolder> found;
  for (const DemonRef demon : holders(skill)) {
    const auto innate = skillsOf(demon, SkillList::First);
    if (std::find(innate.begin(), innate.end(), skill) != innate.end()) {
      found.push_back({demon, std::nullopt});
    } else {
      found.push_back({demon, learnLevel(demon, skill)});
    }
  }
  return found;
}

}  // namespace qmoor
