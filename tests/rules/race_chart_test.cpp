// The race chart's cells against forward fusion: every demon two materials
// of a cell's races make by normal or phase fusion is one the cell lists,
// normal ones with the materials' level sum inside the listed window.
#include "rules/race_chart.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "data/compendium.h"
#include "data/races.h"
#include "forward/forward_fusion.h"

namespace qmoor {
namespace {

const ChartDemon* listed(const std::vector<ChartDemon>& cell, DemonRef demon) {
  const auto found = std::find_if(cell.begin(), cell.end(), [&](const ChartDemon& c) { return c.demon == demon; });
  return found == cell.end() ? nullptr : &*found;
}

TEST(RaceChart, CellsHoldWhatEveryPairOfTheirRacesMakes) {
  for (const bool curse : {false, true}) {
    const RaceChart chart = raceChart(curse);
    for (Race a = 0; a < RaceTotal; ++a) {
      for (Race b = 0; b < RaceTotal; ++b) {
        SCOPED_TRACE(std::to_string(a) + " x " + std::to_string(b) + (curse ? " CURSE" : ""));
        const std::vector<ChartDemon> cell = chartDemons(a, b, curse);
        EXPECT_EQ(chart[a][b].value_or(-1), fusionResult(a, b, curse));
        EXPECT_EQ(cell.empty(), !chart[a][b]);
        for (const ChartDemon& made : cell) {
          EXPECT_EQ(made.demon.race == PhaseRace ? phaseFusionRace(made.demon.slot) : made.demon.race, chart[a][b]);
          EXPECT_EQ(made.window.has_value(), made.demon.race != PhaseRace);
        }
        for (Slot x = 0; x < raceCount(a); ++x) {
          for (Slot y = 0; y < raceCount(b); ++y) {
            const FusionOutcome outcome = fuse({a, x}, {b, y}, curse);
            if (outcome.normal) {
              const ChartDemon* made = listed(cell, *outcome.normal);
              ASSERT_NE(made, nullptr) << x << " " << y;
              const int sum = level({a, x}) + level({b, y});
              EXPECT_GE(sum, made->window->low);
              EXPECT_LE(sum, made->window->high.value_or(sum));
            }
            for (const DemonRef phase : outcome.phase) EXPECT_NE(listed(cell, phase), nullptr) << x << " " << y;
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace qmoor
