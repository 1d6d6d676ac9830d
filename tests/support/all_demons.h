// Test helpers over the whole compendium: every occupied demon, and texts
// without the blanks that pad race names.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "data/races.h"
#include "data/types.h"

namespace qmoor::testing {

// Every occupied demon, race by race and slot by slot, walked from the race counts.
inline std::vector<DemonRef> allDemons() {
  std::vector<DemonRef> demons;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < raceCount(race); ++slot) demons.push_back({race, slot});
  }
  return demons;
}

// The race name without its trailing ASCII and full-width blanks.
inline std::string_view bareRaceName(Race race) {
  std::string_view name = raceName(race);
  for (;;) {
    if (name.ends_with(' ')) {
      name.remove_suffix(1);
    } else if (name.ends_with("　")) {
      name.remove_suffix(std::string_view("　").size());
    } else {
      return name;
    }
  }
}

// Number of characters in a UTF-8 text.
inline int characterCount(std::string_view text) {
  int count = 0;
  for (char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

inline std::string describe(DemonRef demon) {
  return std::to_string(demon.race) + "/" + std::to_string(demon.slot);
}

}  // namespace qmoor::testing

namespace qmoor {

// Lets GoogleTest show a demon as race/slot.
inline void PrintTo(DemonRef demon, std::ostream* out) { *out << testing::describe(demon); }

}  // namespace qmoor
