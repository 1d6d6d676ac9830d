// Sorting, filtering and the skill search over the compendium rows.
#include <algorithm>

#include "compendium/compendium_model.h"
#include "data/ascii_case.h"
#include "data/skills.h"

namespace qmoor {
namespace {

std::string_view nameOfRow(const CompendiumRow& row, const DemonNameOf& nameOf) {
  return nameOf ? nameOf(row.demon) : cell(Column::Name, row.demon);
}

bool isColumn(Column column) { return static_cast<int>(column) >= 0 && column < Column::Count; }

bool isTextColumn(Column column) { return column == Column::Name || column == Column::Inheritance; }

// The figure a numeric column sorts by; resistances by grade, marks carried above marks not.
int numericKey(const CompendiumRow& row, Column column) {
  const int c = static_cast<int>(column);
  const int firstResistance = static_cast<int>(Column::FirstResistance);
  const int firstMark = static_cast<int>(Column::FirstMark);
  if (c >= firstMark && c < firstMark + MarkTotal) return row.marks[static_cast<std::size_t>(c - firstMark)];
  if (c >= firstResistance && c < firstResistance + ResistanceTotal) {
    return static_cast<int>(row.resistances[static_cast<std::size_t>(c - firstResistance)]);
  }
  switch (column) {
    case Column::Level:
      return row.level;
    case Column::HP:
      return row.hp;
    case Column::MP:
      return row.mp;
    default:
      return row.stats[static_cast<std::size_t>(c - static_cast<int>(Column::Strength))];
  }
}

bool isRowIndex(int index) { return index >= 0 && index < static_cast<int>(compendiumRows().size()); }

// Orders row indices by their keys, equal keys by index, which is race/slot order.
template <class Key>
void sortByKeys(std::vector<int>& rows, const std::vector<Key>& keys, bool descending) {
  std::sort(rows.begin(), rows.end(), [&](int x, int y) {
    const Key& kx = keys[static_cast<std::size_t>(x)];
    const Key& ky = keys[static_cast<std::size_t>(y)];
    if (kx != ky) return descending ? ky < kx : kx < ky;
    return x < y;
  });
}

bool containsText(std::string_view name, std::string_view text) {
  return std::search(name.begin(), name.end(), text.begin(), text.end(),
                     [](char x, char y) { return lowerAscii(x) == lowerAscii(y); }) != name.end();
}

bool holds(const std::array<int, SkillListLength>& list, int skill) {
  return std::find(list.begin(), list.end(), skill) != list.end();
}

bool meetsResistance(const CompendiumRow& row, const ResistanceCondition& condition) {
  if (condition.resistance < 0 || condition.resistance >= ResistanceTotal) return false;
  return condition.accepted[static_cast<std::size_t>(row.resistances[static_cast<std::size_t>(condition.resistance)])];
}

bool passes(const CompendiumRow& row, const CompendiumFilter& filter, const DemonNameOf& nameOf) {
  if (filter.race && row.demon.race != *filter.race) return false;
  if (row.level < filter.minLevel || row.level > filter.maxLevel) return false;
  for (int k = 0; k < MarkTotal; ++k) {
    if (filter.requiredMarks[static_cast<std::size_t>(k)] && !row.marks[static_cast<std::size_t>(k)]) return false;
  }
  for (const ResistanceCondition& condition : filter.resistances) {
    if (!meetsResistance(row, condition)) return false;
  }
  if (!holdsAllSkills(row, filter.skills, filter.innateOnly)) return false;
  return filter.nameText.empty() || containsText(nameOfRow(row, nameOf), filter.nameText);
}

}  // namespace

std::vector<int> sortRows(std::vector<int> rows, SortKey key, const DemonNameOf& nameOf,
                          const SkillNameOf& skillNameOf) {
  std::erase_if(rows, [](int index) { return !isRowIndex(index); });
  const auto& all = compendiumRows();
  if (key.skills) {
    std::vector<std::vector<std::string_view>> names(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
      for (int skill : *key.skills == SkillList::First ? all[i].first : all[i].second) {
        if (skill != 0) names[i].push_back(skillNameOf ? skillNameOf(skill) : skillName(skill));
      }
    }
    sortByKeys(rows, names, key.descending);
  } else if (!key.column) {
    std::vector<int> races(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) races[i] = all[i].demon.race;
    sortByKeys(rows, races, key.descending);
  } else if (isTextColumn(*key.column)) {
    std::vector<std::string_view> texts(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) {
      texts[i] = *key.column == Column::Name ? nameOfRow(all[i], nameOf) : all[i].inheritance;
    }
    sortByKeys(rows, texts, key.descending);
  } else if (isColumn(*key.column)) {
    std::vector<int> figures(all.size());
    for (std::size_t i = 0; i < all.size(); ++i) figures[i] = numericKey(all[i], *key.column);
    sortByKeys(rows, figures, key.descending);
  }
  return rows;
}

std::vector<int> filterRows(const CompendiumFilter& filter, const DemonNameOf& nameOf) {
  const auto& all = compendiumRows();
  std::vector<int> rows;
  rows.reserve(all.size());
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (passes(all[i], filter, nameOf)) rows.push_back(static_cast<int>(i));
  }
  return rows;
}

bool holdsAllSkills(const CompendiumRow& row, const std::vector<int>& skills, bool innateOnly) {
  return std::all_of(skills.begin(), skills.end(), [&](int skill) {
    if (skillEntry(skill) == SkillEntry::None) return false;
    return holds(row.first, skill) || (!innateOnly && holds(row.second, skill));
  });
}

}  // namespace qmoor
