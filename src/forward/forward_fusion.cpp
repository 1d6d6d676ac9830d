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
  std::array<std::array<std::vector<std::int8_t>, RaceTotal>, 2> normalBySum;     // [curse][race][sum]: slot or NoSlot
  std::array<std::vector<DemonRef>, RaceTotal> phaseByRace;                       // slot order
  std::array<PerDemon<std::array<std::int8_t, SpiritTotal>>, 2> spiritLanding{};  // [curse][race][slot][spirit]
};

// The normal demon of the race whose window holds the level sum; special
// demons have no window of their own and are stepped over. None when the
// demon is barred from race pairs under this setting.
std::int8_t normalSlotFor(Race race, int count, int sum, bool curse) {
  for (Slot slot = 0; slot < count; ++slot) {
    const DemonRef demon{race, slot};
    if (!isSpecial(demon) && pairYieldsDemon(demon, sum, 0)) {
      return barredFromRacePairs(demon, curse) ? NoSlot : static_cast<std::int8_t>(slot);
    }
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
  for (int curse = 0; curse < 2; ++curse) {
    for (Race race = 0; race < RaceTotal; ++race) {
      auto& bySum = t.normalBySum[curse][race];
      bySum.assign(static_cast<std::size_t>(2 * highestLevel + 1), NoSlot);
      for (int sum = 0; race != PhaseRace && sum <= 2 * highestLevel; ++sum) {
        bySum[static_cast<std::size_t>(sum)] = normalSlotFor(race, t.count[race], sum, curse != 0);
      }
      for (Slot slot = 0; slot < t.count[race]; ++slot) {
        for (int spirit = 0; spirit < SpiritTotal; ++spirit) {
          t.spiritLanding[curse][race][slot][spirit] =
              spiritLandingFor({race, slot}, spirit, curse != 0, t.count[race]);
        }
      }
    }
  }
  for (Slot slot = 0; slot < t.count[PhaseRace]; ++slot)
    t.phaseByRace[phaseFusionRace(slot)].push_back({PhaseRace, slot});
  return t;
}

const ForwardTables& tables() {
  static const ForwardTables t = build();
  return t;
}

// The chart's result for two different races, NoSlot for none.
int chartResult(Race a, Race b, bool curse) {
  const int result = fusionResult(std::min(a, b), std::max(a, b), curse);
  return result >= 0 && result < RaceTotal ? result : NoSlot;
}

// What one material makes with the partners of one race: the lookups that
// depend on the races alone are made once for the whole race.
class RacePairing {
 public:
  RacePairing(const ForwardTables& t, DemonRef material, Race partnerRace, bool curse)
      : t_(t), material_(material), curse_(curse ? 1 : 0), result_(chartResult(material.race, partnerRace, curse)) {
    if (result_ != NoSlot) {
      normalBySum_ = t.normalBySum[curse_][result_].data();
      phases_ = &t.phaseByRace[result_];
    }
    spiritPair_ = (material.race == SpiritRace) != (partnerRace == SpiritRace);
  }

  // Whether the race pair can make anything at all.
  bool any() const { return result_ != NoSlot || spiritPair_; }

  // Writes into an empty outcome what the material makes with the partner
  // and returns whether it makes anything.
  bool fill(FusionOutcome& outcome, DemonRef partner) const {
    if (result_ != NoSlot) {
      outcome.normal = normal(partner);
      fillPhase(outcome.phase, partner);
    }
    if (spiritPair_) outcome.spirit = spirit(partner);
    return outcome.makesSomething();
  }

 private:
  std::optional<DemonRef> normal(DemonRef partner) const {
    const int sum = t_.level[material_.race][material_.slot] + t_.level[partner.race][partner.slot];
    const int slot = normalBySum_[sum];
    const DemonRef made{result_, slot};
    if (slot == NoSlot || made == material_ || made == partner) return std::nullopt;
    return made;
  }

  // The race-31 demons of the phase list, less a material among them.
  void fillPhase(std::vector<DemonRef>& out, DemonRef partner) const {
    if (material_.race != PhaseRace && partner.race != PhaseRace) {
      out = *phases_;
      return;
    }
    for (const DemonRef phase : *phases_) {
      if (phase != material_ && phase != partner) out.push_back(phase);
    }
  }

  std::optional<DemonRef> spirit(DemonRef partner) const {
    const DemonRef source = material_.race == SpiritRace ? partner : material_;
    const int spirit = material_.race == SpiritRace ? material_.slot : partner.slot;
    if (spirit >= SpiritTotal) return std::nullopt;
    const int slot = t_.spiritLanding[curse_][source.race][source.slot][spirit];
    if (slot == NoSlot) return std::nullopt;
    return DemonRef{source.race, slot};
  }

  const ForwardTables& t_;
  DemonRef material_;
  int curse_;
  int result_;
  const std::int8_t* normalBySum_ = nullptr;
  const std::vector<DemonRef>* phases_ = nullptr;
  bool spiritPair_ = false;
};

bool names(DemonRef special, DemonRef material) {
  switch (originOf(special)) {
    case DemonOrigin::OneNamedMaterial:
      return recipeSource(special) == material;
    case DemonOrigin::TwoNamedMaterials: {
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
  FusionOutcome outcome;
  if (!isOccupied(a) || !isOccupied(b) || a.race == b.race) return outcome;  // same-race pairs make nothing
  RacePairing(tables(), a, b.race, curse).fill(outcome, b);
  return outcome;
}

std::vector<Partnership> partners(DemonRef material, bool curse) {
  std::vector<Partnership> found;
  if (!isOccupied(material)) return found;
  const ForwardTables& t = tables();
  found.reserve(DemonTotal);
  for (Race race = 0; race < RaceTotal; ++race) {
    if (race == material.race) continue;  // same-race pairs make nothing
    const RacePairing pairing(t, material, race, curse);
    if (!pairing.any()) continue;
    for (Slot slot = 0; slot < t.count[race]; ++slot) {
      FusionOutcome outcome;
      if (pairing.fill(outcome, {race, slot})) found.push_back({{race, slot}, std::move(outcome)});
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
