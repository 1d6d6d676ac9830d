// Choosing a demon: the recipe lines, the required level range, the preset
// materials of special demons, and the answer lists of normal ones.
#include "data/recipes.h"
#include "rules/fusion_rules.h"
#include "view_fixture.h"

namespace qmoor::testing {
namespace {

using Recipes = ViewFixture;

TEST_F(Recipes, RequiredTotalRangeFollowsTheDemon) {
  struct Case {
    DemonRef demon;
    const char* low;
    const char* high;
  };
  const Case cases[] = {
      {{0, 2}, "93", "128"},  {{0, 0}, "155", "999"}, {{0, 5}, "0", "74"},    {{2, 1}, "87", "999"},
      {{16, 5}, "0", "64"},   {{31, 0}, "0", "999"},  {{31, 8}, "0", "999"},  {{0, 3}, "---", "---"},
      {{26, 0}, "---", "---"}, {{0, 4}, "75", "92"},
  };
  for (const Case& c : cases) {
    choose(c.demon);
    EXPECT_EQ(text(ControlId::RequiredLowEdit), c.low) << resultLabel(c.demon);
    EXPECT_EQ(text(ControlId::RequiredHighEdit), c.high) << resultLabel(c.demon);
  }
}

TEST_F(Recipes, NormalDemonListsItsPairsAndDisablesTheRecipeList) {
  choose({7, 8});  // ピクシー
  EXPECT_EQ(list(ControlId::RecipeList).items(), std::vector<std::string>{"特殊合体情報　なし"});
  EXPECT_FALSE(enabled(ControlId::RecipeList));

  choose({0, 2});  // オーディン: every pair sums to 93..128
  ASSERT_GT(rows().rowCount(), 0);
  for (const MaterialPair& pair : view.results().materialPairs) {
    if (pair.second.race == SpiritRace) continue;  // spirit fusions step within the race
    const int sum = level(pair.first) + level(pair.second);
    EXPECT_GE(sum, 93);
    EXPECT_LE(sum, 128);
  }
  EXPECT_EQ(list(ControlId::RacePairList).selection(), -1);
  EXPECT_EQ(list(ControlId::MaterialList1).count(), 0);
  EXPECT_FALSE(enabled(ControlId::OpenMaterial1Button));
}

TEST_F(Recipes, TwoNamedMaterialsArePreset) {
  choose({0, 3});  // アマテラス
  const auto& lines = list(ControlId::RecipeList).items();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "特殊合体");
  EXPECT_EQ(lines[1], "LV45 鬼神 タケミカヅチ");
  EXPECT_EQ(lines[3], "");
  EXPECT_TRUE(enabled(ControlId::RecipeList));
  EXPECT_EQ(text(ControlId::Material1RaceEdit), std::string(raceName(4)));
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), 4);
  EXPECT_EQ(combo(ControlId::Material1Combo).text(), "45 タケミカヅチ");
  EXPECT_EQ(list(ControlId::MaterialList2).selection(), 1);
  EXPECT_EQ(combo(ControlId::Material2Combo).text(), "46 ヤタガラス");
  EXPECT_EQ(state().materialSel1, -1);
  EXPECT_EQ(state().materialSel2, -1);
  EXPECT_EQ(list(ControlId::RacePairList).count(), 0);
  EXPECT_EQ(rows().rowCount(), 0);
  EXPECT_EQ(text(ControlId::SelectedTotalEdit), "");
  EXPECT_TRUE(enabled(ControlId::OpenMaterial1Button));
  EXPECT_TRUE(enabled(ControlId::OpenMaterial2Button));
}

TEST_F(Recipes, OneNamedMaterialLeavesTheSecondPanelEmpty) {
  choose({3, 0});  // スカディ
  EXPECT_EQ(list(ControlId::MaterialList1).selection(), 0);
  EXPECT_EQ(combo(ControlId::Material1Combo).text(), "64 スカアハ");
  EXPECT_EQ(list(ControlId::MaterialList2).count(), 0);
  EXPECT_EQ(text(ControlId::Material2RaceEdit), "");
}

TEST_F(Recipes, SpiritsAndMitamaShowTheirLines) {
  choose({29, 0});  // フレイミーズ
  EXPECT_EQ(list(ControlId::RecipeList).item(0), "同種族合体");
  EXPECT_EQ(list(ControlId::MaterialList1).count(), 0);
  EXPECT_EQ(list(ControlId::RacePairList).count(), 0);

  choose({30, 0});  // サキミタマ
  EXPECT_EQ(list(ControlId::RacePairList).items(), std::vector<std::string>{"精霊　  x 精霊"});
  EXPECT_EQ(combo(ControlId::Material1Combo).text(), "20 フレイミーズ");
  EXPECT_EQ(combo(ControlId::Material2Combo).text(), "15 アクアンズ");
}

TEST_F(Recipes, PhaseDemonListsPairsOfItsResultRace) {
  choose({31, 0});  // トランペッター
  const auto& lines = list(ControlId::RecipeList).items();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "カグツチFULL時に");
  EXPECT_EQ(lines[1], "魔王になる組み合わせ");
  EXPECT_TRUE(enabled(ControlId::RecipeList));
  ASSERT_FALSE(view.results().racePairs.empty());
  for (const RacePair& pair : view.results().racePairs)
    EXPECT_EQ(fusionResult(pair.first, pair.second, false), 17) << racePairLine(pair.first, pair.second, Language::Japanese);
  choose({31, 8});  // マタドール
  EXPECT_EQ(list(ControlId::RecipeList).item(0), "カグツチSILENT～HALF時に");
}

TEST_F(Recipes, SpecialDemonKeepsTargetModeOnlyAfterADemon) {
  run("select 1002 1");  // ミトラ, a normal demon of race 0
  run("select 1002 3");  // アマテラス
  EXPECT_TRUE(state().demonChosen);
  run("select 1005 0\nselect 1002 3");
  EXPECT_FALSE(state().demonChosen);
}

TEST_F(Recipes, AutomaticLimitCapsEveryMaterial) {
  run("click 1017");
  choose({0, 4});  // アタバク, level 47
  EXPECT_EQ(state().LevelCap, 47);
  for (const MaterialPair& pair : view.results().materialPairs) {
    EXPECT_LE(level(pair.first), 47);
    EXPECT_LE(level(pair.second), 47);
  }
}

}  // namespace
}  // namespace qmoor::testing
