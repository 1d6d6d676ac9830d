// CQmoorView: construction, the dispatch of notifications and commands, and
// the filter settings read from the controls.
#include "view/view.h"

#include "data/skills.h"

namespace qmoor {

CQmoorView::CQmoorView(ViewHost& host) : host_(host) {
  form_.edit(ControlId::LimitEdit).setChangeHandler([this] { notify(ControlId::LimitEdit, Notification::TextChanged); });
}

FilterSettings CQmoorView::currentFilters() const {
  const Form& form = form_;
  FilterSettings filters;
  filters.curse = form.check(ControlId::CurseCheck).checked();
  filters.neutral = form.check(ControlId::NeutralCheck).checked();
  filters.materialRaceChoice = state_.materialRaceChoice;
  const bool limitOn = form.check(ControlId::AutoLimitCheck).checked() || form.check(ControlId::ManualLimitCheck).checked();
  filters.cap = limitOn ? state_.LevelCap : NoLimitCap;
  filters.skills.on1 = form.check(ControlId::Skill1Check).checked();
  filters.skills.on2 = form.check(ControlId::Skill2Check).checked();
  filters.skills.skill1 = kindOrderAt(form.combo(ControlId::Skill1KindCombo).selection() + 1);
  filters.skills.skill2 = kindOrderAt(form.combo(ControlId::Skill2KindCombo).selection() + 1);
  return filters;
}

namespace {

// The captions beside the check boxes, and group box 1027: a click on one
// toggles its check box and then acts as a click on it.
ControlId checkBoxOfCaption(ControlId caption) {
  switch (caption) {
    case ControlId::NeutralCaption: return ControlId::NeutralCheck;
    case ControlId::ReverseCaption: return ControlId::ReverseCheck;
    case ControlId::CurseCaption: return ControlId::CurseCheck;
    case ControlId::AutoLimitCaption: return ControlId::AutoLimitCheck;
    case ControlId::ManualLimitCaptionLv:
    case ControlId::ManualLimitCaptionBelow: return ControlId::ManualLimitCheck;
    case ControlId::Skill1Group:
    case ControlId::Skill1KindCaption:
    case ControlId::Skill1KanaCaption: return ControlId::Skill1Check;
    case ControlId::Skill2KindCaption:
    case ControlId::Skill2KanaCaption: return ControlId::Skill2Check;
    default: return ControlId::None;
  }
}

}  // namespace

void CQmoorView::openListedDemon(const std::vector<DemonRef>& demons, int index) {
  if (index >= 0 && static_cast<size_t>(index) < demons.size()) InsertTabAfterCurrent(demons[static_cast<size_t>(index)]);
}

void CQmoorView::notify(ControlId id, Notification notification) {
  if (!form_.has(id)) return;
  using N = Notification;
  const bool selection = notification == N::SelectionChanged;
  const bool click = notification == N::Click;
  const bool typed = notification == N::TextTyped;
  const bool doubleClick = notification == N::DoubleClick;

  if (const ControlId check = checkBoxOfCaption(id); check != ControlId::None) {
    if (!click) return;
    form_.check(check).toggle();
    id = check;
  }

  switch (id) {
    case ControlId::RaceCombo:
      if (selection) ChooseRace();
      if (typed) form_.combo(ControlId::RaceCombo).setSelection(state_.currentRace);
      break;
    case ControlId::DemonList:
      if (selection) {
        form_.combo(ControlId::DemonCombo).setSelection(form_.list(ControlId::DemonList).selection());
        ChooseDemon();
      }
      break;
    case ControlId::DemonCombo:
      if (selection) {
        form_.list(ControlId::DemonList).setSelection(form_.combo(ControlId::DemonCombo).selection());
        ChooseDemon();
      }
      break;
    case ControlId::LevelOrderCombo:
    case ControlId::RaceOrderCombo:
      if (selection) {
        if (id == ControlId::LevelOrderCombo) ChooseFromLevelOrder();
        else ChooseFromRaceOrder();
      }
      if (typed) {
        form_.combo(ControlId::RaceOrderCombo).setSelection(state_.orderListIndex);
        ChooseFromRaceOrder();
      }
      break;
    case ControlId::MaterialRaceCombo:
      if (typed) form_.combo(ControlId::MaterialRaceCombo).setSelection(state_.materialRaceChoice);
      if (selection || typed) SetMaterialRace();
      break;
    case ControlId::RacePairList:
    case ControlId::RacePairCombo:
      if (selection) {
        const int line = form_.list(id).selection();
        form_.list(ControlId::RacePairList).setSelection(line);
        form_.combo(ControlId::RacePairCombo).setSelection(line);
        ChooseRacePair();
      }
      break;
    case ControlId::Material1Combo:
    case ControlId::MaterialList1:
    case ControlId::Material2Combo:
    case ControlId::MaterialList2: {
      const int panel = id == ControlId::Material1Combo || id == ControlId::MaterialList1 ? 1 : 2;
      if (selection || typed) materialNameShown_[panel - 1] = false;
      if (selection) MaterialChosen(panel, id);
      if (doubleClick && form_.control(id).kind() == ControlKind::ListBox) MaterialDoubleClicked(panel);
      break;
    }
    case ControlId::MaterialPairView:
      if (click) PickMaterialPair();
      if (doubleClick) {
        const int row = form_.listView(id).selectedRow();
        if (row >= 0 && static_cast<size_t>(row) < results_.materialPairs.size()) {
          state_.pickedRow = row;
          const MaterialPair pair = results_.materialPairs[static_cast<size_t>(row)];
          InsertTabAfterCurrent(pair.second);
          InsertTabAfterCurrent(pair.first);
        }
      }
      break;
    case ControlId::OpenDetailButton:
      if (click && state_.detailDemon) InsertTabAfterCurrent(*state_.detailDemon);
      break;
    case ControlId::OpenMaterial1Button:
      if (click && state_.panel1Demon) InsertTabAfterCurrent(*state_.panel1Demon);
      break;
    case ControlId::OpenMaterial2Button:
      if (click && state_.panel2Demon) InsertTabAfterCurrent(*state_.panel2Demon);
      break;
    case ControlId::NeutralCheck:
    case ControlId::CurseCheck:
      if (click) ToggleNeutralOrCurse();
      break;
    case ControlId::ReverseCheck:
      if (click) ToggleReverse();
      break;
    case ControlId::AutoLimitCheck:
      if (click) SetAutoLimit();
      break;
    case ControlId::ManualLimitCheck:
      if (click) SetManualLimit();
      break;
    case ControlId::LimitEdit:
      if (notification == N::TextChanged) ManualLimitEdited();
      break;
    case ControlId::Skill1Check:
    case ControlId::Skill2Check:
      if (click) RerunQuery();
      break;
    case ControlId::Skill1KindCombo:
    case ControlId::Skill1KanaCombo:
      if (selection) SkillChosen(1, id);
      break;
    case ControlId::Skill2KindCombo:
    case ControlId::Skill2KanaCombo:
      if (selection) SkillChosen(2, id);
      break;
    case ControlId::HolderCombo1:
    case ControlId::HolderList1:
    case ControlId::HolderCombo2:
    case ControlId::HolderList2: {
      const int group = id == ControlId::HolderCombo1 || id == ControlId::HolderList1 ? 1 : 2;
      if (selection || typed) holderCountShown_[group - 1] = false;
      if (selection) HolderChosen(group, id);
      if (doubleClick && form_.control(id).kind() == ControlKind::ListBox)
        openListedDemon(holders_[group - 1], form_.list(id).selection());
      break;
    }
    case ControlId::TabBar:
      if (notification == N::SelectionChanging) StoreTab();
      if (selection) {
        tabs_.currentTab = form_.tabs().selection();
        RestoreTab();
      }
      break;
    case ControlId::MoveLeftButton:
      if (click) MoveTabLeft();
      break;
    case ControlId::MoveRightButton:
      if (click) MoveTabRight();
      break;
    case ControlId::DeleteLeftButton:
      if (click) DeleteLeftTab();
      break;
    case ControlId::DeleteRightButton:
      if (click) DeleteRightTab();
      break;
    case ControlId::CloseTabButton:
      if (click) CloseTab();
      break;
    default:
      break;
  }
}

void CQmoorView::command(CommandId id) {
  switch (id) {
    case CommandId::SaveTabs:
      SaveTabs();
      break;
    case CommandId::LoadTabs:
      LoadTabs();
      break;
    case CommandId::ClearTabs:
      ClearTabs();
      break;
    default:
      break;
  }
}

}  // namespace qmoor
