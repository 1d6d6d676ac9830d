// One enumeration's filter settings resolved against its target: the level
// bracket, the cap and the skill conditions as per-demon bits, with the scans
// over the demon pairs of a race pair and over the spirit fusions.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/filter_settings.h"
#include "rules/fusion_rules.h"
#include "rules/pair_enumeration.h"
#include "rules/rule_tables.h"

namespace qmoor::detail {

// The skill conditions in force, as one bit per condition that each demon
// meets by itself; a pair is accepted when together they meet all of them.
class SkillMask {
 public:
  SkillMask(const SkillConditions& conditions, const RuleTables& tables);
  bool accepts(Race a, Slot i, Race b, Slot j) const {
    return ((met_[a][i] | met_[b][j]) & required_) == required_;
  }

 private:
  RaceSlotTable<std::uint8_t> met_{};
  std::uint8_t required_ = 0;
};

class PairScan {
 public:
  PairScan(const FilterSettings& filters, std::optional<DemonRef> target);

  const RuleTables& tables() const { return t_; }
  bool curse() const { return filters_.curse; }
  // Whether the material-race choice and NEUTRAL admit the race pair.
  bool admitsRaces(RacePair pair) const;
  // Target mode: whether the race pair has a material pair that qualifies it.
  bool lineQualifies(Race a, Race b);
  // Target mode: appends the rows of the race pair when the pair qualifies
  // and returns whether it does.
  bool listLine(Race a, Race b, std::vector<MaterialPair>& out);
  // Appends the material pairs of (a, b) that yield the target, a's demons
  // first, and returns whether any pair passed the filters, the target
  // itself included.
  bool appendRows(Race a, Race b, std::vector<MaterialPair>& out);
  // Whether the spirit line of the current race is listed.
  bool listsSpiritLine(Race currentRace);
  // Appends the spirit fusions that yield the target.
  void appendSpiritRows(std::vector<MaterialPair>& out);

 private:
  template <class Visit>
  bool walk(Race a, Race b, int cap, int low, int high, Visit visit);
  bool spiritPairAccepted(const SpiritSource& source);

  const RuleTables& t_;
  FilterSettings filters_;
  SkillMask skills_;
  std::optional<DemonRef> target_;
  bool targetNormal_ = false;
  int lowSum_ = 0;             // level sums that yield the target
  int highSum_ = 0;
  bool skillsOnlyLines_ = false;  // a phase target's race-pair test looks at the skills alone
  bool barredLines_ = false;      // サカハギ has no race pair while CURSE is not ticked
};

}  // namespace qmoor::detail
