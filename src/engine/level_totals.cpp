// The two level figures: the range of level sums the current demon needs from
// its materials, and the total level of the two selected materials.
#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"
#include "view/view.h"

namespace qmoor {

namespace {

// Races whose slot 0 is special and slot 1 normal: their slot-1 demon shows
// no upper bound although pairs above it yield nothing.
bool specialAboveSecond(Race race) {
  switch (race) {
    case 2: case 3: case 6: case 8: case 14: case 17:
      return true;
    default:
      return false;
  }
}

// The lowest normal demons of the two races whose last demon is special.
bool lowestNormalAboveSpecialLast(DemonRef demon) {
  return demon == DemonRef{16, 5} || demon == DemonRef{25, 2};
}

}  // namespace

void CQmoorView::ShowRequiredTotal() {
  const DemonRef demon{state_.currentRace, state_.currentSlot};
  if (!isOccupied(demon)) return;
  const Race race = demon.race;
  const Slot slot = demon.slot;
  const int count = raceCount(race);
  const int levelOf = level(demon);
  const int below = slot == count - 1 ? 0 : fusionLevel(race, slot + 1);
  std::string low;
  std::string high;
  if (count == 1 || race == PhaseRace) {
    low = "0";
    high = "999";
  } else if (slot == 0 || (slot == 1 && specialAboveSecond(race))) {
    low = std::to_string(2 * below - 1);
    high = "999";
  } else if (slot == count - 1 || lowestNormalAboveSpecialLast(demon)) {
    low = "0";
    high = std::to_string(2 * levelOf - 2);
  } else {
    low = std::to_string(2 * below - 1);
    high = std::to_string(2 * levelOf - 2);
  }
  if (isSpecial(demon)) low = high = "---";
  form_.edit(ControlId::RequiredLowEdit).setText(low);
  form_.edit(ControlId::RequiredHighEdit).setText(high);
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
