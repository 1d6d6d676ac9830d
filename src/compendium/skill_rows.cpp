// Sorting and filtering of the skill table's rows.
#include "compendium/skill_rows.h"

#include <algorithm>
#include <array>

#include "compendium/name_match.h"

namespace qmoor {
namespace {

bool isRowIndex(int row) { return row >= 0 && row < skillRowTotal(); }

// Orders by kind, then amount: none first.
template <class Measure>
int measureKey(Measure measure) {
  return static_cast<int>(measure.kind) * 1000 + measure.amount;
}

// Needs no mark, then 口 .. 会, then not inheritable.
int markKey(SkillInheritance rule) { return rule.inheritable ? rule.mark + 1 : MarkTotal + 1; }

int sortKey(int row, SkillColumn column, Language language) {
  const SkillDetails& details = skillRowDetails(row);
  switch (column) {
    case SkillColumn::Number:
      return details.skill;
    case SkillColumn::Name:
      return namePositionOf(details.skill, language);
    case SkillColumn::Kind:
      return static_cast<int>(details.kind);
    case SkillColumn::Element:
      return static_cast<int>(details.element);
    case SkillColumn::Cost:
      return measureKey(details.cost);
    case SkillColumn::Target:
      return static_cast<int>(details.target);
    case SkillColumn::Power:
      return measureKey(details.power);
    case SkillColumn::Mark:
      return markKey(skillRowInheritance(row));
  }
  return 0;
}

bool passes(int row, const SkillFilter& filter) {
  const SkillDetails& details = skillRowDetails(row);
  const SkillInheritance rule = skillRowInheritance(row);
  if (filter.kind && details.kind != *filter.kind) return false;
  if (filter.element && details.element != *filter.element) return false;
  if (filter.inheritable && rule.inheritable != *filter.inheritable) return false;
  if (filter.mark && !(rule.inheritable && rule.mark == *filter.mark)) return false;
  return filter.nameText.empty() || nameContains(skillName(details.skill, Language::Japanese), filter.nameText) ||
         nameContains(skillName(details.skill, Language::English), filter.nameText);
}

}  // namespace

int skillRowTotal() { return static_cast<int>(skillTable().size()); }

const SkillDetails& skillRowDetails(int row) { return skillTable()[static_cast<std::size_t>(row)]; }

SkillInheritance skillRowInheritance(int row) { return skillInheritance(skillRowDetails(row).skill); }

int skillRowOf(int skill) {
  const SkillDetails* details = skillDetails(skill);
  return details ? static_cast<int>(details - skillTable().data()) : -1;
}

std::vector<int> sortSkillRows(std::vector<int> rows, SkillSortKey key, Language language) {
  std::erase_if(rows, [](int row) { return !isRowIndex(row); });
  std::vector<int> keys(static_cast<std::size_t>(skillRowTotal()));
  for (int row = 0; row < skillRowTotal(); ++row) keys[static_cast<std::size_t>(row)] = sortKey(row, key.column, language);
  std::sort(rows.begin(), rows.end(), [&](int x, int y) {
    const int kx = keys[static_cast<std::size_t>(x)];
    const int ky = keys[static_cast<std::size_t>(y)];
    if (kx != ky) return key.descending ? ky < kx : kx < ky;
    return x < y;
  });
  return rows;
}

std::vector<int> filterSkillRows(const SkillFilter& filter) {
  std::vector<int> rows;
  for (int row = 0; row < skillRowTotal(); ++row) {
    if (passes(row, filter)) rows.push_back(row);
  }
  return rows;
}

}  // namespace qmoor
