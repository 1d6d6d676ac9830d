// The skill catalogue, each demon's two skill lists and the three fixed
// orders in which skills are offered.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "data/types.h"

namespace qmoor {

enum class SkillList { First, Second };

// What a skill number stands for: the one rule every module asks.
enum class SkillEntry {
  None,       // 0, the sentinel, the numbers no demon holds and any number outside 0..311
  Skill,      // a named skill: one of the 251 the skill combos offer
  Unnamed,    // "？", an initial skill the compendium does not name
  Evolution,  // the demon a holder evolves into, closing its second list
};
SkillEntry skillEntry(int skill);
bool isSkill(int skill);  // a named skill, nothing else

std::string_view skillName(int skill);  // 0..311
std::array<int, 6> skillsOf(DemonRef demon, SkillList list);  // packed, 0 for none
bool holdsSkill(DemonRef demon, int skill);  // false for SkillEntry::None
std::vector<DemonRef> holders(int skill);    // race order, then slot order

int kindOrderAt(int position);  // 0..251; position 0 is the sentinel 311
int kanaOrderAt(int position);
int idOrderAt(int position);
int kindPositionOf(int skill);  // -1 when the skill is not in the order
int kanaPositionOf(int skill);

}  // namespace qmoor
