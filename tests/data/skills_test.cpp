// The skill catalogue, each demon's two skill lists, the skill holders and the
// three selection orders.
#include "data/skills.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "data/compendium.h"
#include "data/recipes.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::bareRaceName;
using testing::describe;

constexpr int UnnamedSkill = 278;
constexpr int FirstEvolutionEntry = 287;
constexpr int LastEvolutionEntry = 310;

int listLength(const std::array<int, 6>& list) {
  return static_cast<int>(std::ranges::count_if(list, [](int skill) { return skill != 0; }));
}

bool inList(const std::array<int, 6>& list, int skill) { return std::ranges::find(list, skill) != list.end(); }

// Catalogue numbers that no demon holds; every other number 1..277 is held.
const std::set<int> UnheldCatalogueNumbers = {113, 133, 134, 135, 136, 137, 173, 174, 175, 176, 177, 178, 179,
                                              180, 181, 185, 186, 187, 188, 217, 246, 247, 248, 249, 250, 261};

std::set<int> selectableSkills() {
  std::set<int> skills;
  for (int skill = 1; skill < UnnamedSkill; ++skill) {
    if (!UnheldCatalogueNumbers.contains(skill)) skills.insert(skill);
  }
  return skills;
}

TEST(SkillGrid, ReproducesTheGivenRows) {
  const struct {
    DemonRef demon;
    std::array<int, 6> first, second;
    std::vector<std::string_view> firstNames, secondNames;
  } rows[] = {
      {{0, 0}, {114, 93, 98}, {79, 144, 96, 232},
       {"常世の祈り", "天罰", "ヘルズアイ"}, {"プロミネンス", "冥界破", "汚れ無き威光", "物理反射"}},
      {{1, 0}, {195, 24}, {236, 255, 92, 239, 87, 302},
       {"会心", "マハザンダイン"}, {"衝撃反射", "静天の契り", "裁きの雷火", "勝利のチャクラ", "真空刃", "LV74地母神スカディ"}},
      {{3, 0}, {278, 278, 278}, {37, 66, 235, 172},
       {"？", "？", "？"}, {"マカジャマオン", "マカカジャ", "電撃反射", "▲大地震"}},
      {{7, 8}, {43, 13}, {253, 61, 53, 85, 291},
       {"ディア", "ジオ"}, {"誘惑", "ラクンダ", "ポズムディ", "羽ばたき", "LV10妖精ハイピクシー"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("demon " + describe(row.demon));
    EXPECT_EQ(skillsOf(row.demon, SkillList::First), row.first);
    EXPECT_EQ(skillsOf(row.demon, SkillList::Second), row.second);
    for (std::size_t k = 0; k < 6; ++k) {
      EXPECT_EQ(skillName(row.first[k]), k < row.firstNames.size() ? row.firstNames[k] : "") << "first " << k;
      EXPECT_EQ(skillName(row.second[k]), k < row.secondNames.size() ? row.secondNames[k] : "") << "second " << k;
    }
  }
}

TEST(SkillGrid, ListsArePackedAndHoldNamedSkills) {
  for (DemonRef demon : allDemons()) {
    SCOPED_TRACE("demon " + describe(demon));
    for (SkillList list : {SkillList::First, SkillList::Second}) {
      const std::array<int, 6> skills = skillsOf(demon, list);
      const int length = listLength(skills);
      EXPECT_TRUE(length >= (list == SkillList::First ? 1 : 2)) << length;
      for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(skills[k] != 0, k < length) << "entry " << k;
        if (k < length) {
          EXPECT_FALSE(skillName(skills[k]).empty()) << "entry " << k << ": " << skills[k];
        }
        EXPECT_NE(skills[k], SkillSentinel);
      }
    }
    const std::array<int, 6> first = skillsOf(demon, SkillList::First);
    if (inList(first, UnnamedSkill)) {
      EXPECT_EQ(first, (std::array<int, 6>{UnnamedSkill, UnnamedSkill, UnnamedSkill}));
    }
    EXPECT_FALSE(inList(skillsOf(demon, SkillList::Second), UnnamedSkill));
  }
}

TEST(SkillGrid, HeldNumbersAreTheCatalogueUnnamedAndEvolutionEntries) {
  std::set<int> held;
  for (DemonRef demon : allDemons()) {
    for (SkillList list : {SkillList::First, SkillList::Second}) {
      for (int skill : skillsOf(demon, list)) {
        if (skill != 0) held.insert(skill);
      }
    }
  }
  std::set<int> expected = selectableSkills();
  expected.insert(UnnamedSkill);
  for (int entry = FirstEvolutionEntry; entry <= LastEvolutionEntry; ++entry) expected.insert(entry);
  EXPECT_EQ(held, expected);
}

// One rule says what a number stands for; the skill combos offer exactly the skills.
TEST(SkillEntries, ClassifyEveryNumberAsTheListsHoldIt) {
  const std::set<int> skills = selectableSkills();
  for (int number = -1; number <= SkillNumberTotal; ++number) {
    SCOPED_TRACE("number " + std::to_string(number));
    const SkillEntry expected = skills.contains(number)                                          ? SkillEntry::Skill
                                : number == UnnamedSkill                                         ? SkillEntry::Unnamed
                                : number >= FirstEvolutionEntry && number <= LastEvolutionEntry ? SkillEntry::Evolution
                                                                                                 : SkillEntry::None;
    EXPECT_EQ(skillEntry(number), expected);
    EXPECT_EQ(isSkill(number), kindPositionOf(number) > 0);
  }
}

TEST(SkillGrid, EvolutionEntriesCloseTheSecondListOfTheDemonThatEvolves) {
  std::set<int> entries;
  for (DemonRef target : allDemons()) {
    const std::optional<RecipeLines> lines = recipeLines(target);
    if (!lines || (*lines)[0] != "変化") continue;
    SCOPED_TRACE("evolution into " + describe(target));
    const DemonRef holder = originOf(target) == DemonOrigin::OneNamedMaterial ? recipeSource(target) : recipePair(target).first;
    const std::array<int, 6> second = skillsOf(holder, SkillList::Second);
    const int entry = second[listLength(second) - 1];
    ASSERT_TRUE(entry >= FirstEvolutionEntry && entry <= LastEvolutionEntry) << "last entry " << entry;
    std::string name(skillName(entry));
    if (name.starts_with("Lv")) name.replace(0, 2, "LV");
    EXPECT_EQ(name, "LV" + std::string(cell(Column::Level, target)) + std::string(bareRaceName(target.race)) +
                        std::string(cell(Column::Name, target)));
    EXPECT_EQ(holders(entry), std::vector<DemonRef>{holder});
    entries.insert(entry);
  }
  EXPECT_EQ(entries.size(), static_cast<std::size_t>(LastEvolutionEntry - FirstEvolutionEntry + 1));
}

TEST(SkillHolders, FollowRaceOrderAndMatchTheLists) {
  for (int skill = 0; skill < SkillNumberTotal; ++skill) {
    std::vector<DemonRef> expected;
    for (DemonRef demon : allDemons()) {
      const bool held = inList(skillsOf(demon, SkillList::First), skill) || inList(skillsOf(demon, SkillList::Second), skill);
      if (held && skill != 0) expected.push_back(demon);
    }
    EXPECT_EQ(holders(skill), expected) << "skill " << skill;
    for (DemonRef demon : allDemons()) {
      EXPECT_EQ(holdsSkill(demon, skill), std::ranges::find(expected, demon) != expected.end())
          << "skill " << skill << ", demon " << describe(demon);
    }
  }
}

TEST(SkillHolders, NoDemonHoldsTheSentinelOrNothing) {
  EXPECT_TRUE(holders(SkillSentinel).empty());
  EXPECT_TRUE(holders(0).empty());
  EXPECT_FALSE(holdsSkill({26, 1}, 0));
  EXPECT_FALSE(holdsSkill({7, 9}, 13));
  EXPECT_FALSE(holdsSkill({32, 0}, 13));
  EXPECT_TRUE(holdsSkill({7, 8}, 13));
}

TEST(SkillHolders, EverySelectableSkillHasHoldersAndMarkedSkillsHaveOne) {
  int marked = 0;
  for (int skill : selectableSkills()) {
    const std::size_t count = holders(skill).size();
    EXPECT_TRUE(count >= 1 && count <= 18) << "skill " << skill << " has " << count;
    if (skillName(skill).starts_with("▲")) {
      ++marked;
      EXPECT_EQ(count, 1u) << "skill " << skill;
    }
  }
  EXPECT_EQ(marked, 23);
}

struct SkillOrder {
  const char* name;
  std::function<int(int)> at;
  std::function<int(int)> positionOf;  // empty for the number order, which has no lookup
};

const SkillOrder SkillOrders[] = {
    {"kind order", kindOrderAt, kindPositionOf},
    {"kana order", kanaOrderAt, kanaPositionOf},
    {"number order", idOrderAt, {}},
};

TEST(SkillOrders, LeadWithTheSentinelAndOfferEverySelectableSkillOnce) {
  for (const SkillOrder& order : SkillOrders) {
    SCOPED_TRACE(order.name);
    EXPECT_EQ(order.at(0), SkillSentinel);
    std::set<int> offered;
    for (int position = 1; position < SkillOrderLength; ++position) {
      EXPECT_TRUE(offered.insert(order.at(position)).second) << "position " << position;
      if (order.positionOf) {
        EXPECT_EQ(order.positionOf(order.at(position)), position);
      }
    }
    EXPECT_EQ(offered, selectableSkills());
    if (order.positionOf) {
      EXPECT_EQ(order.positionOf(SkillSentinel), 0);
      for (int skill : {0, 113, UnnamedSkill, FirstEvolutionEntry, -1, SkillNumberTotal}) {
        EXPECT_EQ(order.positionOf(skill), -1) << "skill " << skill;
      }
    }
  }
}

TEST(SkillOrders, NumberOrderAscends) {
  for (int position = 2; position < SkillOrderLength; ++position) {
    EXPECT_LT(idOrderAt(position - 1), idOrderAt(position)) << "position " << position;
  }
}

TEST(SkillOrders, KindAndKanaCombosStayInStep) {
  constexpr int Agi = 1;
  EXPECT_EQ(kindPositionOf(Agi), 34);
  EXPECT_EQ(kanaPositionOf(Agi), 4);
  const int kindItem = 33;
  EXPECT_EQ(kanaPositionOf(kindOrderAt(kindItem + 1)) - 1, 3);
}

}  // namespace
}  // namespace qmoor
