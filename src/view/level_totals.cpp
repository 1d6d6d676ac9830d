// The two level figures: the range of level sums the current demon needs from
// its materials, and the total level of the two selected materials.
#include "data/compendium.h"
#include "rules/required_total.h"
#include "view/view.h"

namespace qmoor {

void CQmoorView::ShowRequiredTotal() {
  const DemonRef demon{state_.currentRace, state_.currentSlot};
  if (!isOccupied(demon)) return;
  const std::optional<RequiredTotal> range = requiredTotal(demon);
  form_.edit(ControlId::RequiredLowEdit).setText(range ? std::to_string(range->low) : "---");
  form_.edit(ControlId::RequiredHighEdit).setText(range ? std::to_string(range->high) : "---");
}

void CQmoorView::UpdateTotalLevel() {
  const DemonRef first{state_.materialRace1, state_.materialSel1};
  const DemonRef second{state_.materialRace2, state_.materialSel2};
  const bool hasFirst = isOccupied(first);
  const bool hasSecond = isOccupied(second);
  if (!hasFirst && !hasSecond) return;
  const int total = (hasFirst ? level(first) : 0) + (hasSecond ? level(second) : 0);
  form_.edit(ControlId::SelectedTotalEdit).setText(std::to_string(total));
}

}  // namespace qmoor
