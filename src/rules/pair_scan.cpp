// Scans over the demon pairs of one race pair and over the spirit fusions of
// a target, under filter settings resolved once per enumeration.
#include "rules/pair_scan.h"

#include "data/races.h"
#include "rules/fusion_rules.h"
#include "rules/spirit_moves.h"

namespace qmoor::detail {
namespace {

constexpr int Unbounded = 1 << 20;  // beyond any level or level sum

}  // namespace

SkillMask::SkillMask(const SkillConditions& conditions, const RuleTables& tables) {
  const bool on[2] = {conditions.on1, conditions.on2};
  const int skill[2] = {conditions.skill1, conditions.skill2};
  for (int g = 0; g < 2; ++g) {
    if (!on[g]) continue;
    const auto bit = static_cast<std::uint8_t>(1 << g);
    required_ |= bit;
    if (skill[g] <= 0 || skill[g] >= SkillSentinel) continue;  // held by no demon
    for (Race r = 0; r < RaceTotal; ++r) {
      for (Slot s = 0; s < tables.count[r]; ++s) {
        if (tables.skills[r][s].test(static_cast<std::size_t>(skill[g]))) met_[r][s] |= bit;
      }
    }
  }
}

PairScan::PairScan(const FilterSettings& filters, std::optional<DemonRef> target)
    : t_(ruleTables()), filters_(filters), skills_(filters.skills, t_), target_(target) {
  if (!target) return;
  const bool phase = target->race == PhaseRace;
  targetNormal_ = phase || !t_.special[target->race][target->slot];
  if (phase) {
    lowSum_ = -Unbounded;
    highSum_ = Unbounded;
  } else {
    const LevelWindow window = fusionWindow(*target);
    lowSum_ = window.low;
    highSum_ = window.high.value_or(Unbounded);
  }
  skillsOnlyLines_ = phase && !filters.neutral;
  barredLines_ = barredFromRacePairs(*target, filters.curse);
}

bool PairScan::admitsRaces(RacePair pair) const {
  return admitsRacePair(filters_.materialRaceChoice, pair.first, pair.second) &&
         (!filters_.neutral || (t_.neutral[pair.first] && t_.neutral[pair.second]));
}

// Visits, in list order (a's demons outer, b's inner), the demon pairs whose
// levels are both at most cap, whose level sum lies in low..high and that the
// skill conditions accept. Slots run down in level, so a sum that falls
// below low ends the inner loop. Stops as soon as visit returns false and
// then returns true.
template <class Visit>
bool PairScan::walk(Race a, Race b, int cap, int low, int high, Visit visit) {
  const int countA = t_.count[a];
  const int countB = t_.count[b];
  if (countB == 0) return false;
  const auto& levelA = t_.level[a];
  const auto& levelB = t_.level[b];
  for (Slot i = 0; i < countA; ++i) {
    const int x = levelA[i];
    if (x > cap) continue;
    if (x + levelB[0] < low) break;
    for (Slot j = 0; j < countB; ++j) {
      const int y = levelB[j];
      const int sum = x + y;
      if (y > cap || sum > high) continue;
      if (sum < low) break;
      if (!skills_.accepts(a, i, b, j)) continue;
      if (!visit(i, j)) return true;
    }
  }
  return false;
}

bool PairScan::lineQualifies(Race a, Race b) {
  if (barredLines_) return false;
  const auto stop = [](Slot, Slot) { return false; };
  if (skillsOnlyLines_) return walk(a, b, Unbounded, -Unbounded, Unbounded, stop);
  return walk(a, b, filters_.cap, lowSum_, highSum_, stop);
}

bool PairScan::appendRows(Race a, Race b, std::vector<MaterialPair>& out) {
  bool any = false;
  const DemonRef target = *target_;
  walk(a, b, filters_.cap, lowSum_, highSum_, [&](Slot i, Slot j) {
    any = true;
    const DemonRef x{a, i};
    const DemonRef y{b, j};
    if (x != target && y != target) out.push_back({x, y});
    return true;
  });
  return any;
}

bool PairScan::listLine(Race a, Race b, std::vector<MaterialPair>& out) {
  if (barredLines_) return false;
  if (skillsOnlyLines_) {
    if (!lineQualifies(a, b)) return false;
    appendRows(a, b, out);
    return true;
  }
  return appendRows(a, b, out);
}

bool PairScan::spiritPairAccepted(const SpiritSource& s) {
  const DemonRef source = s.source;
  return t_.level[source.race][source.slot] <= filters_.cap && t_.level[SpiritRace][s.spirit] <= filters_.cap &&
         skills_.accepts(source.race, source.slot, SpiritRace, s.spirit);
}

bool PairScan::listsSpiritLine(Race currentRace) {
  if (currentRace < 0 || currentRace >= RaceTotal || t_.spiritDirection[currentRace][0] == NoSpiritFusion) return false;
  if (filters_.neutral || !admitsSpiritPairs(filters_.materialRaceChoice, currentRace)) return false;
  if (target_ && !targetNormal_) return false;
  const int slot = target_ ? target_->slot : -1;
  for (const SpiritSource& s : collectSpiritSources(currentRace, slot, filters_.curse)) {
    if (spiritPairAccepted(s)) return true;
  }
  return false;
}

void PairScan::appendSpiritRows(std::vector<MaterialPair>& out) {
  if (!targetNormal_ || filters_.neutral || !admitsSpiritPairs(filters_.materialRaceChoice, target_->race)) return;
  for (const SpiritSource& s : collectSpiritSources(target_->race, target_->slot, filters_.curse)) {
    if (spiritPairAccepted(s)) out.push_back({s.source, {SpiritRace, s.spirit}});
  }
}

}  // namespace qmoor::detail
