// The compendium figures that the fusion rules read in their inner loops,
// copied once into flat arrays indexed by race and slot.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "data/types.h"
#include "rules/pair_enumeration.h"

namespace qmoor::detail {

template <class T>
using RaceSlotTable = std::array<std::array<T, SlotsPerRace>, RaceTotal>;

struct RuleTables {
  std::array<int, RaceTotal> count{};
  RaceSlotTable<int> level{};        // 0 in unoccupied slots
  RaceSlotTable<int> fusionLevel{};  // the cell of a special demon bounds the bracket by the next normal one
  RaceSlotTable<bool> special{};
  RaceSlotTable<std::bitset<SkillNumberTotal>> skills{};  // both skill lists; never 0 or the sentinel
  std::array<std::array<int, 4>, RaceTotal> spiritDirection{};
  std::array<bool, RaceTotal> neutral{};
  // The race pairs of each result race in enumeration order: [curse][reverse][result race].
  std::array<std::array<std::array<std::vector<RacePair>, RaceTotal>, 2>, 2> pairsByResult;
};

// Built on first use from the compendium lookups; constant afterwards.
const RuleTables& ruleTables();

}  // namespace qmoor::detail
