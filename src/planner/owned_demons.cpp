// The owned demons as "R/S" entries: see owned_demons.h.
#include "planner/owned_demons.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/race_slot_text.h"

namespace qmoor {

std::vector<std::string> ownedDemonEntries(const std::vector<DemonRef>& demons) {
  std::vector<std::string> entries;
  for (const DemonRef demon : demons) entries.push_back(raceSlotText(demon));
  return entries;
}

std::vector<DemonRef> ownedDemonsFrom(const std::vector<std::string>& entries) {
  std::vector<DemonRef> demons;
  for (const std::string& entry : entries) {
    const std::optional<DemonRef> demon = raceSlotFrom(entry);
    if (demon && isOccupied(*demon) && std::find(demons.begin(), demons.end(), *demon) == demons.end()) demons.push_back(*demon);
  }
  return demons;
}

}  // namespace qmoor
