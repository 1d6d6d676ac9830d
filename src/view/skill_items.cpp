// CQmoorView::skillShownAt: which skill each item of the form's skill lists
// (the detail and material panels) and skill combos stands for, read from
// what the view put there: the panels' demons and the combos' two orders.
#include "data/compendium_grid.h"
#include "data/skills.h"
#include "view/view.h"

namespace qmoor {
namespace {

std::optional<int> listed(const std::optional<DemonRef>& demon, SkillList which, int item) {
  if (!demon || item < 0 || item >= SkillListLength) return 0;
  return skillsOf(*demon, which)[static_cast<std::size_t>(item)];
}

}  // namespace

std::optional<int> CQmoorView::skillShownAt(ControlId id, int item) const {
  switch (id) {
    case ControlId::DetailSkills1:
      return listed(state_.detailDemon, SkillList::First, item);
    case ControlId::DetailSkills2:
      return listed(state_.detailDemon, SkillList::Second, item);
    case ControlId::Material1Skills1:
      return listed(state_.panel1Demon, SkillList::First, item);
    case ControlId::Material1Skills2:
      return listed(state_.panel1Demon, SkillList::Second, item);
    case ControlId::Material2Skills1:
      return listed(state_.panel2Demon, SkillList::First, item);
    case ControlId::Material2Skills2:
      return listed(state_.panel2Demon, SkillList::Second, item);
    case ControlId::Skill1KindCombo:
    case ControlId::Skill2KindCombo:
      return item >= 0 && item + 1 < SkillOrderLength ? kindOrderAt(item + 1) : 0;
    case ControlId::Skill1KanaCombo:
    case ControlId::Skill2KanaCombo:
      return item >= 0 && item + 1 < SkillOrderLength ? nameOrderAt(item + 1, language_) : 0;
    default:
      return std::nullopt;
  }
}

}  // namespace qmoor
