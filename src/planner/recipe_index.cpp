// The fusions making each demon, read from the reverse listing with every
// filter open (cap 99); the planner applies its level limit itself, which
// keeps exactly the pairs whose two materials are within it.
#include "planner/recipe_index.h"

#include <array>

#include "data/compendium.h"
#include "rules/pair_enumeration.h"

namespace qmoor {
namespace {

using RecipeTable = std::array<std::array<std::vector<MaterialFusion>, SlotsPerRace>, RaceTotal>;

RecipeTable buildTable(bool curse) {
  RecipeTable table;
  FilterSettings filters;
  filters.curse = curse;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < SlotsPerRace; ++slot) {
      const DemonRef target{race, slot};
      if (!isOccupied(target)) continue;
      for (const MaterialPair& pair : answerFor(target, filters, false).materialPairs) {
        const FusionKind kind = race == PhaseRace                ? FusionKind::Phase
                                : pair.second.race == SpiritRace ? FusionKind::Spirit
                                                                 : FusionKind::Normal;
        table[race][slot].push_back({pair.first, pair.second, kind});
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
