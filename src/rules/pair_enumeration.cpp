// The race-pair list, the material pairs of a race pair, the spirit fusions
// and the complete answer for a demon.
#include "rules/pair_enumeration.h"

#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"
#include "rules/pair_scan.h"

namespace qmoor {
namespace {

using detail::PairScan;

bool isRace(Race race) { return race >= 0 && race < RaceTotal; }

// The lines of the race-pair list for resultRace. In target mode, when rows
// is given, the rows of every listed line are appended to it as well.
std::vector<RacePair> listRacePairs(PairScan& scan, Race resultRace, Race currentRace, bool targetMode, bool reverse,
                                    std::vector<MaterialPair>* rows) {
  std::vector<RacePair> lines;
  if (!isRace(resultRace)) return lines;
  const auto& candidates = scan.tables().pairsByResult[scan.curse() ? 1 : 0][reverse ? 1 : 0][resultRace];
  lines.reserve(candidates.size() + 1);
  for (const RacePair pair : candidates) {
    if (!scan.admitsRaces(pair)) continue;
    if (targetMode && !(rows ? scan.listLine(pair.first, pair.second, *rows)
                             : scan.lineQualifies(pair.first, pair.second))) {
      continue;
    }
    lines.push_back(pair);
  }
  if (scan.listsSpiritLine(currentRace)) lines.push_back({currentRace, SpiritRace});
  return lines;
}

bool isOrdinaryRace(Race race) { return isRace(race) && race != SpiritRace && race != MitamaRace; }

}  // namespace

std::vector<RacePair> enumerateRacePairs(Race resultRace, Race currentRace, std::optional<DemonRef> target,
                                         const FilterSettings& filters, bool reverse) {
  if (target && !isOccupied(*target)) return {};
  PairScan scan(filters, target);
  return listRacePairs(scan, resultRace, currentRace, target.has_value(), reverse, nullptr);
}

bool listsSpiritSpiritLine(Race currentRace, const FilterSettings& filters) {
  return currentRace == MitamaRace && !filters.neutral && admitsSpiritPairs(filters.materialRaceChoice, MitamaRace);
}

void appendMaterialPairs(Race a, Race b, DemonRef target, const FilterSettings& filters,
                         std::vector<MaterialPair>& out) {
  if (!isOrdinaryRace(a) || !isOrdinaryRace(b) || !isOccupied(target)) return;
  PairScan scan(filters, target);
  scan.appendRows(a, b, out);
}

void appendAllMaterialPairs(const std::vector<RacePair>& lines, DemonRef target, const FilterSettings& filters,
                            std::vector<MaterialPair>& out) {
  if (!isOccupied(target)) return;
  PairScan scan(filters, target);
  for (const RacePair& line : lines) {
    if (isOrdinaryRace(line.first) && isOrdinaryRace(line.second)) scan.appendRows(line.first, line.second, out);
  }
}

void appendSpiritPairs(DemonRef target, const FilterSettings& filters, std::vector<MaterialPair>& out) {
  if (!isOccupied(target)) return;
  PairScan scan(filters, target);
  scan.appendSpiritRows(out);
}

FusionAnswer answerFor(DemonRef target, const FilterSettings& filters, bool reverse) {
  FusionAnswer answer;
  if (!isOccupied(target)) return answer;
  const bool phase = target.race == PhaseRace;
  if (!phase && isSpecial(target)) return answer;
  PairScan scan(filters, target);
  const Race resultRace = phase ? phaseFusionRace(target.slot) : target.race;
  answer.racePairs = listRacePairs(scan, resultRace, target.race, true, reverse, &answer.materialPairs);
  scan.appendSpiritRows(answer.materialPairs);
  return answer;
}

}  // namespace qmoor
