// The skill table as a table model: one row per selectable skill (its entry
// of the skill table and its inheritance rule), sorting and filtering that
// return row indices, and the demons that hold each skill.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/skill_details.h"
#include "data/skill_inheritance.h"
#include "data/types.h"
#include "names/names.h"

namespace qmoor {

// A row's index is its position in skillTable(), which is catalogue order.
int skillRowTotal();
const SkillDetails& skillRowDetails(int row);
SkillInheritance skillRowInheritance(int row);
int skillRowOf(int skill);  // -1 for a number that is no selectable skill

enum class SkillColumn { Number, Name, Kind, Element, Cost, Target, Power, Mark };

// Kinds, elements and targets by the table's order; costs and powers by
// their kind (none, then MP or a figure, then a share) and amount; names in
// the language's skill order; marks from "needs none" over 口 .. 会 to not
// inheritable. Equal rows keep catalogue order in both directions; numbers
// that are no row index are dropped.
struct SkillSortKey {
  SkillColumn column = SkillColumn::Number;
  bool descending = false;
};
std::vector<int> sortSkillRows(std::vector<int> rows, SkillSortKey key, Language language);

struct SkillFilter {
  std::optional<SkillKind> kind{};
  std::optional<SkillElement> element{};
  std::optional<int> mark{};         // 0..9, or AnyDemon: inheritable skills that need that mark (or none)
  std::optional<bool> inheritable{};
  std::string nameText{};            // held by the Japanese or the English name; empty accepts every name
};
// The indices of the rows that pass every condition, in catalogue order.
std::vector<int> filterSkillRows(const SkillFilter& filter);

// A demon that has a skill: innate (first list), or learned by levelling at a level.
struct SkillHolder {
  DemonRef demon;
  std::optional<int> learnLevel{};  // none: innate
  friend bool operator==(const SkillHolder&, const SkillHolder&) = default;
};
// Every demon holding the skill, in race/slot order.
std::vector<SkillHolder> skillHolders(int skill);

}  // namespace qmoor
