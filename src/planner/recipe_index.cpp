// The fusions making each demon. Spirit and phase fusions are read from the
// reverse listing with every filter open, since levels do not change them;
// normal fusions come from the chart and the demon's level window, for every
// pair of materials whose levels, raised as far as need be, can meet it.
#include "planner/recipe_index.h"

#include <algorithm>
#include <array>

#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"
#include "rules/pair_enumeration.h"

namespace qmoor {
namespace {

using RecipeTable = std::array<std::array<std::vector<MaterialFusion>, SlotsPerRace>, RaceTotal>;

void addNormalFusions(DemonRef target, bool curse, std::vector<MaterialFusion>& out) {
  if (target.race == PhaseRace || isSpecial(target) || barredFromRacePairs(target, curse)) return;
  const LevelWindow window = fusionWindow(target);
  const int highest = std::min(window.high.value_or(2 * HighestLevel), 2 * HighestLevel);
  for (Race a = 0; a < RaceTotal; ++a) {
    for (Race b = a + 1; b < RaceTotal; ++b) {
      if (fusionResult(a, b, curse) != target.race) continue;
      for (Slot slotA = 0; slotA < raceCount(a); ++slotA) {
        for (Slot slotB = 0; slotB < raceCount(b); ++slotB) {
          const DemonRef first{a, slotA};
          const DemonRef second{b, slotB};
          if (first == target || second == target || level(first) + level(second) > highest) continue;
          out.push_back({first, second, FusionKind::Normal, std::max(window.low, 0), highest});
        }
      }
    }
  }
}

RecipeTable buildTable(bool curse) {
  RecipeTable table;
  FilterSettings filters;
  filters.curse = curse;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
      const DemonRef target{race, slot};
      if (!isOccupied(target)) continue;
      std::vector<MaterialFusion>& fusions = table[race][slot];
      addNormalFusions(target, curse, fusions);
      for (const MaterialPair& pair : answerFor(target, filters, false).materialPairs) {
        if (race == PhaseRace) {
          fusions.push_back({pair.first, pair.second, FusionKind::Phase});
        } else if (pair.second.race == SpiritRace) {
          fusions.push_back({pair.first, pair.second, FusionKind::Spirit});
        }
      }
    }
  }
  return table;
}

}  // namespace

const std::vector<MaterialFusion>& fusionsMaking(DemonRef demon, bool curse) {
  static const RecipeTable plain = buildTable(false);
  static const RecipeTable cursed = buildTable(true);
  return (curse ? cursed : plain)[demon.race][demon.slot];
}

}  // namespace qmoor
