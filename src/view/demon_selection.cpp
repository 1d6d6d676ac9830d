// Choosing the current demon: by race and demon list, from the level-order or
// race-order list, and the material-race restriction.
#include "data/compendium.h"
#include "data/races.h"
#include "view/view.h"

namespace qmoor {

void CQmoorView::ChooseRace() {
  const int race = form_.combo(ControlId::RaceCombo).selection();
  if (race < 0 || race >= RaceTotal) {
    form_.combo(ControlId::RaceCombo).setSelection(state_.currentRace);
    return;
  }
  state_.demonChosen = false;
  state_.racePairChosen = false;
  emptyMaterialList(1);
  state_.materialPairPicked = false;
  emptyMaterialList(2);
  emptyMaterialPairView();
  for (ControlId edit : {ControlId::SelectedTotalEdit, ControlId::Material1RaceEdit, ControlId::Material2RaceEdit})
    form_.edit(edit).setText("");
  showNoRecipeLine();
  form_.list(ControlId::RecipeList).setEnabled(false);

  state_.currentRace = race;
  state_.materialRace1 = 0;
  state_.materialRace2 = 0;
  state_.currentSlot = -1;
  if (form_.check(ControlId::AutoLimitCheck).checked()) state_.LevelCap = automaticCap();

  ListBox& demons = form_.list(ControlId::DemonList);
  ComboBox& demonTwin = form_.combo(ControlId::DemonCombo);
  demons.clear();
  demonTwin.clear();
  for (Slot slot = 0; slot < raceCount(race); ++slot) {
    std::string label = raceLabel({race, slot}, language_);
    demonTwin.append(label);
    demons.append(std::move(label));
  }
  ListRacePairs(race);
  AppendSpiritLines();
}

void CQmoorView::ChooseDemon() {
  const int slot = form_.list(ControlId::DemonList).selection();
  if (slot < 0 || !isOccupied({state_.currentRace, slot})) {
    // A list cannot be emptied of its choice: it shows the current demon again.
    form_.list(ControlId::DemonList).setSelection(state_.currentSlot);
    form_.combo(ControlId::DemonCombo).setSelection(state_.currentSlot);
    return;
  }
  state_.currentSlot = slot;
  RelabelCurrentTab(state_.currentRace, state_.currentSlot);
  ShowRecipes();
  ListBox& racePairs = form_.list(ControlId::RacePairList);
  racePairs.setSelection(0);
  racePairs.setSelection(-1);
  form_.combo(ControlId::RacePairCombo).setSelection(-1);
}

void CQmoorView::revertOrderCombo(ControlId orderCombo) {
  // Both order lists always show the same demon: the other one still names it.
  const bool levelOrder = orderCombo == ControlId::LevelOrderCombo;
  const int other = form_.combo(levelOrder ? ControlId::RaceOrderCombo : ControlId::LevelOrderCombo).selection();
  if (other < 0 || other >= DemonTotal) return;
  const DemonRef shown = levelOrder ? raceOrderAt(other) : levelOrderAt(other);
  form_.combo(orderCombo).setSelection(levelOrder ? levelOrderIndexOf(shown) : raceOrderIndexOf(shown));
}

bool CQmoorView::chooseFromOrder(ControlId orderCombo, DemonRef (*orderAt)(int)) {
  const int position = form_.combo(orderCombo).selection();
  if (position < 0 || position >= DemonTotal) {
    revertOrderCombo(orderCombo);
    return false;
  }
  state_.orderListIndex = position;
  const DemonRef demon = orderAt(position);
  form_.combo(ControlId::RaceCombo).setSelection(demon.race);
  ChooseRace();
  form_.list(ControlId::DemonList).setSelection(demon.slot);
  form_.combo(ControlId::DemonCombo).setSelection(demon.slot);
  ChooseDemon();
  return true;
}

void CQmoorView::ChooseFromLevelOrder() {
  // The order lists come back by their race-order position.
  if (chooseFromOrder(ControlId::LevelOrderCombo, levelOrderAt))
    state_.orderListIndex = form_.combo(ControlId::RaceOrderCombo).selection();
}

void CQmoorView::ChooseFromRaceOrder() { chooseFromOrder(ControlId::RaceOrderCombo, raceOrderAt); }

void CQmoorView::SetMaterialRace() {
  ComboBox& combo = form_.combo(ControlId::MaterialRaceCombo);
  if (combo.selection() < 0) {
    combo.setSelection(state_.materialRaceChoice);
    return;
  }
  state_.materialRaceChoice = combo.selection();
  state_.materialRaceSet = state_.materialRaceChoice != 0;
  if (!state_.demonChosen) {
    ChooseRace();
    return;
  }
  // The same demon, recomputed under the new restriction.
  form_.list(ControlId::DemonList).setSelection(state_.currentSlot);
  form_.combo(ControlId::DemonCombo).setSelection(state_.currentSlot);
  ChooseDemon();
}

}  // namespace qmoor
