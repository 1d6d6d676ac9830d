// Skill names, the two skill lists of each demon and the demons holding a skill.
#include "data/skills.h"

#include <cstdint>

#include "data/compendium.h"
#include "data/compendium_grid.generated.h"
#include "data/races.h"
#include "data/skill_catalogue.h"

namespace qmoor {
namespace {

// A demon's skills as one bit per skill number, so that holdsSkill is a single test.
class SkillSet {
 public:
  constexpr void add(int skill) { words_[skill / 64] |= std::uint64_t{1} << (skill % 64); }
  constexpr bool contains(int skill) const { return (words_[skill / 64] >> (skill % 64)) & 1; }

 private:
  std::array<std::uint64_t, (SkillNumberTotal + 63) / 64> words_{};
};

constexpr auto HeldSkills = [] {
  std::array<std::array<SkillSet, SlotsPerRace>, RaceTotal> held{};
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
      for (const auto& list : {SkillGrid[race][slot].first, SkillGrid[race][slot].second}) {
        for (int skill : list) {
          if (skill != 0) held[race][slot].add(skill);
        }
      }
    }
  }
  return held;
}();

}  // namespace

SkillEntry skillEntry(int skill) {
  if (skill <= 0 || skill >= SkillSentinel || SkillNames[skill].empty()) return SkillEntry::None;
  if (skill == UnnamedSkill) return SkillEntry::Unnamed;
  return skill >= FirstEvolutionEntry ? SkillEntry::Evolution : SkillEntry::Skill;
}

bool isSkill(int skill) { return skillEntry(skill) == SkillEntry::Skill; }

std::string_view skillName(int skill) { return SkillNames[skill]; }

std::array<int, 6> skillsOf(DemonRef demon, SkillList list) {
  if (!isOccupied(demon)) return {};
  const SkillLists& lists = SkillGrid[demon.race][demon.slot];
  return list == SkillList::First ? lists.first : lists.second;
}

bool holdsSkill(DemonRef demon, int skill) {
  if (skillEntry(skill) == SkillEntry::None || !isOccupied(demon)) return false;
  return HeldSkills[demon.race][demon.slot].contains(skill);
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
