// The material panels: choosing a race pair, a material, a row of material
// pairs, and the selected total level.
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using Panels = ViewFixture;

TEST_F(Panels, ChoosingARacePairFillsBothMaterialLists) {
  choose({0, 2});
  run("select 1001 0");
  const RacePair pair = view.results().racePairs[0];
  EXPECT_EQ(list(ControlId::MaterialList1).count(), raceCount(pair.first));
  EXPECT_EQ(list(ControlId::MaterialList2).count(), raceCount(pair.second));
  EXPECT_EQ(list(ControlId::MaterialList1).item(0), materialLabel({pair.first, 0}));
  for (const MaterialPair& row : view.results().materialPairs) {
    EXPECT_EQ(row.first.race, pair.first);
    EXPECT_EQ(row.second.race, pair.second);
  }
  EXPECT_EQ(list(ControlId::Material1Skills1).count(), 0);
}

TEST_F(Panels, SelectedTotalAddsTheChosenMaterials) {
  choose({0, 2});
  run("select 1001 0");
  run("select 1087 0");
  const int first = level({state().materialRace1, 0});
  EXPECT_EQ(text(ControlId::SelectedTotalEdit), std::to_string(first));
  run("select 1088 0");
  EXPECT_EQ(text(ControlId::SelectedTotalEdit), std::to_string(first + level({state().materialRace2, 0})));
  EXPECT_EQ(list(ControlId::MaterialList2).selection(), 0);
}

TEST_F(Panels, PickingARowShowsBothMaterials) {
  choose({0, 2});
  run("row 1116 1");
  const MaterialPair pair = view.results().materialPairs[1];
  EXPECT_EQ(state().pickedRow, 1);
  EXPECT_EQ(rows().hotRow(), 1);
  EXPECT_TRUE(state().materialPairPicked);
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), pair.first.slot);
  EXPECT_EQ(list(ControlId::MaterialList2).selection(), pair.second.slot);
  EXPECT_EQ(text(ControlId::SelectedTotalEdit), std::to_string(level(pair.first) + level(pair.second)));
  EXPECT_EQ(list(ControlId::Material1Skills1).count(), 6);
  EXPECT_EQ(rows().rowCount(), static_cast<int>(view.results().materialPairs.size()));
}

TEST_F(Panels, ClickOffAnyRowReappliesTheLastPick) {
  choose({0, 2});
  run("row 1116 2\nselect 1087 0\nrow 1116 -1");
  const MaterialPair pair = view.results().materialPairs[2];
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), pair.first.slot);
}

TEST_F(Panels, ClickOffAnyRowWithoutAPickChangesNothing) {
  choose({0, 2});
  run("row 1116 -1");
  EXPECT_EQ(state().pickedRow, -1);
  EXPECT_FALSE(state().materialPairPicked);
  EXPECT_EQ(list(ControlId::MaterialList1).count(), 0);
  // A pick whose row is gone after a new listing is not applied either.
  run("row 1116 5");
  choose({7, 8});  // ピクシー lists fewer rows than オーディン
  ASSERT_LE(rows().rowCount(), 5);
  run("row 1116 -1");
  EXPECT_FALSE(state().materialPairPicked);
}

TEST_F(Panels, SpiritLineFillsTheSecondListWithSpirits) {
  choose({6, 5});  // ディース
  const int line = list(ControlId::RacePairList).count() - 1;
  run("select 1001 " + std::to_string(line));
  EXPECT_EQ(text(ControlId::Material2RaceEdit), std::string(raceName(SpiritRace)));
  EXPECT_EQ(list(ControlId::MaterialList2).count(), 4);
  for (const MaterialPair& row : view.results().materialPairs) EXPECT_EQ(row.second.race, SpiritRace);
  EXPECT_FALSE(view.results().materialPairs.empty());
}

TEST_F(Panels, DetailShowsSixSkillRowsAListAndTheStatistics) {
  choose({7, 8});  // ピクシー: two first-list skills, evolution entry last in the second list
  const auto& first = list(ControlId::DetailSkills1).items();
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(first[0], "ディア");
  EXPECT_EQ(first[2], "");
  EXPECT_EQ(list(ControlId::DetailSkills2).item(4), "LV10妖精ハイピクシー");
  EXPECT_EQ(view.form().listView(ControlId::StatsView).cell(0, 2), " 3");
  EXPECT_EQ(view.form().listView(ControlId::MarksView).cell(0, 1), "羽");
  EXPECT_EQ(text(ControlId::DetailRaceEdit), std::string(raceName(7)));
}

}  // namespace
}  // namespace qmoor::testing
