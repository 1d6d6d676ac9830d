// The skill groups: both combos on one skill, holder lists, and the skill
// conditions narrowing the fusion answer.
#include "data/skills.h"
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using SkillSearch = ViewFixture;

TEST_F(SkillSearch, KanaComboFollowsKindComboAndBack) {
  run("select 1172 0");
  const int skill = kindOrderAt(1);
  EXPECT_EQ(combo(ControlId::Skill1KanaCombo).selection(), kanaPositionOf(skill) - 1);
  run("select 1182 0");
  EXPECT_EQ(combo(ControlId::Skill2KindCombo).selection(), kindPositionOf(kanaOrderAt(1)) - 1);
  EXPECT_EQ(combo(ControlId::Skill1KindCombo).selection(), 0);
}

TEST_F(SkillSearch, HoldersOfTheSkillAreListedWithTheirCount) {
  const int unique = kindPositionOf(172) - 1;  // ▲大地震, held by スカディ alone
  run("select 1172 " + std::to_string(unique));
  EXPECT_EQ(combo(ControlId::HolderCombo1).text(), "所持悪魔 ： 1体");
  EXPECT_EQ(list(ControlId::HolderList1).items(), std::vector<std::string>{holderLabel({3, 0})});
  run("select 1084 0");
  EXPECT_EQ(combo(ControlId::Material1Combo).text(), "スカディ");
  EXPECT_EQ(list(ControlId::Material1Skills2).item(3), "▲大地震");
  EXPECT_EQ(list(ControlId::MaterialList1).count(), 0);
}

TEST_F(SkillSearch, UntickedConditionDoesNotChangeTheAnswer) {
  choose({0, 2});
  const auto before = view.results().materialPairs;
  run("select 1172 5");
  EXPECT_EQ(view.results().materialPairs, before);
}

TEST_F(SkillSearch, TickedConditionsKeepOnlyPairsCarryingTheSkills) {
  choose({0, 2});
  const size_t all = view.results().materialPairs.size();
  const int skill = 195;  // 会心
  run("select 1172 " + std::to_string(kindPositionOf(skill) - 1) + "\nclick 1053");
  EXPECT_TRUE(checked(ControlId::Skill1Check));
  const auto& kept = view.results().materialPairs;
  EXPECT_LT(kept.size(), all);
  for (const MaterialPair& pair : kept) EXPECT_TRUE(holdsSkill(pair.first, skill) || holdsSkill(pair.second, skill));
  EXPECT_EQ(state().currentSlot, 2);
}

TEST_F(SkillSearch, ConditionWithoutASkillAdmitsNoPair) {
  choose({0, 2});
  combo(ControlId::Skill1KindCombo).setSelection(-1);
  view.notify(ControlId::Skill1KindCombo, Notification::SelectionChanged);
  EXPECT_EQ(combo(ControlId::Skill1KanaCombo).selection(), -1);
  run("click 1174");
  EXPECT_EQ(rows().rowCount(), 0);
  EXPECT_EQ(list(ControlId::RacePairList).count(), 0);
}

TEST_F(SkillSearch, RerunWithOnlyARaceChosenKeepsTheRace) {
  run("select 1005 5\nclick 1174");
  EXPECT_EQ(state().currentRace, 5);
  EXPECT_EQ(state().currentSlot, -1);
  EXPECT_FALSE(state().demonChosen);
  EXPECT_EQ(list(ControlId::DemonList).selection(), -1);
}

}  // namespace
}  // namespace qmoor::testing
