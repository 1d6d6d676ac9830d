// The view's result lists: the race-pair list (list 1001 with its hidden twin)
// and the material-pair list view, filled from the pure enumeration under the
// filter settings read from the controls.
#include "data/compendium.h"
#include "data/races.h"
#include "view/view.h"

namespace qmoor {
void CQmoorView::emptyMaterialPairView() {
  results_.materialPairs.clear();
  ListView& rows = form_.listView(ControlId::MaterialPairView);
  rows.showRows(materialPairRows_);
  rows.setHotRow(-1);
  form_.edit(ControlId::SelectedTotalEdit).setText("");
}

void CQmoorView::emptyRacePairList() {
  results_.racePairs.clear();
  form_.list(ControlId::RacePairList).clear();
  form_.combo(ControlId::RacePairCombo).clear();
}

void CQmoorView::ListRacePairs(Race resultRace) {
  emptyRacePairList();
  const bool targetMode = state_.demonChosen && isOccupied({state_.currentRace, state_.currentSlot});
  const std::optional<DemonRef> target =
      targetMode ? std::optional<DemonRef>(DemonRef{state_.currentRace, state_.currentSlot}) : std::nullopt;
  results_.racePairs = enumerateRacePairs(resultRace, state_.currentRace, target, currentFilters(),
                                          form_.check(ControlId::ReverseCheck).checked());
  ListBox& lines = form_.list(ControlId::RacePairList);
  ComboBox& twin = form_.combo(ControlId::RacePairCombo);
  for (const RacePair& pair : results_.racePairs) {
    std::string text = racePairLine(pair.first, pair.second, language_);
    twin.append(text);
    lines.append(std::move(text));
  }
  state_.racePairChosen = false;
}

void CQmoorView::AppendSpiritLines() {
  if (!listsSpiritSpiritLine(state_.currentRace, currentFilters())) return;
  const RacePair line{SpiritRace, SpiritRace};
  results_.racePairs.push_back(line);
  const std::string text = racePairLine(line.first, line.second, language_);
  form_.list(ControlId::RacePairList).append(text);
  form_.combo(ControlId::RacePairCombo).append(text);
}

void CQmoorView::ListAllMaterialPairs() {
  results_.materialPairs.clear();
  // Walking the lines leaves the material races on the last line's.
  if (!results_.racePairs.empty()) {
    state_.materialRace1 = results_.racePairs.back().first;
    state_.materialRace2 = results_.racePairs.back().second;
  }
  if (state_.currentSlot >= 0) {
    appendAllMaterialPairs(results_.racePairs, {state_.currentRace, state_.currentSlot}, currentFilters(),
                           results_.materialPairs);
    appendRowsFrom(0);
  }
  form_.list(ControlId::RacePairList).setSelection(-1);
  form_.combo(ControlId::RacePairCombo).setSelection(-1);
  form_.edit(ControlId::Material1RaceEdit).setText("");
  form_.edit(ControlId::Material2RaceEdit).setText("");
  emptyMaterialList(1);
  emptyMaterialList(2);
  state_.materialPairPicked = false;
}

void CQmoorView::ListMaterialPairs(Race a, Race b) {
  const bool demon = state_.currentSlot >= 0;
  if (a == SpiritRace || (b == SpiritRace && demon)) {
    ListSpiritPairs();
    return;
  }
  if (a == MitamaRace || (b == MitamaRace && demon)) return;
  const DemonRef target{state_.currentRace, state_.currentSlot};
  if (!demon || !isOccupied(target) || a < 0 || a >= RaceTotal || b < 0 || b >= RaceTotal) return;
  const size_t first = results_.materialPairs.size();
  appendMaterialPairs(a, b, target, currentFilters(), results_.materialPairs);
  appendRowsFrom(first);
}

void CQmoorView::ListSpiritPairs() {
  const DemonRef target{state_.currentRace, state_.currentSlot};
  if (!isOccupied(target)) return;
  const size_t first = results_.materialPairs.size();
  appendSpiritPairs(target, currentFilters(), results_.materialPairs);
  appendRowsFrom(first);
}

void CQmoorView::appendRowsFrom(size_t firstNewRow) {
  // The list view shows the answer's pairs themselves; it only learns that there are more.
  if (results_.materialPairs.size() > firstNewRow) form_.listView(ControlId::MaterialPairView).rowsAppended();
}

}  // namespace qmoor
