// The two skill groups of the form: keeping the kind-order and kana-order
// combos on one skill, listing the skill's holders, showing a chosen holder,
// and re-running the query when a ticked condition changes.
#include "data/compendium.h"
#include "data/skills.h"
#include "names/ui_texts.h"
#include "view/view.h"

namespace qmoor {

namespace {

struct SkillGroupControls {
  ControlId check;
  ControlId kindCombo;
  ControlId kanaCombo;
  ControlId holderCombo;
  ControlId holderList;
};

const SkillGroupControls& skillGroup(int group) {
  static const SkillGroupControls first{ControlId::Skill1Check, ControlId::Skill1KindCombo, ControlId::Skill1KanaCombo,
                                        ControlId::HolderCombo1, ControlId::HolderList1};
  static const SkillGroupControls second{ControlId::Skill2Check, ControlId::Skill2KindCombo, ControlId::Skill2KanaCombo,
                                         ControlId::HolderCombo2, ControlId::HolderList2};
  return group == 1 ? first : second;
}

}  // namespace

void CQmoorView::SkillChosen(int group, ControlId source) {
  const SkillGroupControls& controls = skillGroup(group);
  const bool fromKind = source == controls.kindCombo;
  const int position = form_.combo(source).selection() + 1;
  const int skill = fromKind ? kindOrderAt(position) : nameOrderAt(position, language_);
  const int otherPosition = fromKind ? namePositionOf(skill, language_) : kindPositionOf(skill);
  if (otherPosition >= 0) form_.combo(fromKind ? controls.kanaCombo : controls.kindCombo).setSelection(otherPosition - 1);
  if (form_.check(controls.check).checked()) RerunQuery();
  FillHolders(group);
}

void CQmoorView::RerunQuery() {
  const Slot slot = state_.currentSlot;
  form_.combo(ControlId::RaceCombo).setSelection(state_.currentRace);
  ChooseRace();
  if (slot < 0) return;
  form_.list(ControlId::DemonList).setSelection(slot);
  form_.combo(ControlId::DemonCombo).setSelection(slot);
  ChooseDemon();
}

void CQmoorView::FillHolders(int group) {
  const SkillGroupControls& controls = skillGroup(group);
  std::vector<DemonRef>& holders = holders_[group == 1 ? 0 : 1];
  ComboBox& combo = form_.combo(controls.holderCombo);
  ListBox& list = form_.list(controls.holderList);
  combo.clear();
  list.clear();
  holders = qmoor::holders(kindOrderAt(form_.combo(controls.kindCombo).selection() + 1));
  for (const DemonRef& holder : holders) {
    std::string label = holderLabel(holder, language_);
    combo.append(label);
    list.append(std::move(label));
  }
  for (int g : {0, 1}) {
    form_.combo(g == 0 ? ControlId::HolderCombo1 : ControlId::HolderCombo2).setText(holderCountText(g));
    holderCountShown_[g] = true;
  }
}

std::string CQmoorView::holderCountText(int g) const {
  return uiMessage("所持悪魔 ： %1体", language_, {std::to_string(holders_[g].size())});
}

void CQmoorView::HolderChosen(int group, ControlId source) {
  const SkillGroupControls& controls = skillGroup(group);
  const int entry = form_.list(source).selection();
  form_.list(controls.holderList).setSelection(entry);
  form_.combo(controls.holderCombo).setSelection(entry);
  const std::vector<DemonRef>& holders = holders_[group == 1 ? 0 : 1];
  if (entry < 0 || static_cast<size_t>(entry) >= holders.size()) return;
  showMaterial(group, holders[static_cast<size_t>(entry)]);
}

}  // namespace qmoor
