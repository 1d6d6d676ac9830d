// Bringing a tab record's fields into their ranges, so that restoring it
// never reads outside a compendium table or a fixed list.
#pragma once

#include "tabs/tab_state.h"

namespace qmoor {

// Each field outside its range takes its "none" value:
// - a race outside 0..31 names no demon: race 0, slot -1;
// - a slot outside 0..raceCount(race)-1 becomes -1 (no demon chosen);
// - a skill index outside 0..250 becomes -1 (no skill selected);
// - materialRaceCombo and materialRaceChoice outside 0..32 become 0 (no
//   restriction), and materialRaceSet follows materialRaceChoice;
// - every other check state that is not 0 counts as ticked and becomes 1.
// The list and row indices and limitText depend on lists built at restore
// time and are left as they are; the view checks them when it restores.
[[nodiscard]] TabState sanitizeTabState(TabState tab);

}  // namespace qmoor
