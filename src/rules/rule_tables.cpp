// Builds the flat rule tables from the compendium lookups.
#include "rules/rule_tables.h"

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"

namespace qmoor::detail {
namespace {

bool hasNormalDemon(const RuleTables& t, Race race) {
  for (Slot s = 0; s < t.count[race]; ++s) {
    if (!t.special[race][s]) return true;
  }
  return false;
}

// A special demon's cell holds the level of the nearest normal demon below
// it (0 when there is none), so that a bracket passes over it.
void deriveFusionLevels(RuleTables& t) {
  t.fusionLevel = t.level;
  for (Race r = 0; r < RaceTotal; ++r) {
    if (!hasNormalDemon(t, r)) continue;
    int below = 0;
    for (Slot s = t.count[r] - 1; s >= 0; --s) {
      if (t.special[r][s]) {
        t.fusionLevel[r][s] = below;
      } else {
        below = t.level[r][s];
      }
    }
  }
}

void collectSkills(RuleTables& t, DemonRef d) {
  for (SkillList list : {SkillList::First, SkillList::Second}) {
    for (int skill : skillsOf(d, list)) {
      if (skillEntry(skill) != SkillEntry::None) t.skills[d.race][d.slot].set(static_cast<std::size_t>(skill));
    }
  }
}

void orderPairs(RuleTables& t) {
  for (int curse = 0; curse < 2; ++curse) {
    auto& forward = t.pairsByResult[curse][0];
    auto& reversed = t.pairsByResult[curse][1];
    for (Race a = 0; a < RaceTotal; ++a) {
      for (Race b = a; b < RaceTotal; ++b) {
        const int result = fusionResult(a, b, curse != 0);
        if (result >= 0 && result < RaceTotal) forward[result].push_back({a, b});
      }
    }
    for (Race a = RaceTotal - 1; a >= 0; --a) {
      for (Race b = a; b >= 0; --b) {
        const int result = fusionResult(a, b, curse != 0);
        if (result >= 0 && result < RaceTotal) reversed[result].push_back({a, b});
      }
    }
  }
}

RuleTables build() {
  RuleTables t;
  for (Race r = 0; r < RaceTotal; ++r) {
    t.count[r] = raceCount(r);
    for (Slot s = 0; s < t.count[r]; ++s) {
      t.level[r][s] = level({r, s});
      t.special[r][s] = isSpecial({r, s});
      collectSkills(t, {r, s});
    }
    for (int k = 0; k < 4; ++k) t.spiritDirection[r][k] = spiritDirection(r, k);
    t.neutral[r] = isNeutralPair(r, r);
  }
  deriveFusionLevels(t);
  orderPairs(t);
  return t;
}

}  // namespace

const RuleTables& ruleTables() {
  static const RuleTables tables = build();
  return tables;
}

}  // namespace qmoor::detail
