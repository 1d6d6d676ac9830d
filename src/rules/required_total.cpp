// The required level range: the bounds of the normal-fusion bracket, with the
// form's own readings at the edges of a race.
#include "rules/required_total.h"

#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"

namespace qmoor {
namespace {

// Races whose slot 0 is special and slot 1 normal: their slot-1 demon shows
// no upper bound although pairs above it yield nothing.
bool specialAboveSecond(Race race) {
  switch (race) {
    case 2: case 3: case 6: case 8: case 14: case 17:
      return true;
    default:
      return false;
  }
}

// The lowest normal demons of the two races whose last demon is special.
bool lowestNormalAboveSpecialLast(DemonRef demon) {
  return demon == DemonRef{16, 5} || demon == DemonRef{25, 2};
}

}  // namespace

std::optional<RequiredTotal> requiredTotal(DemonRef demon) {
  if (!isOccupied(demon) || isSpecial(demon)) return std::nullopt;
  const Race race = demon.race;
  const Slot slot = demon.slot;
  const int count = raceCount(race);
  const int below = slot == count - 1 ? 0 : fusionLevel(race, slot + 1);
  if (count == 1 || race == PhaseRace) return RequiredTotal{0, 999};
  if (slot == 0 || (slot == 1 && specialAboveSecond(race))) return RequiredTotal{2 * below - 1, 999};
  if (slot == count - 1 || lowestNormalAboveSpecialLast(demon)) return RequiredTotal{0, 2 * level(demon) - 2};
  return RequiredTotal{2 * below - 1, 2 * level(demon) - 2};
}

}  // namespace qmoor
