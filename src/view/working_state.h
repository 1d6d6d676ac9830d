// The working values that describe the query on screen: which race and demon
// are chosen, which restriction and materials are selected, the level cap,
// and which demons the panels show. One set for the whole window; it always
// belongs to the current tab.
#pragma once

#include <optional>

#include "data/types.h"

namespace qmoor {

struct WorkingState {
  Race currentRace = 0;
  Slot currentSlot = 0;          // -1: a race is chosen but no demon
  int orderListIndex = 0;        // last selection of the race-order combo
  int materialRaceChoice = 0;    // 0: no restriction; k: race k - 1
  bool materialRaceSet = false;
  bool demonChosen = false;      // recipes are listed for a normal or race-31 demon (target mode)
  bool racePairChosen = false;   // a line of the race-pair list is chosen
  bool materialPairPicked = false;
  Race materialRace1 = 0;
  Race materialRace2 = 0;
  int materialSel1 = -1;
  int materialSel2 = -1;
  int pickedRow = -1;            // row of the material-pair list last picked
  int LevelCap = 50;             // counts only while a level limit is ticked
  bool limitEditArmed = false;   // true from the level edit's first change notification on
  std::optional<DemonRef> detailDemon;
  std::optional<DemonRef> panel1Demon;
  std::optional<DemonRef> panel2Demon;
};

inline constexpr int NoLimitCap = 99;  // admits every demon: the highest level is 95

}  // namespace qmoor
