// ShowRecipes: everything the form shows about how the current demon is made,
// decided by its kind: race pairs and material pairs for a normal or race-31
// demon, the recipe lines and preset materials for a special one.
#include "data/compendium.h"
#include "data/races.h"
#include "data/recipes.h"
#include "names/ui_texts.h"
#include "view/view.h"

namespace qmoor {

namespace {

// The single line the recipe list shows when no special recipe is on show.
constexpr std::string_view NoRecipeLine = "特殊合体情報　なし";

}  // namespace

std::vector<std::string> CQmoorView::recipeListTexts() const {
  const std::optional<RecipeLines> lines = results_.recipeOf ? recipeLines(*results_.recipeOf) : std::nullopt;
  if (!lines) return {uiString(NoRecipeLine)};
  std::vector<std::string> texts;
  for (std::string_view line : *lines) texts.push_back(recipeLineText(line, language_));
  return texts;
}

void CQmoorView::showRecipeLines(DemonRef demon) {
  if (!recipeLines(demon)) return;
  results_.recipeOf = demon;
  ListBox& recipes = form_.list(ControlId::RecipeList);
  recipes.setEnabled(true);
  recipes.clear();
  for (const std::string& text : recipeListTexts()) recipes.append(text);
}

void CQmoorView::showNoRecipeLine() {
  results_.recipeOf.reset();
  ListBox& recipes = form_.list(ControlId::RecipeList);
  recipes.clear();
  recipes.append(uiString(NoRecipeLine));
}

void CQmoorView::ShowRecipes() {
  const DemonRef target{state_.currentRace, state_.currentSlot};
  if (!isOccupied(target)) return;
  const Race race = target.race;

  showNoRecipeLine();
  form_.combo(ControlId::LevelOrderCombo).setSelection(levelOrderIndexOf(target));
  form_.combo(ControlId::RaceOrderCombo).setSelection(raceOrderIndexOf(target));
  results_.racePairs.clear();
  state_.racePairChosen = false;
  for (ControlId skills : {ControlId::Material1Skills1, ControlId::Material1Skills2, ControlId::Material2Skills1,
                           ControlId::Material2Skills2})
    form_.list(skills).clear();
  form_.control(ControlId::OpenMaterial1Button).setEnabled(false);
  form_.control(ControlId::OpenMaterial2Button).setEnabled(false);
  if (form_.check(ControlId::AutoLimitCheck).checked()) state_.LevelCap = level(target);

  const DemonOrigin origin = originOf(target);
  if (race == PhaseRace) {
    state_.demonChosen = true;
    ListRacePairs(phaseFusionRace(target.slot));
    emptyMaterialPairView();
    ListAllMaterialPairs();
    showRecipeLines(target);
  } else if (origin == DemonOrigin::Chart) {
    form_.list(ControlId::RecipeList).setEnabled(false);
    state_.demonChosen = true;
    ListRacePairs(race);
    emptyMaterialPairView();
    ListAllMaterialPairs();
  } else {
    showRecipeLines(target);
    emptyRacePairList();
    emptyMaterialList(1);
    state_.materialPairPicked = false;
    emptyMaterialList(2);
    emptyMaterialPairView();
    ListAllMaterialPairs();
    if (origin == DemonOrigin::OneNamedMaterial) {
      const DemonRef source = recipeSource(target);
      ShowMaterial1(source);
      presetMaterial(1, source);
    } else if (origin == DemonOrigin::TwoNamedMaterials) {
      const auto [first, second] = recipePair(target);
      ShowMaterial1(first);
      ShowMaterial2(second);
      presetMaterial(1, first);
      presetMaterial(2, second);
    }
  }

  AppendSpiritLines();
  if (spiritDirection(race, 0) != NoSpiritFusion && origin == DemonOrigin::Chart) ListSpiritPairs();
  ShowDemonDetail(target);
  ShowRequiredTotal();
}

}  // namespace qmoor
