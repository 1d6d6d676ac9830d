// sanitizeTabState on records as the view may hold them (any int, not only bytes).
#include "tabs/tab_sanitize.h"

#include <gtest/gtest.h>

#include "data/races.h"
#include "data/types.h"

namespace qmoor {
namespace {

TabState plainTab() {
  return TabState{.race = 2,
                  .slot = 0,
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
  t.materialRaceChoice = 1;
  t.materialRaceSet = 1;
  EXPECT_EQ(sanitizeTabState(t), t);
}

TEST(SanitizeTabState, NegativeRaceNamesNoDemon) {
  TabState t = plainTab();
  t.race = -1;
  const TabState s = sanitizeTabState(t);
  EXPECT_EQ(s.race, 0);
  EXPECT_EQ(s.slot, -1);
}

TEST(SanitizeTabState, SlotOutsideItsRaceBecomesNone) {
  for (int slot : {-2, -100, SlotsPerRace, 1 << 20}) {
    TabState t = plainTab();
    t.slot = slot;
    EXPECT_EQ(sanitizeTabState(t).slot, -1) << slot;
  }
  TabState none = plainTab();
  none.slot = -1;
  EXPECT_EQ(sanitizeTabState(none).slot, -1);
}

TEST(SanitizeTabState, SkillIndexOutsideTheCombosBecomesNone) {
  for (int index : {-2, SelectableSkillTotal, 1000}) {
    TabState t = plainTab();
    t.skill1Index = t.skill2Index = index;
    const TabState s = sanitizeTabState(t);
    EXPECT_EQ(s.skill1Index, -1) << index;
    EXPECT_EQ(s.skill2Index, -1) << index;
  }
}

TEST(SanitizeTabState, NegativeMaterialRaceMeansNoRestriction) {
  TabState t = plainTab();
  t.materialRaceCombo = -1;
  t.materialRaceChoice = -3;
  t.materialRaceSet = 1;
  const TabState s = sanitizeTabState(t);
  EXPECT_EQ(s.materialRaceCombo, 0);
  EXPECT_EQ(s.materialRaceChoice, 0);
  EXPECT_EQ(s.materialRaceSet, 0);
}

TEST(SanitizeTabState, NegativeCheckStateIsTicked) {
  TabState t = plainTab();
  t.neutral = -1;
  t.autoLimit = -7;
  const TabState s = sanitizeTabState(t);
  EXPECT_EQ(s.neutral, 1);
  EXPECT_EQ(s.autoLimit, 1);
}

TEST(SanitizeTabState, ListIndicesAndLimitTextAreLeftToTheView) {
  TabState t = plainTab();
  t.materialSel1 = -5;
  t.racePairIndex = 5000;
  t.pickedRow = 1 << 20;
  t.materialList2Index = -9;
  t.limitText = " x7";
  const TabState s = sanitizeTabState(t);
  EXPECT_EQ(s.materialSel1, -5);
  EXPECT_EQ(s.racePairIndex, 5000);
  EXPECT_EQ(s.pickedRow, 1 << 20);
  EXPECT_EQ(s.materialList2Index, -9);
  EXPECT_EQ(s.limitText, " x7");
}

}  // namespace
}  // namespace qmoor
