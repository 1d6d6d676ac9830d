// The fusion rules: which pairs of demons fuse into a given demon by normal,
// spirit or phase fusion. Pure functions over the compendium.
#pragma once

#include <optional>
#include <vector>

#include "data/types.h"
#include "rules/filter_settings.h"

namespace qmoor {

// The level that bounds the normal-fusion bracket of the slot above: the
// demon's level, or for a special demon the level of the next demon below it
// (0 when it is the last of its race).
int fusionLevel(Race race, Slot slot);

struct LevelWindow {
  int low = 0;                    // 2F - 1
  std::optional<int> high;        // 2L - 2; none for slot 0
};
LevelWindow fusionWindow(DemonRef target);  // a normal demon outside race 31
bool pairYieldsDemon(DemonRef target, int levelA, int levelB);
// Whether no race pair makes the demon under this CURSE setting (サカハギ
// is made only with CURSE ticked).
bool barredFromRacePairs(DemonRef target, bool curse);

bool shiftsDown(Race race, int spirit, bool curse);
bool shiftsUp(Race race, int spirit, bool curse);

struct SpiritSource {
  DemonRef source;
  int spirit = 0;  // the spirit demon is (29, spirit)
  friend bool operator==(const SpiritSource&, const SpiritSource&) = default;
};
std::vector<SpiritSource> spiritSources(DemonRef target, bool curse);

bool admitsRacePair(int materialRaceChoice, Race a, Race b);
bool admitsSpiritPairs(int materialRaceChoice, Race race);

}  // namespace qmoor
