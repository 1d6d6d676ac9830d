// Special recipes: the named demons of every special demon and its group of
// explanation lines.
#include "data/recipes.h"

#include <array>
#include <iterator>

#include "data/compendium.h"
#include "data/recipe_lines_table.h"
#include "data/stored_demon.h"

namespace qmoor {
namespace {

struct SpecialRecipe {
  DemonRef demon;      // the special demon
  int lineGroup;       // one-based group of RecipeLineGroups
  StoredDemon first;   // the named demon of an 'x' demon, material 1 of a 'w' demon
  StoredDemon second;  // material 2 of a 'w' demon
};

constexpr SpecialRecipe SpecialRecipes[] = {
    {{0, 3}, 1, {5, 5}, {26, 2}},  // アマテラス: タケミカヅチ + ヤタガラス
    {{2, 0}, 2, {16, 1}, {26, 1}},  // シヴァ: ランダ + バロン
    {{2, 2}, 3, {24, 2}, {7, 4}},  // セイテンタイセイ: ハヌマーン + オンコット
    {{3, 0}, 4, {2, 1}, {}},  // スカディ: スカアハ
    {{3, 2}, 5, {2, 3}, {}},  // パールヴァティ: サティ
    {{5, 3}, 6, {13, 5}, {}},  // センリ: ネコマタ
    {{6, 0}, 7, {7, 3}, {}},  // イフリート: ジン
    {{6, 4}, 8, {7, 7}, {}},  // カラステング: コッパテング
    {{7, 6}, 9, {8, 9}, {}},  // ハイピクシー: ピクシー
    {{8, 0}, 10, {9, 10}, {}},  // リリス: リリム
    {{8, 3}, 11, {8, 7}, {8, 9}},  // クイーンメイプ: ハイピクシー + ピクシー
    {{11, 2}, 12, {12, 5}, {}},  // ナーガラジャ: ナーガ
    {{14, 0}, 13, {15, 2}, {15, 3}},  // オンギョウキ: フウキ + スイキ
    {{16, 1}, 14, {10, 1}, {17, 1}},  // サマエル: ソロネ + マダ
    {{16, 3}, 15, {7, 2}, {17, 1}},  // ギリメカラ: プルキシ + マダ
    {{16, 6}, 16, {15, 8}, {}},  // アラハバキ: モムノフ
    {{17, 0}, 41, {18, 3}, {}},  // ベルゼブブ: ベルゼブブ
    {{17, 3}, 17, {18, 6}, {}},  // アルシエル: アバドン
    {{21, 0}, 42, {22, 2}, {}},  // メタトロン: ミカエル
    {{21, 1}, 18, {22, 3}, {22, 4}},  // ミカエル: ガブリエル + ラファエル
    {{21, 2}, 19, {22, 4}, {10, 1}},  // ガブリエル: ラファエル + ソロネ
    {{21, 3}, 20, {22, 5}, {10, 2}},  // ラファエル: ウリエル + ドミニオン
    {{21, 4}, 21, {10, 1}, {}},  // ウリエル: ソロネ
    {{22, 0}, 22, {7, 2}, {}},  // ガネーシャ: プルキシ
    {{22, 1}, 23, {7, 6}, {}},  // ヴァルキリー: ディース
    {{23, 0}, 24, {8, 3}, {}},  // クー・フーリン: セタンタ
    {{23, 1}, 25, {7, 4}, {}},  // ハヌマーン: オンコット
    {{23, 2}, 26, {7, 5}, {7, 7}},  // クラマテング: カラステング + コッパテング
    {{24, 0}, 27, {12, 4}, {}},  // セイリュウ: ミズチ
    {{24, 1}, 28, {12, 6}, {}},  // ゲンブ: ノズチ
    {{25, 3}, 29, {13, 6}, {}},  // マカミ: イヌガミ
    {{26, 0}, 30, {13, 2}, {}},  // ガルーダ: スパルナ
    {{27, 0}, 31, {13, 2}, {18, 1}},  // グルル: スパルナ + ベルゼブブ
    {{28, 0}, 32, {14, 1}, {}},  // アルビオン: ゴグマゴグ
    {{29, 0}, 33, {}, {}},  // フレイミーズ: -
    {{29, 1}, 34, {}, {}},  // アクアンズ: -
    {{29, 2}, 35, {}, {}},  // エアロス: -
    {{29, 3}, 36, {}, {}},  // アーシーズ: -
    {{30, 0}, 37, {30, 1}, {30, 2}},  // サキミタマ: フレイミーズ + アクアンズ
    {{30, 1}, 38, {30, 1}, {30, 4}},  // クシミタマ: フレイミーズ + アーシーズ
    {{30, 2}, 39, {30, 3}, {30, 4}},  // ニギミタマ: エアロス + アーシーズ
    {{30, 3}, 40, {30, 1}, {30, 3}},  // アラミタマ: フレイミーズ + エアロス
};

// SpecialRecipes index of each demon, -1 for a demon without a recipe of its own.
constexpr auto RecipeIndex = [] {
  std::array<std::array<int, SlotsPerRace>, RaceTotal> index{};
  for (auto& race : index) race.fill(-1);
  for (int i = 0; i < static_cast<int>(std::size(SpecialRecipes)); ++i) {
    index[SpecialRecipes[i].demon.race][SpecialRecipes[i].demon.slot] = i;
  }
  return index;
}();

const SpecialRecipe& recipeOf(DemonRef demon) { return SpecialRecipes[RecipeIndex[demon.race][demon.slot]]; }

DemonRef named(StoredDemon stored) { return *fromStored(stored.race, stored.slot); }

}  // namespace

DemonRef recipeSource(DemonRef xDemon) { return named(recipeOf(xDemon).first); }

std::pair<DemonRef, DemonRef> recipePair(DemonRef wDemon) {
  const SpecialRecipe& recipe = recipeOf(wDemon);
  return {named(recipe.first), named(recipe.second)};
}

std::optional<RecipeLines> recipeLines(DemonRef demon) {
  if (!isOccupied(demon)) return std::nullopt;
  if (demon.race == PhaseRace) return RecipeLineGroups[FirstPhaseLineGroup - 1 + demon.slot];
  const int index = RecipeIndex[demon.race][demon.slot];
  if (index < 0) return std::nullopt;
  return RecipeLineGroups[SpecialRecipes[index].lineGroup - 1];
}

}  // namespace qmoor
