// The learn-level table by demon, built at compile time from the generated rows.
#include "data/skill_learning.h"

#include <array>

#include "data/compendium.h"
#include "data/skill_learning.generated.h"

namespace qmoor {
namespace {

constexpr auto Learned = [] {
  std::array<LearnedSkill, LearningRows.size()> learned{};
  for (std::size_t row = 0; row < LearningRows.size(); ++row) {
    learned[row] = {LearningRows[row].skill, LearningRows[row].level};
  }
  return learned;
}();

struct RowRange {
  std::size_t first = 0;
  std::size_t count = 0;
};

// Rows come grouped by demon in race/slot order, so each demon's rows are one range.
constexpr auto RangeOf = [] {
  std::array<std::array<RowRange, SlotsPerRace>, RaceTotal> ranges{};
  for (std::size_t row = 0; row < LearningRows.size(); ++row) {
    RowRange& range = ranges[LearningRows[row].demon.race][LearningRows[row].demon.slot];
    if (range.count == 0) range.first = row;
    ++range.count;
  }
  return ranges;
}();

}  // namespace

std::span<const LearnedSkill> learnedSkills(DemonRef demon) {
  if (!isOccupied(demon)) return {};
  const RowRange range = RangeOf[demon.race][demon.slot];
  return std::span<const LearnedSkill>(Learned).subspan(range.first, range.count);
}

int learnLevel(DemonRef demon, int skill) {
  for (const LearnedSkill& learned : learnedSkills(demon)) {
    if (learned.skill == skill) return learned.level;
  }
  return 0;
}

}  // namespace qmoor
