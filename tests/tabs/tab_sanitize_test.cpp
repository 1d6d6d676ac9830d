// sanitizeTabState on records as the view may hold them (any int, not only bytes).
#include "tabs/tab_sanitize.h"

#include <gtest/gtest.h>

#include "data/races.h"
#include "data/types.h"

namespace qmoor {
namespace {

TabState plainTab() {
  return TabState{.race = 2,
                  .skill1Index = 33,
                  .skill2Index = -1,
                  .materialSel1 = -1,
                  .materialSel2 = -1,
                  .racePairIndex = -1,
                  .pickedRow = -1,
                  .materialList1Index = -1,
                  .materialList2Index = -1,
                  .limitText = "50"};
}

TEST(SanitizeTabState, InRangeRecordIsUnchanged) {
  TabState t = plainTab();
  t.slot = raceCount(t.race) - 1;
  t.reverse = t.curse = t.manualLimit = 1;
  t.skill1Index = 0;
  t.skill2Index = SelectableSkillTotal - 1;
  t.materialRaceCombo = RaceTotal;
  t.materialRaceChoice = t.materialRaceSet = 1;
  EXPECT_EQ(sanitizeTabState(t), t);
}

// Values no file byte can hold fall back to "none" as well.
TEST(SanitizeTabState, NegativeAndLargeValuesFallBackToNone) {
  TabState t = plainTab();
  t.race = -1;
  t.neutral = -1;
  t.skill1Index = -2;
  t.skill2Index = 1000;
  t.materialRaceCombo = -1;
  t.materialRaceChoice = -3;
  t.materialRaceSet = 1;
  const TabState s = sanitizeTabState(t);
  EXPECT_EQ(s.race, 0);
  EXPECT_EQ(s.slot, -1);
  EXPECT_EQ(s.neutral, 1);
  EXPECT_EQ(s.skill1Index, -1);
  EXPECT_EQ(s.skill2Index, -1);
  EXPECT_EQ(s.materialRaceCombo, 0);
  EXPECT_EQ(s.materialRaceChoice, 0);
  EXPECT_EQ(s.materialRaceSet, 0);
  for (int slot : {-2, SlotsPerRace, 1 << 20}) {
    TabState other = plainTab();
    other.slot = slot;
    EXPECT_EQ(sanitizeTabState(other).slot, -1) << slot;
  }
}

TEST(SanitizeTabState, ListIndicesAndLimitTextAreLeftToTheView) {
  TabState t = plainTab();
  t.materialSel1 = -5;
  t.racePairIndex = 5000;
  t.pickedRow = 1 << 20;
  t.materialList2Index = -9;
  t.limitText = " x7";
  EXPECT_EQ(sanitizeTabState(t), t);
}

}  // namespace
}  // namespace qmoor
