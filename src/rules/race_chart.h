// The race × race chart of normal fusion under a CURSE setting, and the
// demons one cell of it makes with the level sums that make each.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "data/types.h"
#include "rules/fusion_rules.h"

namespace qmoor {

// cells[a][b]: the race that races a and b make by normal fusion; none where they make nothing.
using RaceChart = std::array<std::array<std::optional<Race>, RaceTotal>, RaceTotal>;
RaceChart raceChart(bool curse);

// A demon a pair of races makes: a normal demon of the result race within its
// window of material level sums, or a race-31 demon made at its moon phase
// whatever the sum (no window).
struct ChartDemon {
  DemonRef demon;
  std::optional<LevelWindow> window;
};
// The cell's normal demons from the highest level down, then its race-31
// demons in slot order; empty for races that make nothing.
std::vector<ChartDemon> chartDemons(Race a, Race b, bool curse);

}  // namespace qmoor
