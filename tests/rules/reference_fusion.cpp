// The reference reading of the fusion rules: plain loops over every race
// pair and every demon pair, no precomputed tables, no early exits.
#include "reference_fusion.h"

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"

namespace qmoor::reference {
namespace {

bool holds(DemonRef demon, int skill) {
  for (SkillList list : {SkillList::First, SkillList::Second}) {
    for (int s : skillsOf(demon, list)) {
      if (s != 0 && s == skill) return true;
    }
  }
  return false;
}

bool isNormal(DemonRef d) { return originOf(d) == DemonOrigin::Chart; }

bool yields(DemonRef target, int levelA, int levelB) {
  if (target.race == PhaseRace) return true;
  return normalResult(target.race, levelA + levelB) == target.slot;
}

bool movesDown(Race race, int spirit, bool curse) { return spiritDirection(race, spirit) == (curse ? 1 : 0); }
bool movesUp(Race race, int spirit, bool curse) { return spiritDirection(race, spirit) == (curse ? 0 : 1); }

// The normal demon a spirit move from `source` reaches, if any.
std::optional<Slot> spiritMove(DemonRef source, int spirit, bool curse) {
  const int step = movesDown(source.race, spirit, curse) ? 1 : movesUp(source.race, spirit, curse) ? -1 : 0;
  if (step == 0) return std::nullopt;
  for (Slot s = source.slot + step; s >= 0 && s < raceCount(source.race); s += step) {
    if (isNormal({source.race, s})) return s;
  }
  return std::nullopt;
}

bool spiritPairPasses(const SpiritSource& s, const FilterSettings& f) {
  return level(s.source) <= f.cap && level({SpiritRace, s.spirit}) <= f.cap &&
         skillsAccept(f.skills, s.source, {SpiritRace, s.spirit});
}

bool spiritChoiceAdmits(int choice, Race race) { return choice == 0 || choice == 30 || choice == race + 1; }

bool lineQualifies(Race a, Race b, DemonRef t, const FilterSettings& f) {
  if (!f.curse && t == DemonRef{20, 1}) return false;
  for (Slot i = 0; i < raceCount(a); ++i) {
    for (Slot j = 0; j < raceCount(b); ++j) {
      const DemonRef x{a, i};
      const DemonRef y{b, j};
      bool ok = skillsAccept(f.skills, x, y);
      if (!(t.race == PhaseRace && !f.neutral)) {
        ok = ok && level(x) <= f.cap && level(y) <= f.cap && yields(t, level(x), level(y));
      }
      if (ok) return true;
    }
  }
  return false;
}

bool spiritLine(Race race, std::optional<DemonRef> target, const FilterSettings& f) {
  if (spiritDirection(race, 0) == NoSpiritFusion || f.neutral || !spiritChoiceAdmits(f.materialRaceChoice, race)) return false;
  if (target) {
    for (const SpiritSource& s : spiritSourcesByMoves(*target, f.curse)) {
      if (spiritPairPasses(s, f)) return true;
    }
    return false;
  }
  std::vector<DemonRef> sources{{race, 0}};
  if (isSpecial({race, 0}) && raceCount(race) > 1) sources.push_back({race, 1});
  for (DemonRef source : sources) {
    for (int k = 0; k < 4; ++k) {
      if (movesUp(race, k, f.curse) && spiritPairPasses({source, k}, f)) return true;
    }
  }
  return false;
}

}  // namespace

bool skillsAccept(const SkillConditions& c, DemonRef a, DemonRef b) {
  if (c.on1 && !holds(a, c.skill1) && !holds(b, c.skill1)) return false;
  if (c.on2 && !holds(a, c.skill2) && !holds(b, c.skill2)) return false;
  return true;
}

std::optional<Slot> normalResult(Race race, int sum) {
  for (Slot s = raceCount(race) - 1; s >= 0; --s) {
    if (isNormal({race, s}) && 2 * level({race, s}) - 2 >= sum) return s;
  }
  if (isNormal({race, 0})) return 0;
  return std::nullopt;
}

std::vector<SpiritSource> spiritSourcesByMoves(DemonRef target, bool curse) {
  std::vector<SpiritSource> out;
  for (Slot s = 0; s < raceCount(target.race); ++s) {
    for (int k = 0; k < 4; ++k) {
      if (spiritMove({target.race, s}, k, curse) == target.slot) out.push_back({{target.race, s}, k});
    }
  }
  return out;
}

std::vector<RacePair> racePairs(Race resultRace, Race currentRace, std::optional<DemonRef> target,
                                const FilterSettings& f, bool reverse) {
  std::vector<RacePair> out;
  auto consider = [&](Race a, Race b) {
    const int choice = f.materialRaceChoice;
    if (choice != 0 && choice != a + 1 && choice != b + 1) return;
    if (fusionResult(a, b, f.curse) != resultRace) return;
    if (f.neutral && !isNeutralPair(a, b)) return;
    if (!target || lineQualifies(a, b, *target, f)) out.push_back({a, b});
  };
  if (reverse) {
    for (Race a = 31; a >= 0; --a) {
      for (Race b = a; b >= 0; --b) consider(a, b);
    }
  } else {
    for (Race a = 0; a <= 31; ++a) {
      for (Race b = a; b <= 31; ++b) consider(a, b);
    }
  }
  if (spiritLine(currentRace, target, f)) out.push_back({currentRace, SpiritRace});
  return out;
}

std::vector<MaterialPair> materialPairs(Race a, Race b, DemonRef t, const FilterSettings& f) {
  std::vector<MaterialPair> out;
  for (Slot i = 0; i < raceCount(a); ++i) {
    for (Slot j = 0; j < raceCount(b); ++j) {
      const DemonRef x{a, i};
      const DemonRef y{b, j};
      if (level(x) > f.cap || level(y) > f.cap) continue;
      if (!yields(t, level(x), level(y))) continue;
      if (x == t || y == t) continue;
      if (skillsAccept(f.skills, x, y)) out.push_back({x, y});
    }
  }
  return out;
}

std::vector<MaterialPair> spiritPairs(DemonRef t, const FilterSettings& f) {
  std::vector<MaterialPair> out;
  if (f.neutral || !spiritChoiceAdmits(f.materialRaceChoice, t.race)) return out;
  for (const SpiritSource& s : spiritSourcesByMoves(t, f.curse)) {
    if (spiritPairPasses(s, f)) out.push_back({s.source, {SpiritRace, s.spirit}});
  }
  return out;
}

FusionAnswer answer(DemonRef t, const FilterSettings& f, bool reverse) {
  FusionAnswer out;
  if (t.race != PhaseRace && !isNormal(t)) return out;
  const Race resultRace = t.race == PhaseRace ? phaseFusionRace(t.slot) : t.race;
  out.racePairs = racePairs(resultRace, t.race, t, f, reverse);
  for (const RacePair& line : out.racePairs) {
    if (line.first == SpiritRace || line.second == SpiritRace || line.first == MitamaRace || line.second == MitamaRace) {
      continue;
    }
    const auto rows = materialPairs(line.first, line.second, t, f);
    out.materialPairs.insert(out.materialPairs.end(), rows.begin(), rows.end());
  }
  if (spiritDirection(t.race, 0) != NoSpiritFusion) {
    const auto rows = spiritPairs(t, f);
    out.materialPairs.insert(out.materialPairs.end(), rows.begin(), rows.end());
  }
  return out;
}

}  // namespace qmoor::reference
