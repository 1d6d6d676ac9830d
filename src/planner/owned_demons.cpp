// The owned demons as "R/S" entries: see owned_demons.h.
#include "planner/owned_demons.h"

#include <algorithm>

#include "data/compendium.h"
#include "data/race_slot_text.h"

namespace qmoor {

std::vector<DemonRef> ownedDemonsFrom(const std::vector<std::string>& entries) {
  std::vector<DemonRef> demons;
  for (const std::string& entry : entries) {
    const std::optional<DemonRef> demon = raceSlotFrom(entry);
    if (demon && isOccupied(*demon) && std::ranges::find(demons, *demon) == demons.end()) demons.push_back(*demon);
  }
  return demons;
}

}  // namespace qmoor
