// The fusion rules: level brackets of normal fusion, spirit moves and the
// filter tests on races and levels.
#include "data/races.h"
#include "rules/fusion_rules.h"

#include "rules/rule_tables.h"
#include "rules/spirit_moves.h"

namespace qmoor {
namespace {

constexpr DemonRef Sakahagi{20, 1};

// F of the bracket: the fusion level of the slot below, 0 for the last demon.
int floorLevel(DemonRef target) {
  const auto& t = detail::ruleTables();
  return target.slot + 1 >= t.count[target.race] ? 0 : t.fusionLevel[target.race][target.slot + 1];
}

}  // namespace

int fusionLevel(Race race, Slot slot) { return detail::ruleTables().fusionLevel[race][slot]; }

LevelWindow fusionWindow(DemonRef target) {
  LevelWindow window;
  window.low = 2 * floorLevel(target) - 1;
  if (target.slot != 0) window.high = 2 * detail::ruleTables().level[target.race][target.slot] - 2;
  return window;
}

bool pairYieldsDemon(DemonRef target, int levelA, int levelB) {
  if (target.race == PhaseRace) return true;
  const LevelWindow window = fusionWindow(target);
  const int sum = levelA + levelB;
  return sum >= window.low && (!window.high || sum <= *window.high);
}

bool barredFromRacePairs(DemonRef target, bool curse) { return !curse && target == Sakahagi; }

bool shiftsDown(Race race, int spirit, bool curse) {
  return detail::ruleTables().spiritDirection[race][spirit] == (curse ? SpiritStepsUp : SpiritStepsDown);
}

bool shiftsUp(Race race, int spirit, bool curse) {
  return detail::ruleTables().spiritDirection[race][spirit] == (curse ? SpiritStepsDown : SpiritStepsUp);
}

namespace detail {

SpiritSourceBuffer collectSpiritSources(Race race, int slot, bool curse) {
  const auto& t = ruleTables();
  SpiritSourceBuffer out;
  auto group = [&](int sourceSlot, bool down) {
    for (int k = 0; k < 4; ++k) {
      if (down ? shiftsDown(race, k, curse) : shiftsUp(race, k, curse)) {
        out.items[static_cast<std::size_t>(out.size++)] = {{race, sourceSlot}, k};
      }
    }
  };
  const int count = t.count[race];
  if (slot >= 2 && t.special[race][slot - 1]) group(slot - 2, true);
  if (slot >= 1) group(slot - 1, true);
  if (slot + 1 < count) group(slot + 1, false);
  if (slot + 2 < count && t.special[race][slot + 1]) group(slot + 2, false);
  return out;
}

}  // namespace detail

std::vector<SpiritSource> spiritSources(DemonRef target, bool curse) {
  if (detail::ruleTables().special[target.race][target.slot]) return {};
  const auto buffer = detail::collectSpiritSources(target.race, target.slot, curse);
  return {buffer.begin(), buffer.end()};
}

bool admitsRacePair(int materialRaceChoice, Race a, Race b) {
  return materialRaceChoice == 0 || materialRaceChoice == a + 1 || materialRaceChoice == b + 1;
}

bool admitsSpiritPairs(int materialRaceChoice, Race race) {
  return materialRaceChoice == 0 || materialRaceChoice == SpiritRace + 1 || materialRaceChoice == race + 1;
}

}  // namespace qmoor
