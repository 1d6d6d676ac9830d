// The form right after start-up: the first demon chosen and shown, the fixed
// lists filled and the start values of every control.
#include "data/skills.h"
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using StartUp = ViewFixture;

TEST_F(StartUp, ShowsTheFirstDemonInTheOnlyTab) {
  EXPECT_EQ(tabLabels(), std::vector<std::string>{"ヴィシュヌ"});
  EXPECT_EQ(state().currentRace, 0);
  EXPECT_EQ(state().currentSlot, 0);
  EXPECT_TRUE(state().demonChosen);
  EXPECT_EQ(state().LevelCap, 50);
  EXPECT_EQ(state().pickedRow, -1);
  EXPECT_EQ(state().materialSel1, -1);
  EXPECT_EQ(state().materialSel2, -1);
  EXPECT_TRUE(state().limitEditArmed);
  EXPECT_EQ(text(ControlId::DetailNameEdit), "ヴィシュヌ");
  EXPECT_EQ(text(ControlId::RequiredLowEdit), "155");
  EXPECT_EQ(text(ControlId::RequiredHighEdit), "999");
  EXPECT_EQ(combo(ControlId::RaceCombo).selection(), 0);
  EXPECT_EQ(combo(ControlId::MaterialRaceCombo).text(), "指定なし");
  EXPECT_EQ(text(ControlId::LimitEdit), "50");
  EXPECT_EQ(view.form().upDown().position(), 50);
}

TEST_F(StartUp, PreselectsAgiInAllFourSkillCombos) {
  for (ControlId id : {ControlId::Skill1KindCombo, ControlId::Skill1KanaCombo, ControlId::Skill2KindCombo,
                       ControlId::Skill2KanaCombo}) {
    EXPECT_EQ(combo(id).text(), "アギ") << static_cast<int>(id);
    EXPECT_EQ(combo(id).count(), SelectableSkillTotal);
  }
  EXPECT_EQ(combo(ControlId::Skill1KindCombo).selection(), 33);
  EXPECT_EQ(combo(ControlId::Skill1KanaCombo).selection(), 3);
  const std::string holderText = "所持悪魔 ： " + std::to_string(holders(1).size()) + "体";
  EXPECT_EQ(combo(ControlId::HolderCombo1).text(), holderText);
  EXPECT_EQ(combo(ControlId::HolderCombo2).text(), holderText);
}

TEST_F(StartUp, LeavesOptionsUntickedAndTabButtonsDisabled) {
  for (ControlId id : {ControlId::AutoLimitCheck, ControlId::ManualLimitCheck, ControlId::NeutralCheck,
                       ControlId::ReverseCheck, ControlId::CurseCheck, ControlId::Skill1Check, ControlId::Skill2Check})
    EXPECT_FALSE(checked(id)) << static_cast<int>(id);
  for (ControlId id : {ControlId::MoveLeftButton, ControlId::MoveRightButton, ControlId::DeleteLeftButton,
                       ControlId::DeleteRightButton, ControlId::CloseTabButton})
    EXPECT_FALSE(enabled(id)) << static_cast<int>(id);
  EXPECT_TRUE(enabled(ControlId::OpenDetailButton));
}

TEST_F(StartUp, FillsBothDemonOrderings) {
  const ComboBox& byLevel = combo(ControlId::LevelOrderCombo);
  const ComboBox& byRace = combo(ControlId::RaceOrderCombo);
  ASSERT_EQ(byLevel.count(), DemonTotal);
  ASSERT_EQ(byRace.count(), DemonTotal);
  EXPECT_EQ(byLevel.item(0), "LV95 破壊神 シヴァ");
  EXPECT_EQ(byRace.item(0), "LV93 魔神    ヴィシュヌ");
  EXPECT_EQ(byRace.selection(), 0);
  EXPECT_EQ(byLevel.selection(), levelOrderIndexOf({0, 0}));
}

TEST_F(StartUp, SetsUpTheListViewColumns) {
  const auto& columns = rows().columns();
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].header, "素材悪魔1");
  EXPECT_EQ(columns[1].width, 120);
  EXPECT_TRUE(rows().fullRowSelect());
  EXPECT_EQ(view.form().listView(ControlId::StatsView).cell(0, 0), "708");
  EXPECT_EQ(view.form().listView(ControlId::InheritanceView).columns()[0].header, "継承");
}

}  // namespace
}  // namespace qmoor::testing
