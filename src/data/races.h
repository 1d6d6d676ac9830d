// Race names and counts, the two fixed demon orderings and the race-level
// fusion tables (both charts, spirit directions, NEUTRAL races, phase races).
#pragma once

#include <string_view>

#include "data/types.h"

namespace qmoor {

std::string_view raceName(Race race);       // with its trailing blanks
std::string_view raceShortName(Race race);  // two characters
int raceCount(Race race);                   // occupied slots of the race

DemonRef levelOrderAt(int position);  // 0..182, level descending, stored tie order
DemonRef raceOrderAt(int position);   // 0..182, race then slot
int levelOrderIndexOf(DemonRef demon);  // -1 when not listed
int raceOrderIndexOf(DemonRef demon);   // -1 when not listed

// Result race of fusing races a and b by the chart of the CURSE setting, -1 for none.
int fusionResult(Race a, Race b, bool curse);
// Where a spirit fusion moves a demon of a race within its race, as stored.
inline constexpr int SpiritStepsDown = 0;  // to the next lower demon
inline constexpr int SpiritStepsUp = 1;    // to the next higher demon
inline constexpr int NoSpiritFusion = 9;   // the race takes no spirit fusion
int spiritDirection(Race race, int spirit);
bool isNeutralPair(Race a, Race b);
Race phaseFusionRace(Slot slotOfRace31);  // slot 0..8

}  // namespace qmoor
