// Forward fusion at any levels held against the level windows of the reverse
// rules: for every ordered pair of demons, both CURSE settings and every
// level sum the pair can reach (up to 198), the normal result is the one
// demon of the chart's race whose window holds the sum, a material excepted;
// phase and spirit results do not move with the levels; a level outside the
// demon's range makes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"
#include "rules/fusion_rules.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::describe;

// For each race and level sum, the normal demons whose window holds the sum,
// read from the windows one demon at a time.
std::vector<std::vector<std::vector<DemonRef>>> windowHolders(bool curse) {
  std::vector<std::vector<std::vector<DemonRef>>> holders(RaceTotal, std::vector<std::vector<DemonRef>>(MaxLevelSum + 1));
  for (DemonRef demon : allDemons()) {
    if (demon.race == PhaseRace || isSpecial(demon) || barredFromRacePairs(demon, curse)) continue;
    const LevelWindow window = fusionWindow(demon);
    for (int sum = std::max(window.low, 0); sum <= window.high.value_or(MaxLevelSum); ++sum) {
      holders[static_cast<std::size_t>(demon.race)][static_cast<std::size_t>(sum)].push_back(demon);
    }
  }
  return holders;
}

std::string text(const std::optional<DemonRef>& demon) { return demon ? describe(*demon) : "none"; }

TEST(FusionAtLevels, AgreesWithTheLevelWindowsAtEveryLevelSum) {
  for (bool curse : {false, true}) {
    const auto holders = windowHolders(curse);
    std::vector<std::string> mismatches;
    int normalResults = 0;
    for (DemonRef a : allDemons()) {
      for (DemonRef b : allDemons()) {
        const FusionOutcome atBase = fuse(a, b, curse);
        const int chartRace = a.race == b.race ? -1 : fusionResult(std::min(a.race, b.race), std::max(a.race, b.race), curse);
        for (int sum = level(a) + level(b); sum <= MaxLevelSum; ++sum) {
          const int levelA = std::max(level(a), sum - MaxLevel);
          std::optional<DemonRef> expected;
          if (chartRace >= 0 && chartRace < RaceTotal) {
            const std::vector<DemonRef>& found = holders[static_cast<std::size_t>(chartRace)][static_cast<std::size_t>(sum)];
            if (found.size() > 1) mismatches.push_back("windows overlap in race " + std::to_string(chartRace));
            if (found.size() == 1 && found[0] != a && found[0] != b) expected = found[0];
          }
          const FusionOutcome outcome = fuseAtLevels({a, levelA}, {b, sum - levelA}, curse);
          normalResults += outcome.normal.has_value();
          if (outcome.normal != expected || outcome.phase != atBase.phase || outcome.spirit != atBase.spirit) {
            mismatches.push_back(describe(a) + "@" + std::to_string(levelA) + " + " + describe(b) + "@" +
                                 std::to_string(sum - levelA) + ": normal " + text(outcome.normal) + ", windows say " +
                                 text(expected));
          }
        }
        for (const auto& [x, y] : {std::pair{AtLevel{a, level(a) - 1}, AtLevel{b, level(b)}},
                                   std::pair{AtLevel{a, level(a)}, AtLevel{b, MaxLevel + 1}}}) {
          if (fuseAtLevels(x, y, curse).makesSomething()) mismatches.push_back(describe(a) + " + " + describe(b) + " out of range");
        }
      }
    }
    EXPECT_GT(normalResults, 0);
    EXPECT_EQ(mismatches.size(), 0u) << "curse " << curse << "; first: " << (mismatches.empty() ? "" : mismatches[0]);
  }
}

}  // namespace
}  // namespace qmoor
