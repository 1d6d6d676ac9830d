// The tab bookkeeping: one record per tab, the demon each tab's label names,
// the current and the last tab, and the name of the file last saved or loaded.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/types.h"
#include "tabs/tab_state.h"

namespace qmoor {

struct TabTable {
  std::array<TabState, MaxTabs> records{};  // record i belongs to the tab at position i
  std::vector<DemonRef> labelled;           // label i names this demon (no demon: an empty label)
  int currentTab = 0;
  int lastTab = 0;            // number of tabs minus 1
  std::string lastFileName;   // name and extension, no folder
};

}  // namespace qmoor
