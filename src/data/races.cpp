// Race names, short names and demon counts.
#include "data/races.h"

#include "data/race_table.h"

namespace qmoor {

std::string_view raceName(Race race) { return RaceTable[race].name; }

std::string_view raceShortName(Race race) { return RaceTable[race].shortName; }

int raceCount(Race race) { return RaceTable[race].count; }

}  // namespace qmoor
