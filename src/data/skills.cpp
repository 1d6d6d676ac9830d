// Skill names and the two skill lists of each demon.
#include "data/skills.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/compendium_grid.h"
#include "data/races.h"
#include "data/skill_catalogue.h"

namespace qmoor {

std::string_view skillName(int skill) { return SkillNames[skill]; }

std::array<int, 6> skillsOf(DemonRef demon, SkillList list) {
  if (!isOccupied(demon)) return {};
  const SkillLists& lists = SkillGrid[demon.race][demon.slot];
  return list == SkillList::First ? lists.first : lists.second;
}

bool holdsSkill(DemonRef demon, int skill) {
  if (skill == 0 || skill == SkillSentinel || !isOccupied(demon)) return false;
  const SkillLists& lists = SkillGrid[demon.race][demon.slot];
  return std::ranges::find(lists.first, skill) != lists.first.end() ||
         std::ranges::find(lists.second, skill) != lists.second.end();
}

std::vector<DemonRef> holders(int skill) {
  std::vector<DemonRef> found;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      if (holdsSkill({race, slot}, skill)) found.push_back({race, slot});
    }
  }
  return found;
}

}  // namespace qmoor
