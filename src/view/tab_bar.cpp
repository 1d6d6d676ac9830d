// The tab bar: storing the query on screen into its tab's record, replaying a
// record into the controls, and opening, moving, deleting, closing and
// clearing tabs.
#include "data/compendium.h"
#include "data/races.h"
#include "tabs/limit_text.h"
#include "view/view.h"

namespace qmoor {

namespace {

int flag(bool on) { return on ? 1 : 0; }

}  // namespace

bool CQmoorView::roomForTab() const { return tabs_.lastTab + 1 < MaxTabs; }

void CQmoorView::updateTabButtons() {
  const bool notFirst = tabs_.currentTab > 0;
  const bool notLast = tabs_.currentTab < tabs_.lastTab;
  form_.control(ControlId::MoveLeftButton).setEnabled(notFirst);
  form_.control(ControlId::DeleteLeftButton).setEnabled(notFirst);
  form_.control(ControlId::MoveRightButton).setEnabled(notLast);
  form_.control(ControlId::DeleteRightButton).setEnabled(notLast);
  form_.control(ControlId::CloseTabButton).setEnabled(tabs_.lastTab > 0);
  form_.control(ControlId::OpenDetailButton).setEnabled(roomForTab());
}

void CQmoorView::insertTab(int position, DemonRef demon) {
  form_.tabs().insertItem(position, tabLabel(demon));
  tabs_.labelled.insert(tabs_.labelled.begin() + position, demon);
}

void CQmoorView::relabelTab(int position, DemonRef demon) {
  form_.tabs().setLabel(position, tabLabel(demon));
  tabs_.labelled[static_cast<size_t>(position)] = demon;
}

void CQmoorView::deleteTab(int position) {
  form_.tabs().deleteItem(position);
  tabs_.labelled.erase(tabs_.labelled.begin() + position);
}

void CQmoorView::RelabelCurrentTab(Race race, Slot slot) { relabelTab(tabs_.currentTab, {race, slot}); }

void CQmoorView::storeInto(TabState& record) {
  record.reverse = flag(form_.check(ControlId::ReverseCheck).checked());
  record.neutral = flag(form_.check(ControlId::NeutralCheck).checked());
  record.curse = flag(form_.check(ControlId::CurseCheck).checked());
  record.skill1On = flag(form_.check(ControlId::Skill1Check).checked());
  record.skill2On = flag(form_.check(ControlId::Skill2Check).checked());
  record.autoLimit = flag(form_.check(ControlId::AutoLimitCheck).checked());
  record.manualLimit = flag(form_.check(ControlId::ManualLimitCheck).checked());
  record.skill1Index = form_.combo(ControlId::Skill1KindCombo).selection();
  record.skill2Index = form_.combo(ControlId::Skill2KindCombo).selection();
  record.materialRaceCombo = form_.combo(ControlId::MaterialRaceCombo).selection();
  record.racePairIndex = form_.list(ControlId::RacePairList).selection();
  record.materialList1Index = form_.list(ControlId::MaterialList1).selection();
  record.materialList2Index = form_.list(ControlId::MaterialList2).selection();
  record.race = state_.currentRace;
  record.slot = state_.currentSlot;
  record.materialRaceSet = flag(state_.materialRaceSet);
  record.materialRaceChoice = state_.materialRaceChoice;
  record.materialSel1 = state_.materialSel1;
  record.materialSel2 = state_.materialSel2;
  record.pickedRow = state_.pickedRow;
  record.limitText = form_.edit(ControlId::LimitEdit).text();
}

void CQmoorView::StoreTab() {
  const int selected = form_.tabs().selection();
  if (selected >= 0 && selected <= tabs_.lastTab) tabs_.currentTab = selected;
  storeInto(tabs_.records[static_cast<size_t>(tabs_.currentTab)]);
  form_.listView(ControlId::MaterialPairView).setHotRow(-1);
}

void CQmoorView::RestoreTab() {
  const TabState record = tabs_.records[static_cast<size_t>(tabs_.currentTab)];
  const DemonRef demon{record.race, record.slot};
  const bool hasDemon = isOccupied(demon);

  form_.check(ControlId::Skill1Check).setChecked(record.skill1On != 0);
  form_.check(ControlId::Skill2Check).setChecked(record.skill2On != 0);
  form_.combo(ControlId::Skill1KindCombo).setSelection(record.skill1Index);
  form_.combo(ControlId::Skill2KindCombo).setSelection(record.skill2Index);
  SkillChosen(1, ControlId::Skill1KindCombo);
  SkillChosen(2, ControlId::Skill2KindCombo);

  form_.check(ControlId::NeutralCheck).setChecked(record.neutral != 0);
  form_.check(ControlId::ReverseCheck).setChecked(record.reverse != 0);
  form_.check(ControlId::CurseCheck).setChecked(record.curse != 0);
  form_.edit(ControlId::LimitEdit).setText(record.limitText);

  form_.check(ControlId::AutoLimitCheck).setChecked(false);
  form_.check(ControlId::ManualLimitCheck).setChecked(false);
  if (record.autoLimit != 0) {
    form_.check(ControlId::AutoLimitCheck).setChecked(true);
    state_.LevelCap = hasDemon ? level(demon) : NoLimitCap;
  } else if (record.manualLimit != 0) {
    form_.check(ControlId::ManualLimitCheck).setChecked(true);
    state_.LevelCap = limitTextValue(record.limitText);
  } else {
    state_.LevelCap = NoLimitCap;
  }

  const bool choiceValid = record.materialRaceChoice >= 0 && record.materialRaceChoice <= RaceTotal;
  state_.materialRaceChoice = choiceValid ? record.materialRaceChoice : 0;
  state_.materialRaceSet = state_.materialRaceChoice != 0;
  state_.currentRace = record.race >= 0 && record.race < RaceTotal ? record.race : 0;
  state_.currentSlot = hasDemon ? record.slot : -1;
  state_.materialSel1 = record.materialSel1;
  state_.materialSel2 = record.materialSel2;
  state_.pickedRow = record.pickedRow;
  form_.combo(ControlId::MaterialRaceCombo).setSelection(record.materialRaceCombo);

  if (hasDemon) {
    form_.combo(ControlId::LevelOrderCombo).setSelection(levelOrderIndexOf(demon));
    ChooseFromLevelOrder();
  } else {
    // A tab with a race but no demon comes back as that race with no demon.
    form_.combo(ControlId::RaceCombo).setSelection(state_.currentRace);
    ChooseRace();
    RelabelCurrentTab(state_.currentRace, -1);
  }

  ListBox& lines = form_.list(ControlId::RacePairList);
  if (lines.isValidIndex(record.racePairIndex)) {
    lines.setSelection(record.racePairIndex);
    form_.combo(ControlId::RacePairCombo).setSelection(record.racePairIndex);
    ChooseRacePair();
  }
  ListView& rows = form_.listView(ControlId::MaterialPairView);
  if (rows.isValidRow(record.pickedRow)) {
    rows.setSelectedRow(record.pickedRow);
    rows.setFocusedRow(record.pickedRow);
    rows.setHotRow(record.pickedRow);
    state_.pickedRow = record.pickedRow;
    PickMaterialPair();
  } else if (record.pickedRow < 0 || record.pickedRow >= MaterialPairCapacity) {
    // A row the list can never hold (a damaged file) is no pick; any other
    // row is remembered, as it is within a tab, for a later listing to name.
    state_.pickedRow = -1;
  }
  for (int panel : {1, 2}) {
    ListBox& list = form_.list(panel == 1 ? ControlId::MaterialList1 : ControlId::MaterialList2);
    const int index = panel == 1 ? record.materialList1Index : record.materialList2Index;
    if (!list.isValidIndex(index)) continue;
    list.setSelection(index);
    MaterialChosen(panel, list.id());
  }
  updateTabButtons();
}

void CQmoorView::InsertTabAfterCurrent(DemonRef demon) {
  if (!isOccupied(demon) || !roomForTab()) return;
  tabs_.lastTab += 1;
  for (int i = tabs_.lastTab; i >= tabs_.currentTab + 2; --i)
    tabs_.records[static_cast<size_t>(i)] = tabs_.records[static_cast<size_t>(i - 1)];
  const int position = tabs_.currentTab + 1;
  insertTab(position, demon);
  TabState fresh;
  fresh.race = demon.race;
  fresh.slot = demon.slot;
  fresh.skill1Index = form_.combo(ControlId::Skill1KindCombo).selection();
  fresh.skill2Index = form_.combo(ControlId::Skill2KindCombo).selection();
  fresh.materialSel1 = fresh.materialSel2 = -1;
  fresh.racePairIndex = fresh.pickedRow = -1;
  fresh.materialList1Index = fresh.materialList2Index = -1;
  fresh.limitText = form_.edit(ControlId::LimitEdit).text();
  tabs_.records[static_cast<size_t>(position)] = fresh;
  updateTabButtons();
  if (!roomForTab()) {
    form_.control(ControlId::OpenMaterial1Button).setEnabled(false);
    form_.control(ControlId::OpenMaterial2Button).setEnabled(false);
  }
}

bool CQmoorView::openInNewTab(DemonRef demon) {
  if (!isOccupied(demon) || !roomForTab()) return false;
  InsertTabAfterCurrent(demon);
  return true;
}

void CQmoorView::MoveTabLeft() {
  const int t = tabs_.currentTab;
  if (t == 0) return;
  const TabState& left = tabs_.records[static_cast<size_t>(t - 1)];
  relabelTab(t, {left.race, left.slot});
  tabs_.records[static_cast<size_t>(t)] = left;
  form_.tabs().setSelection(t - 1);
  tabs_.currentTab = t - 1;
  RelabelCurrentTab(state_.currentRace, state_.currentSlot);
  updateTabButtons();
}

void CQmoorView::MoveTabRight() {
  const int t = tabs_.currentTab;
  if (t == tabs_.lastTab) return;
  const TabState& right = tabs_.records[static_cast<size_t>(t + 1)];
  relabelTab(t, {right.race, right.slot});
  tabs_.records[static_cast<size_t>(t)] = right;
  form_.tabs().setSelection(t + 1);
  tabs_.currentTab = t + 1;
  RelabelCurrentTab(state_.currentRace, state_.currentSlot);
  updateTabButtons();
}

namespace {
// Removes record `index` by moving the records after it one place left.
void removeRecord(TabTable& tabs, int index) {
  for (int i = index; i < tabs.lastTab; ++i) tabs.records[static_cast<size_t>(i)] = tabs.records[static_cast<size_t>(i + 1)];
  tabs.lastTab -= 1;
}
}  // namespace

void CQmoorView::DeleteLeftTab() {
  const int t = tabs_.currentTab;
  if (t == 0) return;
  deleteTab(t - 1);
  removeRecord(tabs_, t - 1);
  tabs_.currentTab = t - 1;
  updateTabButtons();
}

void CQmoorView::DeleteRightTab() {
  const int t = tabs_.currentTab;
  if (t == tabs_.lastTab) return;
  deleteTab(t + 1);
  removeRecord(tabs_, t + 1);
  updateTabButtons();
}

void CQmoorView::CloseTab() {
  const int t = form_.tabs().selection();
  if (t < 0 || t > tabs_.lastTab) return;
  if (t < tabs_.lastTab) {
    tabs_.currentTab = t + 1;
    RestoreTab();
    tabs_.currentTab = t;
    deleteTab(t);
    removeRecord(tabs_, t);
    form_.tabs().setSelection(t);
  } else if (t > 0) {
    tabs_.currentTab = t - 1;
    RestoreTab();
    deleteTab(t);
    tabs_.lastTab -= 1;
    form_.tabs().setSelection(t - 1);
  }
  updateTabButtons();
}

void CQmoorView::ClearTabs() {
  storeInto(tabs_.records[0]);
  TabControl& bar = form_.tabs();
  for (int position = bar.count() - 1; position >= 1; --position) {
    bar.setSelection(0);
    deleteTab(position);
  }
  bar.setSelection(0);
  tabs_.currentTab = 0;
  tabs_.lastTab = 0;
  RelabelCurrentTab(state_.currentRace, state_.currentSlot);
  updateTabButtons();
}

}  // namespace qmoor
