// Range checks of tab records: see tab_sanitize.h.
#include "tabs/tab_sanitize.h"

#include "data/races.h"
#include "data/types.h"

namespace qmoor {

namespace {

int checkState(int value) { return value != 0 ? 1 : 0; }

int skillIndex(int index) { return index >= -1 && index < SelectableSkillTotal ? index : -1; }

// Combo 1000 holds "指定なし" and then one line per race.
int materialRaceItem(int item) { return item >= 0 && item <= RaceTotal ? item : 0; }

}  // namespace

TabState sanitizeTabState(TabState tab) {
  if (tab.race < 0 || tab.race >= RaceTotal) {
    tab.race = 0;
    tab.slot = -1;
  }
  if (tab.slot < 0 || tab.slot >= raceCount(tab.race)) tab.slot = -1;

  tab.reverse = checkState(tab.reverse);
  tab.neutral = checkState(tab.neutral);
  tab.skill1On = checkState(tab.skill1On);
  tab.skill2On = checkState(tab.skill2On);
  tab.curse = checkState(tab.curse);
  tab.autoLimit = checkState(tab.autoLimit);
  tab.manualLimit = checkState(tab.manualLimit);

  tab.skill1Index = skillIndex(tab.skill1Index);
  tab.skill2Index = skillIndex(tab.skill2Index);

  tab.materialRaceCombo = materialRaceItem(tab.materialRaceCombo);
  tab.materialRaceChoice = materialRaceItem(tab.materialRaceChoice);
  tab.materialRaceSet = tab.materialRaceChoice != 0 ? 1 : 0;
  return tab;
}

}  // namespace qmoor
