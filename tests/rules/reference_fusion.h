// A literal, demon-by-demon reading of the fusion rules, built only on the
// compendium lookups: the yardstick that the fast enumeration is held to.
#pragma once

#include <optional>
#include <vector>

#include "rules/filter_settings.h"
#include "rules/fusion_rules.h"
#include "rules/pair_enumeration.h"

namespace qmoor::reference {

// Whether the skill conditions accept a pair, reading both skill lists.
bool skillsAccept(const SkillConditions& conditions, DemonRef a, DemonRef b);

// The normal demon of `race` that two materials of level sum `sum` give:
// the lowest whose level L has 2L - 2 >= sum, else slot 0 when it is normal.
std::optional<Slot> normalResult(Race race, int sum);

// Every (source, spirit) of the target's race whose spirit move lands on the
// target, sources in slot order, spirits 0..3.
std::vector<SpiritSource> spiritSourcesByMoves(DemonRef target, bool curse);

std::vector<RacePair> racePairs(Race resultRace, Race currentRace, std::optional<DemonRef> target,
                                const FilterSettings& filters, bool reverse);
std::vector<MaterialPair> materialPairs(Race a, Race b, DemonRef target, const FilterSettings& filters);
std::vector<MaterialPair> spiritPairs(DemonRef target, const FilterSettings& filters);
FusionAnswer answer(DemonRef target, const FilterSettings& filters, bool reverse);

}  // namespace qmoor::reference
