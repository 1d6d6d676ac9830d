// The options beside the result lists: NEUTRAL, CURSE and reverse rebuild the
// answer for the same demon; the automatic and the typed level limit set the
// level cap and recompute.
#include "data/compendium.h"
#include "data/races.h"
#include "tabs/limit_text.h"
#include "view/view.h"

namespace qmoor {

bool CQmoorView::rebuildsOnToggle() const {
  if (state_.currentRace == PhaseRace && state_.currentSlot >= 0) return true;
  return form_.list(ControlId::RecipeList).count() > 0 && !results_.recipeOf;
}

bool CQmoorView::normalDemonChosen() const {
  const DemonRef demon{state_.currentRace, state_.currentSlot};
  return state_.demonChosen && isOccupied(demon) && originOf(demon) == DemonOrigin::Chart;
}

// The race the race-pair list is built for: the current race, or for a
// race-31 demon the race its phase fusion yields.
static Race listedRace(const WorkingState& state) {
  return state.currentRace == PhaseRace && state.currentSlot >= 0 ? phaseFusionRace(state.currentSlot) : state.currentRace;
}

void CQmoorView::ToggleNeutralOrCurse() {
  emptyMaterialPairView();
  if (rebuildsOnToggle()) {
    ListRacePairs(listedRace(state_));
    ListAllMaterialPairs();
  } else {
    // A special demon lists at most the spirit x spirit line, rebuilt below
    // under the new settings rather than appended a second time.
    emptyRacePairList();
  }
  AppendSpiritLines();
  if (normalDemonChosen()) ListSpiritPairs();
  state_.racePairChosen = false;
}

void CQmoorView::ToggleReverse() {
  ListBox& lines = form_.list(ControlId::RacePairList);
  const int chosenLine = lines.selection();
  const bool picked = state_.materialPairPicked;
  if (rebuildsOnToggle()) {
    ListRacePairs(listedRace(state_));
    emptyMaterialPairView();
    std::swap(state_.materialRace1, state_.materialRace2);
    if (chosenLine >= 0) {
      results_.materialPairs.clear();
      RebuildMaterialLists(false);
      ListMaterialPairs(state_.materialRace1, state_.materialRace2);
    } else {
      const Race pickedRace1 = state_.materialRace1;
      const Race pickedRace2 = state_.materialRace2;
      ListAllMaterialPairs();
      if (picked) {
        state_.materialRace1 = pickedRace1;
        state_.materialRace2 = pickedRace2;
        RebuildMaterialLists(false);
        state_.materialPairPicked = true;
      }
    }
    AppendSpiritLines();
    if (normalDemonChosen() && chosenLine < 0) ListSpiritPairs();
  }
  if (chosenLine < 0) return;

  int line = -1;
  if (state_.materialRace1 == SpiritRace || state_.materialRace2 == SpiritRace) {
    // The spirit line is always the last one, when the rebuilt list still has it.
    const bool spiritLineListed = !results_.racePairs.empty() && (results_.racePairs.back().first == SpiritRace ||
                                                                  results_.racePairs.back().second == SpiritRace);
    if (spiritLineListed) line = lines.count() - 1;
  } else {
    const RacePair wanted{state_.materialRace1, state_.materialRace2};
    for (size_t i = 0; i < results_.racePairs.size(); ++i) {
      if (results_.racePairs[i] == wanted) {
        line = static_cast<int>(i);
        break;
      }
    }
  }
  lines.setSelection(line);
  form_.combo(ControlId::RacePairCombo).setSelection(line);
  state_.racePairChosen = lines.selection() >= 0;
  if (!state_.racePairChosen) {
    // The chosen pair is no longer listed: nothing may keep showing it.
    emptyMaterialList(1);
    emptyMaterialList(2);
    form_.edit(ControlId::Material1RaceEdit).setText("");
    form_.edit(ControlId::Material2RaceEdit).setText("");
  }
}

int CQmoorView::automaticCap() const {
  const DemonRef demon{state_.currentRace, state_.currentSlot};
  return isOccupied(demon) ? level(demon) : NoLimitCap;
}

void CQmoorView::SetAutoLimit() {
  if (form_.check(ControlId::AutoLimitCheck).checked()) {
    form_.check(ControlId::ManualLimitCheck).setChecked(false);
    state_.LevelCap = automaticCap();
  } else {
    state_.LevelCap = NoLimitCap;
  }
  recomputeForLimit();
}

void CQmoorView::SetManualLimit() {
  if (form_.check(ControlId::ManualLimitCheck).checked()) {
    form_.check(ControlId::AutoLimitCheck).setChecked(false);
    state_.LevelCap = limitTextValue(form_.edit(ControlId::LimitEdit).text());
  } else {
    state_.LevelCap = NoLimitCap;
  }
  recomputeForLimit();
}

void CQmoorView::recomputeForLimit() {
  if (!state_.demonChosen) return;
  if (state_.racePairChosen && form_.list(ControlId::RacePairList).selection() >= 0) ChooseRacePair();
  else ChooseDemon();
}

void CQmoorView::ManualLimitEdited() {
  if (state_.limitEditArmed && form_.check(ControlId::ManualLimitCheck).checked()) SetManualLimit();
  state_.limitEditArmed = true;
}

}  // namespace qmoor
