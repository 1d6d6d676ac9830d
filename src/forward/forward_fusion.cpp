// Forward fusion: reads the chart, the level windows and the spirit shifts
// from a pair of materials towards the demon they make.
#include "forward/forward_fusion.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "data/compendium.h"
#include "data/races.h"
#include "data/recipes.h"
#include "rules/fusion_rules.h"

namespace qmoor {
namespace {

constexpr int NoSlot = -1;
constexpr int SpiritTotal = 4;  // the four spirits of race 29, one column each of the shift table

template <class T>
using PerDemon = std::array<std::array<T, SlotsPerRace>, RaceTotal>;

// The answers of the rules, gathered once per process so that a pair costs a
// handful of lookups: the normal demon each level sum makes in each race, the
// race-31 demons of each phase race, and where each spirit moves each demon.
struct ForwardTables {
  std::array<int, RaceTotal> count{};
  PerDemon<int> level{};
  std::array<std::vector<std::int8_t>, RaceTotal> normalBySum;  // by level sum: the slot, or NoSlot
  std::array<std::vector<DemonRef>, RaceTotal> phaseByRace;      // slot order
  std::array<PerDemon<std::array<std::int8_t, SpiritTotal>>, 2> spiritLanding{};  // [curse][race][slot][spirit]
};

// The normal demon of the race whose window holds the level sum; special
// demons have no window of their own and are stepped over.
std::int8_t normalSlotFor(Race race, int count, int sum) {
  for (Slot slot = 0; slot < count; ++slot) {
    const DemonRef demon{race, slot};
    if (!isSpecial(demon) && pairYieldsDemon(demon, sum, 0)) return static_cast<std::int8_t>(slot);
  }
  return NoSlot;
}

// The slot a spirit moves a demon to: one demon down or up the race by the
// shift table, passing over one special demon; none off the ends of the race
// or onto a special demon.
std::int8_t spiritLandingFor(DemonRef source, int spirit, bool curse, int count) {
  const int step = shiftsDown(source.race, spirit, curse) ? 1 : shiftsUp(source.race, spirit, curse) ? -1 : 0;
  if (step == 0) return NoSlot;
  const auto inRace = [count](int slot) { return slot >= 0 && slot < count; };
  int slot = source.slot + step;
  if (inRace(slot) && isSpecial({source.race, slot})) slot += step;
  if (!inRace(slot) || isSpecial({source.race, slot})) return NoSlot;
  return static_cast<std::int8_t>(slot);
}

ForwardTables build() {
  ForwardTables t;
  int highestLevel = 0;
  for (Race race = 0; race < RaceTotal; ++race) {
    t.count[race] = raceCount(race);
    for (Slot slot = 0; slot < t.count[race]; ++slot) {
      t.level[race][slot] = level({race, slot});
      highestLevel = std::max(highestLevel, t.level[race][slot]);
    }
  }
  for (Race race = 0; race < RaceTotal; ++race) {
    auto& bySum = t.normalBySum[race];
    bySum.resize(static_cast<std::size_t>(2 * highestLevel + 1), NoSlot);
    if (race != PhaseRace) {
      for (int sum = 0; sum <= 2 * highestLevel; ++sum) bySum[static_cast<std::size_t>(sum)] = normalSlotFor(race, t.count[race], sum);
    }
    for (int curse = 0; curse < 2; ++curse) {
      for (Slot slot = 0; slot < t.count[race]; ++slot) {
        for (int spirit = 0; spirit < SpiritTotal; ++spirit) {
          t.spiritLanding[curse][race][slot][spirit] = spiritLandingFor({race, slot}, spirit, curse != 0, t.count[race]);
        }
      }
    }
  }
  for (Slot slot = 0; slot < t.count[PhaseRace]; ++slot) t.phaseByRace[phaseFusionRace(slot)].push_back({PhaseRace, slot});
  return t;
}

const ForwardTables& tables() {
  static const ForwardTables t = build();
  return t;
}

std::optional<DemonRef> normalResult(const ForwardTables& t, Race result, DemonRef a, DemonRef b, bool curse) {
  if (result == PhaseRace) return std::nullopt;
  const int sum = t.level[a.race][a.slot] + t.level[b.race][b.slot];
  const int slot = t.normalBySum[result][static_cast<std::size_t>(sum)];
  if (slot == NoSlot) return std::nullopt;
  const DemonRef made{result, slot};
  if (made == a || made == b || barredFromRacePairs(made, curse)) return std::nullopt;
  return made;
}

std::optional<DemonRef> spiritResult(const ForwardTables& t, DemonRef a, DemonRef b, bool curse) {
  if (a.race == SpiritRace) std::swap(a, b);
  if (b.race != SpiritRace || a.race == SpiritRace || b.slot >= SpiritTotal) return std::nullopt;
  const int slot = t.spiritLanding[curse ? 1 : 0][a.race][a.slot][b.slot];
  if (slot == NoSlot) return std::nullopt;
  return DemonRef{a.race, slot};
}

FusionOutcome fuseWith(const ForwardTables& t, DemonRef a, DemonRef b, bool curse) {
  FusionOutcome outcome;
  if (a.race == b.race) return outcome;
  const int result = fusionResult(std::min(a.race, b.race), std::max(a.race, b.race), curse);
  if (result >= 0 && result < RaceTotal) {
    outcome.normal = normalResult(t, result, a, b, curse);
    for (const DemonRef phase : t.phaseByRace[result]) {
      if (phase != a && phase != b) outcome.phase.push_back(phase);
    }
  }
  outcome.spirit = spiritResult(t, a, b, curse);
  return outcome;
}

bool names(DemonRef special, DemonRef material) {
  switch (fusionKind(special)) {
    case 'x':
      return recipeSource(special) == material;
    case 'w': {
      const auto [first, second] = recipePair(special);
      return first == material || second == material;
    }
    default:
      return false;
  }
}

}  // namespace

bool FusionOutcome::makesSomething() const { return normal || spirit || !phase.empty(); }

FusionOutcome fuse(DemonRef a, DemonRef b, bool curse) {
  if (!isOccupied(a) || !isOccupied(b) || a == b) return {};
  return fuseWith(tables(), a, b, curse);
}

std::vector<Partnership> partners(DemonRef material, bool curse) {
  std::vector<Partnership> found;
  if (!isOccupied(material)) return found;
  const ForwardTables& t = tables();
  found.reserve(DemonTotal);
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 0; slot < t.count[race]; ++slot) {
      const DemonRef partner{race, slot};
      if (partner == material) continue;
      FusionOutcome outcome = fuseWith(t, material, partner, curse);
      if (outcome.makesSomething()) found.push_back({partner, std::move(outcome)});
    }
  }
  return found;
}

std::vector<DemonRef> specialsNaming(DemonRef material) {
  std::vector<DemonRef> found;
  if (!isOccupied(material)) return found;
  for (int position = 0; position < DemonTotal; ++position) {
    const DemonRef special = raceOrderAt(position);
    if (names(special, material)) found.push_back(special);
  }
  return found;
}

}  // namespace qmoor
