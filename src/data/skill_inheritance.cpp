// The inheritance table by skill number, built at compile time from the generated rows.
#include "data/skill_inheritance.h"

#include <array>

#include "data/compendium.h"
#include "data/skill_inheritance.generated.h"

namespace qmoor {
namespace {

constexpr auto BySkill = [] {
  std::array<SkillInheritance, SkillNumberTotal> table{};
  for (const InheritanceRow& row : InheritanceRows) table[row.skill] = {row.mark, row.inheritable};
  return table;
}();

}  // namespace

SkillInheritance skillInheritance(int skill) {
  if (skill < 0 || skill >= SkillNumberTotal) return {};
  return BySkill[skill];
}

bool hasMark(DemonRef demon, int mark) {
  if (mark < 0 || mark >= MarkTotal || !isOccupied(demon)) return false;
  return cell(markColumn(mark), demon) != "　";
}

bool canInherit(DemonRef demon, int skill) {
  const SkillInheritance rule = skillInheritance(skill);
  return rule.inheritable && isOccupied(demon) && (rule.mark == AnyDemon || hasMark(demon, rule.mark));
}

}  // namespace qmoor
