// What a demon can hold at a level, and the one check of an entry of my
// demons against it: a reason code for the first rule the entry breaks.
#pragma once

#include <vector>

#include "data/types.h"
#include "stock/my_demon.h"

namespace qmoor {

// The skills a demon has innately (its first list; "？" is none of them).
std::vector<int> innateSkills(DemonRef demon);
// The skills of its second list it has learned by levelling to the level, in list order.
std::vector<int> learnedUpTo(DemonRef demon, int level);
// Whether the demon at the level can hold the skill: a skill of its first
// list, one of its second list learned at or below the level, or one it may
// inherit. Never "？" or an evolution entry.
bool canHold(DemonRef demon, int level, int skill);
// Every skill canHold admits, in catalogue number order.
std::vector<int> holdableSkills(DemonRef demon, int level);
// What the demon holds when raised to the level without a choice made: its
// innate skills, then what it learned, the first MostSkillsHeld of them.
std::vector<int> skillsAtLevel(DemonRef demon, int level);

enum class EntryProblem {
  None,
  Unreadable,        // not an object of race, slot, level and skills
  UnknownDemon,      // race/slot names no demon
  LevelOutOfRange,   // below the demon's base level or above MaxLevel
  TooManySkills,     // more than MostSkillsHeld
  UnknownSkill,      // a number that names no skill of the catalogue
  NotASkill,         // "？" or an evolution entry
  RepeatedSkill,     // the same skill twice
  CannotHold,        // a skill the demon cannot hold at its level
};

struct EntryCheck {
  EntryProblem problem = EntryProblem::None;
  int skill = 0;  // the skill at fault for the last four problems
  friend bool operator==(const EntryCheck&, const EntryCheck&) = default;
};

// The first rule the entry breaks, in the order of EntryProblem.
EntryCheck checkEntry(const MyDemon& entry);

// Where the entries that break no rule stand in the list, in list order: the
// entries fusion and plans take.
std::vector<int> entriesWithoutProblem(const std::vector<MyDemon>& entries);

}  // namespace qmoor
