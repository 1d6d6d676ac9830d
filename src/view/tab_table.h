// The tab bookkeeping: one record per tab, the current and the last tab, and
// the name of the file last saved or loaded.
#pragma once

#include <array>
#include <string>

#include "tabs/tab_state.h"

namespace qmoor {

struct TabTable {
  std::array<TabState, MaxTabs> records{};  // record i belongs to the tab at position i
  int currentTab = 0;
  int lastTab = 0;            // number of tabs minus 1
  std::string lastFileName;   // name and extension, no folder
};

}  // namespace qmoor
