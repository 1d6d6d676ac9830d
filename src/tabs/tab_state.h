// TabState: everything a tab remembers of its query (the demon, the options,
// the skill conditions, the level limit and the list selections).
#pragma once

#include <string>

namespace qmoor {

inline constexpr int MaxTabs = 200;

// Check states are 0 or 1; selection indices are zero-based, -1 for none.
struct TabState {
  int race = 0;                // currentRace
  int slot = 0;                // currentSlot, -1 when only a race is chosen
  int reverse = 0;             // check box 1058
  int neutral = 0;             // check box 1057
  int materialRaceSet = 0;     // materialRaceChoice != 0
  int skill1On = 0;            // check box 1174
  int skill2On = 0;            // check box 1180
  int skill1Index = 0;         // combo 1172, kind order
  int skill2Index = 0;         // combo 1181, kind order
  int curse = 0;               // check box 1059
  int autoLimit = 0;           // check box 1017
  int manualLimit = 0;         // check box 1018
  int materialSel1 = 0;        // working materialSel1
  int materialSel2 = 0;        // working materialSel2
  int materialRaceCombo = 0;   // combo 1000, 0 = no restriction
  int racePairIndex = 0;       // list 1001
  int pickedRow = 0;           // working pickedRow, a row of list view 1116
  int materialList1Index = 0;  // list 1003
  int materialList2Index = 0;  // list 1004
  int materialRaceChoice = 0;  // working materialRaceChoice, 0..32
  std::string limitText;       // edit 1019

  friend bool operator==(const TabState&, const TabState&) = default;
};

}  // namespace qmoor
