// The detail panel of the current demon, the two material panels, and the
// choices that fill them: a race pair, a material, a row of material pairs.
#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "view/view.h"

namespace qmoor {

namespace {

struct MaterialControls {
  ControlId list;       // hidden list box whose selection counts
  ControlId combo;      // its visible twin
  ControlId raceEdit;
  ControlId skills1;
  ControlId skills2;
  ControlId openButton;
};

const MaterialControls& materialControls(int panel) {
  static const MaterialControls first{ControlId::MaterialList1, ControlId::Material1Combo, ControlId::Material1RaceEdit,
                                      ControlId::Material1Skills1, ControlId::Material1Skills2,
                                      ControlId::OpenMaterial1Button};
  static const MaterialControls second{ControlId::MaterialList2, ControlId::Material2Combo, ControlId::Material2RaceEdit,
                                       ControlId::Material2Skills1, ControlId::Material2Skills2,
                                       ControlId::OpenMaterial2Button};
  return panel == 1 ? first : second;
}

void fillList(ListBox& list, const std::vector<std::string>& texts) {
  list.clear();
  for (const std::string& text : texts) list.append(text);
}

}  // namespace

void CQmoorView::ShowDemonDetail(DemonRef demon) {
  if (!isOccupied(demon)) return;
  state_.detailDemon = demon;
  form_.edit(ControlId::DetailLevelEdit).setText(std::string(cell(Column::Level, demon)));
  form_.edit(ControlId::DetailRaceEdit).setText(raceText(demon.race));
  form_.edit(ControlId::DetailNameEdit).setText(std::string(demonName(demon, language_)));
  fillList(form_.list(ControlId::DetailSkills1), skillTexts(demon, SkillList::First));
  fillList(form_.list(ControlId::DetailSkills2), skillTexts(demon, SkillList::Second));
  const ControlId detailViews[] = {ControlId::StatsView, ControlId::ResistanceView, ControlId::MarksView,
                                   ControlId::InheritanceView};
  for (size_t i = 0; i < std::size(detailViews); ++i) {
    detailRows_[i].setDemon(demon);
    form_.listView(detailViews[i]).showRows(detailRows_[i]);
  }
}

void CQmoorView::ShowMaterial1(DemonRef demon) { showMaterial(1, demon); }
void CQmoorView::ShowMaterial2(DemonRef demon) { showMaterial(2, demon); }

void CQmoorView::showMaterial(int panel, DemonRef demon) {
  if (!isOccupied(demon)) return;
  const MaterialControls& controls = materialControls(panel);
  (panel == 1 ? state_.panel1Demon : state_.panel2Demon) = demon;
  form_.combo(controls.combo).setText(std::string(demonName(demon, language_)));
  materialNameShown_[panel - 1] = true;
  fillList(form_.list(controls.skills1), skillTexts(demon, SkillList::First));
  fillList(form_.list(controls.skills2), skillTexts(demon, SkillList::Second));
  if (roomForTab()) form_.control(controls.openButton).setEnabled(true);
}

void CQmoorView::emptyMaterialList(int panel) {
  const MaterialControls& controls = materialControls(panel);
  form_.list(controls.list).clear();
  form_.combo(controls.combo).clear();
  materialNameShown_[panel - 1] = false;
  (panel == 1 ? state_.materialSel1 : state_.materialSel2) = -1;
}

void CQmoorView::fillMaterialList(int panel, Race race) {
  const MaterialControls& controls = materialControls(panel);
  ListBox& list = form_.list(controls.list);
  ComboBox& combo = form_.combo(controls.combo);
  for (Slot slot = 0; slot < raceCount(race); ++slot) {
    std::string label = materialLabel({race, slot}, language_);
    combo.append(label);
    list.append(std::move(label));
  }
}

void CQmoorView::presetMaterial(int panel, DemonRef demon) {
  if (!isOccupied(demon)) return;
  const MaterialControls& controls = materialControls(panel);
  (panel == 1 ? state_.materialRace1 : state_.materialRace2) = demon.race;
  form_.edit(controls.raceEdit).setText(raceText(demon.race));
  emptyMaterialList(panel);
  fillMaterialList(panel, demon.race);
  form_.list(controls.list).setSelection(demon.slot);
  form_.combo(controls.combo).setSelection(demon.slot);
}

void CQmoorView::ChooseRacePair() {
  const int line = form_.list(ControlId::RacePairList).selection();
  if (line < 0 || static_cast<size_t>(line) >= results_.racePairs.size()) return;
  emptyMaterialPairView();
  state_.racePairChosen = true;
  results_.materialPairs.clear();
  RebuildMaterialLists(true);
  for (ControlId skills : {ControlId::Material1Skills1, ControlId::Material1Skills2, ControlId::Material2Skills1,
                           ControlId::Material2Skills2})
    form_.list(skills).clear();
  form_.edit(ControlId::SelectedTotalEdit).setText("");
}

void CQmoorView::RebuildMaterialLists(bool fromRacePairList) {
  if (fromRacePairList) {
    const RacePair pair = results_.racePairs.at(static_cast<size_t>(form_.list(ControlId::RacePairList).selection()));
    state_.materialRace1 = pair.first;
    state_.materialRace2 = pair.second;
  }
  emptyMaterialList(1);
  emptyMaterialList(2);
  form_.edit(ControlId::Material1RaceEdit).setText(raceText(state_.materialRace1));
  form_.edit(ControlId::Material2RaceEdit).setText(raceText(state_.materialRace2));
  fillMaterialList(1, state_.materialRace1);
  fillMaterialList(2, state_.materialRace2);
  if (fromRacePairList) ListMaterialPairs(state_.materialRace1, state_.materialRace2);
}

void CQmoorView::PickMaterialPair() {
  ListView& rows = form_.listView(ControlId::MaterialPairView);
  int row = rows.selectedRow();
  if (row >= 0) state_.pickedRow = row;
  else row = state_.pickedRow;
  if (row < 0 || static_cast<size_t>(row) >= results_.materialPairs.size() || !rows.isValidRow(row)) return;

  rows.setHotRow(row);
  const MaterialPair pair = results_.materialPairs[static_cast<size_t>(row)];
  ShowMaterial1(pair.first);
  ShowMaterial2(pair.second);
  state_.materialRace1 = pair.first.race;
  state_.materialRace2 = pair.second.race;
  state_.materialPairPicked = true;
  RebuildMaterialLists(false);
  form_.list(ControlId::MaterialList1).setSelection(pair.first.slot);
  form_.combo(ControlId::Material1Combo).setSelection(pair.first.slot);
  state_.materialSel1 = pair.first.slot;
  form_.list(ControlId::MaterialList2).setSelection(pair.second.slot);
  form_.combo(ControlId::Material2Combo).setSelection(pair.second.slot);
  state_.materialSel2 = pair.second.slot;
  UpdateTotalLevel();
}

void CQmoorView::MaterialDoubleClicked(int panel) {
  int& selection = panel == 1 ? state_.materialSel1 : state_.materialSel2;
  selection = form_.list(materialControls(panel).list).selection();
  if (selection >= 0) InsertTabAfterCurrent({panel == 1 ? state_.materialRace1 : state_.materialRace2, selection});
}

void CQmoorView::MaterialChosen(int panel, ControlId source) {
  const MaterialControls& controls = materialControls(panel);
  const int index = form_.list(source).selection();
  ListBox& list = form_.list(controls.list);
  list.setSelection(index);
  form_.combo(controls.combo).setSelection(list.selection());
  int& selection = panel == 1 ? state_.materialSel1 : state_.materialSel2;
  selection = list.selection();
  showMaterial(panel, {panel == 1 ? state_.materialRace1 : state_.materialRace2, selection});
  UpdateTotalLevel();
}

}  // namespace qmoor
