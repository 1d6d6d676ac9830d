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
  rows.clear();
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
    std::string text = racePairLine(pair, language_);
    twin.append(text);
    lines.append(std::move(text));
  }
  state_.racePairChosen = false;
}

void CQmoorView::AppendSpiritLines() {
  if (!listsSpiritSpiritLine(state_.currentRace, currentFilters())) return;
  const RacePair line{SpiritRace, SpiritRace};
  results_.racePairs.push_back(line);
  const std::string text = racePairLine(line, language_);
  form_.list(ControlId::RacePairList).append(text);
  form_.combo(ControlId::RacePairCombo).append(text);
}

void CQmoorView::ListAllMaterialPairs() {
  results_.materialPairs.clear();
  const FilterSettings filters = currentFilters();
  for (const RacePair& pair : results_.racePairs) {
    state_.materialRace1 = pair.first;
    state_.materialRace2 = pair.second;
    const auto madeBySpirits = [](Race race) { return race == SpiritRace || race == MitamaRace; };
    if (!madeBySpirits(pair.first) && !madeBySpirits(pair.second)) listMaterialPairs(pair.first, pair.second, filters);
  }
  form_.list(ControlId::RacePairList).setSelection(-1);
  form_.combo(ControlId::RacePairCombo).setSelection(-1);
  form_.edit(ControlId::Material1RaceEdit).setText("");
  form_.edit(ControlId::Material2RaceEdit).setText("");
  emptyMaterialList(1);
  emptyMaterialList(2);
  state_.materialPairPicked = false;
}

void CQmoorView::ListMaterialPairs(Race a, Race b) { listMaterialPairs(a, b, currentFilters()); }

void CQmoorView::listMaterialPairs(Race a, Race b, const FilterSettings& filters) {
  const bool demon = state_.currentSlot >= 0;
  if (a == SpiritRace || (b == SpiritRace && demon)) {
    ListSpiritPairs();
    return;
  }
  if (a == MitamaRace || (b == MitamaRace && demon)) return;
  const DemonRef target{state_.currentRace, state_.currentSlot};
  if (!demon || !isOccupied(target) || a < 0 || a >= RaceTotal || b < 0 || b >= RaceTotal) return;
  const size_t first = results_.materialPairs.size();
  appendMaterialPairs(a, b, target, filters, results_.materialPairs);
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
  ListView& rows = form_.listView(ControlId::MaterialPairView);
  rows.reserveRows(static_cast<int>(results_.materialPairs.size()));
  for (size_t row = firstNewRow; row < results_.materialPairs.size(); ++row) {
    const MaterialPair& pair = results_.materialPairs[row];
    rows.appendRow(resultLabel(pair.first, language_), resultLabel(pair.second, language_));
  }
}

}  // namespace qmoor
