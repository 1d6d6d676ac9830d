// The skill table model: the holders of every skill read from the two skill
// lists (the k-th skill of a second list learned at base level + k), and the
// filters and sorts of the skill table.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compendium/skill_rows.h"
#include "data/compendium.h"
#include "data/skills.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

std::vector<int> skillsOfRows(const std::vector<int>& rows) {
  std::vector<int> skills;
  for (int row : rows) skills.push_back(skillRowDetails(row).skill);
  return skills;
}

std::vector<int> allRows() { return filterSkillRows({}); }

TEST(SkillHolders, EverySkillIsHeldAsTheSkillListsSay) {
  std::vector<std::vector<SkillHolder>> expected(SkillNumberTotal);
  for (const DemonRef demon : testing::allDemons()) {
    for (int skill : skillsOf(demon, SkillList::First)) {
      if (skill != 0) expected[skill].push_back({demon, std::nullopt});
    }
    const auto second = skillsOf(demon, SkillList::Second);
    for (std::size_t k = 0; k < second.size(); ++k) {
      if (second[k] != 0) expected[second[k]].push_back({demon, level(demon) + static_cast<int>(k) + 1});
    }
  }
  for (int row = 0; row < skillRowTotal(); ++row) {
    const int skill = skillRowDetails(row).skill;
    EXPECT_EQ(skillHolders(skill), expected[skill]) << "skill " << skill << " " << skillName(skill);
    EXPECT_FALSE(expected[skill].empty()) << "skill " << skill;
  }
}

TEST(SkillRows, FiltersKeepTheMatchingSkillsInCatalogueOrder) {
  // One call a row: GCC 12 misreads an array of filters, each holding a
  // string, as used before it is made, and warns in Release builds.
  const auto expect = [](const char* what, const SkillFilter& filter, std::size_t count, const std::vector<int>& first) {
    const std::vector<int> skills = skillsOfRows(filterSkillRows(filter));
    EXPECT_EQ(skills.size(), count) << what;
    ASSERT_GE(skills.size(), first.size()) << what;
    EXPECT_EQ(std::vector<int>(skills.begin(), skills.begin() + static_cast<long>(first.size())), first) << what;
    EXPECT_TRUE(std::is_sorted(skills.begin(), skills.end())) << what;
  };
  expect("everything", {}, 251, {1, 2, 3});
  expect("attack", {.kind = SkillKind::Attack}, 110, {1, 2, 3});
  expect("field", {.kind = SkillKind::Field}, 4, {73, 74, 75, 76});
  expect("passive fire", {.kind = SkillKind::Passive, .element = SkillElement::Fire}, 5, {203, 208, 218, 228, 233});
  expect("mark 口", {.mark = 0}, 7, {77, 81, 103});
  expect("needs no mark", {.mark = AnyDemon}, 159, {1, 2, 3});
  expect("not inheritable", {.inheritable = false}, 24, {80, 88, 94});
  expect("English name, any case", {.nameText = "AGIDYNE"}, 2, {3, 6});
  expect("Japanese name", {.nameText = "マハラギ"}, 3, {4, 5, 6});
  expect("nothing", {.kind = SkillKind::Talk, .element = SkillElement::Fire}, 0, {});
}

TEST(SkillRows, SortsByEachColumnWithTiesInCatalogueOrder) {
  const struct {
    SkillSortKey key;
    Language language;
    int first, last;
  } cases[] = {
      {{SkillColumn::Number, true}, Language::Japanese, 277, 1},
      {{SkillColumn::Name}, Language::English, skillNamed("Agi").value(), skillNamed("Zionga").value()},
      {{SkillColumn::Kind}, Language::Japanese, 1, 277},
      {{SkillColumn::Cost}, Language::Japanese, 189, 171},     // no cost first; 特攻 (HP 100%) last in number order
      {{SkillColumn::Cost, true}, Language::Japanese, 58, 277},  // ties stay in catalogue order
      {{SkillColumn::Power, true}, Language::Japanese, 45, 277},  // shares above figures, 100% first
      {{SkillColumn::Mark}, Language::Japanese, 1, 260},  // needs no mark first, not inheritable last
  };
  for (const auto& c : cases) {
    const std::vector<int> skills = skillsOfRows(sortSkillRows(allRows(), c.key, c.language));
    ASSERT_EQ(skills.size(), 251u);
    EXPECT_EQ(skills.front(), c.first) << static_cast<int>(c.key.column) << " " << c.key.descending;
    EXPECT_EQ(skills.back(), c.last) << static_cast<int>(c.key.column) << " " << c.key.descending;
  }
  EXPECT_EQ(sortSkillRows({-1, 0, 251, 1}, {}, Language::Japanese), (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace qmoor
