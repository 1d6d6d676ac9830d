// Lookups over the roster and the generated game data: column texts, levels,
// fusion kinds, occupancy and stored references.
#include "data/compendium.h"

#include "data/compendium_grid.generated.h"
#include "data/race_table.h"
#include "data/roster_table.h"

namespace qmoor {

std::string_view cell(Column column, DemonRef demon) {
  switch (column) {
    case Column::Level:
      return levelText(level(demon));
    case Column::Name:
      return Roster[demon.race][demon.slot].name;
    default:
      return CompendiumTexts[demon.race][demon.slot][static_cast<int>(column) - static_cast<int>(Column::HP)];
  }
}

int level(DemonRef demon) { return Roster[demon.race][demon.slot].level; }

DemonOrigin originOf(DemonRef demon) {
  switch (Roster[demon.race][demon.slot].originMark) {
    case 'x': return DemonOrigin::OneNamedMaterial;
    case 'w': return DemonOrigin::TwoNamedMaterials;
    case '1': return DemonOrigin::Spirit;
    default: return DemonOrigin::Chart;
  }
}

bool isSpecial(DemonRef demon) { return originOf(demon) != DemonOrigin::Chart; }

bool isOccupied(DemonRef demon) {
  return demon.race >= 0 && demon.race < RaceTotal && demon.slot >= 0 && demon.slot < RaceTable[demon.race].count;
}

std::optional<DemonRef> fromStored(int storedRace, int storedSlot) {
  if (storedRace == 0) return std::nullopt;
  return DemonRef{storedRace - 1, storedSlot - 1};
}

}  // namespace qmoor
