// Special recipes: named demons of every special demon, and recipe lines that
// agree with them, the moon-phase races and the exact stored texts.
#include "data/recipes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "data/compendium.h"
#include "data/races.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::bareRaceName;
using testing::describe;

// The recipe texts spell one name differently from the roster.
std::string_view spelledInRecipes(std::string_view name) { return name == "プルキシ" ? "プルシキ" : name; }

bool mentions(std::string_view line, DemonRef demon) {
  return line.find(spelledInRecipes(cell(Column::Name, demon))) != std::string_view::npos;
}

TEST(SpecialRecipes, NameOccupiedDemonsForEveryMarkedDemon) {
  for (DemonRef demon : allDemons()) {
    SCOPED_TRACE("demon " + describe(demon));
    if (originOf(demon) == DemonOrigin::OneNamedMaterial) {
      const DemonRef source = recipeSource(demon);
      EXPECT_TRUE(isOccupied(source)) << describe(source);
      EXPECT_NE(source, demon);
    }
    if (originOf(demon) == DemonOrigin::TwoNamedMaterials) {
      const auto [first, second] = recipePair(demon);
      EXPECT_TRUE(isOccupied(first)) << describe(first);
      EXPECT_TRUE(isOccupied(second)) << describe(second);
      EXPECT_NE(first, second);
      EXPECT_NE(first, demon);
      EXPECT_NE(second, demon);
    }
  }
}

TEST(RecipeLines, BelongToSpecialAndPhaseDemonsOneGroupEach) {
  std::set<RecipeLines> groups;
  for (DemonRef demon : allDemons()) {
    const std::optional<RecipeLines> lines = recipeLines(demon);
    EXPECT_EQ(lines.has_value(), isSpecial(demon) || demon.race == PhaseRace) << describe(demon);
    if (lines) {
      EXPECT_TRUE(groups.insert(*lines).second) << "group shown twice, at " << describe(demon);
    }
  }
  EXPECT_EQ(groups.size(), 51u);
  EXPECT_EQ(recipeLines({7, 8}), std::nullopt);  // ピクシー
  EXPECT_EQ(recipeLines({7, 9}), std::nullopt);
  EXPECT_EQ(recipeLines({32, 0}), std::nullopt);
}

TEST(RecipeLines, NameTheMaterialsOfTheRecipe) {
  for (DemonRef demon : allDemons()) {
    SCOPED_TRACE("demon " + describe(demon));
    const DemonOrigin origin = originOf(demon);
    if (origin != DemonOrigin::OneNamedMaterial && origin != DemonOrigin::TwoNamedMaterials) continue;
    const RecipeLines lines = *recipeLines(demon);
    if (origin == DemonOrigin::OneNamedMaterial) {
      EXPECT_TRUE(mentions(lines[1], recipeSource(demon))) << lines[1];
      continue;
    }
    const auto [first, second] = recipePair(demon);
    EXPECT_TRUE(mentions(lines[1], first)) << lines[1];
    const bool listed = mentions(lines[2], second) || mentions(lines[3], second) || mentions(lines[4], second) ||
                        mentions(lines[5], second);
    const bool anyOfRace = second.slot == 0 && lines[5] == std::string(bareRaceName(second.race)) + "のいずれか";
    EXPECT_TRUE(listed || anyOfRace) << describe(second);
  }
}

TEST(RecipeLines, TwoStepEvolutionsPairTheChain) {
  int chains = 0;
  for (DemonRef demon : allDemons()) {
    if (originOf(demon) != DemonOrigin::TwoNamedMaterials || (*recipeLines(demon))[0] != "変化") continue;
    ++chains;
    const auto [first, second] = recipePair(demon);
    EXPECT_EQ(originOf(first), DemonOrigin::OneNamedMaterial) << describe(demon);
    EXPECT_EQ(recipeSource(first), second) << describe(demon);
  }
  EXPECT_EQ(chains, 3);
}

TEST(RecipeLines, KindOfRecipeFollowsTheRace) {
  for (DemonRef demon : allDemons()) {
    const std::optional<RecipeLines> lines = recipeLines(demon);
    if (!lines) continue;
    const std::string_view first = (*lines)[0];
    SCOPED_TRACE("demon " + describe(demon) + ": " + std::string(first));
    if (demon.race == SpiritRace) {
      EXPECT_EQ(first, "同種族合体");
    } else if (demon.race == MitamaRace) {
      EXPECT_EQ(first, "造御魂合体");
      EXPECT_EQ(recipePair(demon).first.race, SpiritRace);
      EXPECT_EQ(recipePair(demon).second.race, SpiritRace);
    } else if (demon.race == PhaseRace) {
      EXPECT_TRUE(first.starts_with("カグツチ") && first.ends_with("時に"));
      EXPECT_EQ((*lines)[1], std::string(bareRaceName(phaseFusionRace(demon.slot))) + "になる組み合わせ");
    } else {
      EXPECT_TRUE(first == "特殊合体" || first == "変化");
    }
  }
}

TEST(RecipeLines, AreStoredVerbatim) {
  EXPECT_EQ(recipeLines({0, 3}),  // アマテラス, with its blank fourth line
            (RecipeLines{"特殊合体", "LV45 鬼神 タケミカヅチ", "LV46 神獣 ヤタガラス", "", "イケニエ", "LV18 女神 アメノウズメ"}));
  EXPECT_EQ(recipeLines({31, 8}),  // マタドール, although its mark is '0'
            (RecipeLines{"カグツチSILENT～HALF時に", "妖魔になる組み合わせ", "", "", "", ""}));
  const struct {
    DemonRef demon;
    int line;
    std::string_view text;
  } lines[] = {
      {{7, 6}, 1, "LV. 2 妖精 ピクシー"},   // ハイピクシー
      {{8, 3}, 3, "LV 2 妖精 ピクシー"},    // クイーンメイプ
      {{16, 3}, 1, "LV48 妖魔 プルシキ"},   // ギリメカラ
      {{22, 0}, 1, "LV48 妖魔 プルシキ"},   // ガネーシャ
      {{16, 6}, 1, "LV20 妖鬼モムノフ"},    // アラハバキ
      {{30, 1}, 4, "LV15 精霊 アクアンズ x"},  // クシミタマ
  };
  for (const auto& expected : lines) {
    EXPECT_EQ((*recipeLines(expected.demon))[expected.line], expected.text)
        << describe(expected.demon) << ", line " << expected.line;
  }
}

}  // namespace
}  // namespace qmoor
