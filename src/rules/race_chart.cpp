// The race chart and the demons of one cell, read from the chart of the CURSE
// setting and the level windows of normal fusion.
#include "rules/race_chart.h"

#include "data/compendium.h"
#include "data/races.h"

namespace qmoor {

RaceChart raceChart(bool curse) {
  RaceChart chart{};
  for (Race a = 0; a < RaceTotal; ++a) {
    for (Race b = 0; b < RaceTotal; ++b) {
      const int result = fusionResult(a, b, curse);
      if (result >= 0) chart[a][b] = result;
    }
  }
  return chart;
}

std::vector<ChartDemon> chartDemons(Race a, Race b, bool curse) {
  std::vector<ChartDemon> made;
  if (a < 0 || a >= RaceTotal || b < 0 || b >= RaceTotal) return made;
  const int result = fusionResult(a, b, curse);
  if (result < 0) return made;
  for (Slot slot = 0; slot < raceCount(result); ++slot) {
    const DemonRef demon{result, slot};
    if (!isSpecial(demon) && !barredFromRacePairs(demon, curse)) made.push_back({demon, fusionWindow(demon)});
  }
  for (Slot slot = 0; slot < raceCount(PhaseRace); ++slot) {
    if (phaseFusionRace(slot) == result) made.push_back({{PhaseRace, slot}, std::nullopt});
  }
  return made;
}

}  // namespace qmoor
