// Level brackets, spirit moves and the filter tests of the fusion rules.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"

namespace qmoor {
namespace {

bool hasNormalDemon(Race race) {
  for (Slot s = 0; s < raceCount(race); ++s) {
    if (!isSpecial({race, s})) return true;
  }
  return false;
}

TEST(FusionLevel, DiffersFromTheLevelExactlyInThirteenCells) {
  const std::map<std::pair<Race, Slot>, int> expected = {
      {{0, 3}, 47},  {{2, 2}, 44},  {{3, 2}, 41},  {{5, 3}, 21}, {{6, 4}, 23},  {{7, 6}, 7},  {{8, 3}, 53},
      {{11, 2}, 34}, {{16, 1}, 65}, {{16, 3}, 45}, {{16, 6}, 0}, {{17, 3}, 74}, {{25, 3}, 0}};
  std::map<std::pair<Race, Slot>, int> differing;
  for (Race race = 0; race < RaceTotal; ++race) {
    if (!hasNormalDemon(race)) continue;
    for (Slot slot = 1; slot < raceCount(race); ++slot) {
      const int cell = fusionLevel(race, slot);
      if (cell != level({race, slot})) differing[{race, slot}] = cell;
    }
  }
  EXPECT_EQ(differing, expected);
}

struct WindowCase {
  DemonRef target;
  int low;
  std::optional<int> high;
};

TEST(FusionWindow, BoundsOfRaces0_2And16) {
  const WindowCase cases[] = {
      {{0, 4}, 75, 92},            // アタバク, F = 38
      {{0, 2}, 93, 128},           // オーディン: アマテラス below is special, F = 47
      {{0, 0}, 155, std::nullopt},  // ヴィシュヌ: no high bound
      {{0, 5}, -1, 74},            // ホルス, the last demon: every sum from below
      {{16, 5}, -1, 64},           // バフォメット: the special アラハバキ below gives F = 0
      {{2, 1}, 87, 120},           // ホクトセイクン: F = 44 from slot 3
  };
  for (const WindowCase& c : cases) {
    const LevelWindow window = fusionWindow(c.target);
    EXPECT_EQ(window.low, c.low) << c.target.race << "/" << c.target.slot;
    EXPECT_EQ(window.high, c.high) << c.target.race << "/" << c.target.slot;
  }
}

TEST(PairYieldsDemon, WindowEdgesInRaces0_2And16) {
  EXPECT_TRUE(pairYieldsDemon({0, 2}, 50, 43));   // 93
  EXPECT_FALSE(pairYieldsDemon({0, 2}, 50, 42));  // 92 belongs to アタバク
  EXPECT_TRUE(pairYieldsDemon({0, 4}, 50, 42));
  EXPECT_TRUE(pairYieldsDemon({0, 2}, 64, 64));   // 128
  EXPECT_FALSE(pairYieldsDemon({0, 2}, 64, 65));  // 129 belongs to ミトラ
  EXPECT_TRUE(pairYieldsDemon({0, 0}, 95, 95));   // no high bound
  EXPECT_TRUE(pairYieldsDemon({0, 5}, 1, 1));
  EXPECT_TRUE(pairYieldsDemon({16, 5}, 32, 32));
  EXPECT_FALSE(pairYieldsDemon({16, 5}, 32, 33));
}

// Every normal demon above the lowest of its race: a level sum of 2L - 2
// yields it, 2L - 1 yields the next normal demon above it and not it.
TEST(PairYieldsDemon, SumOf2LMinus2BelongsToLAnd2LMinus1ToTheNextHigher) {
  int checked = 0;
  for (Race race = 0; race < PhaseRace; ++race) {
    for (Slot s = 1; s < raceCount(race); ++s) {
      const DemonRef t{race, s};
      if (isSpecial(t)) continue;
      const int l = level(t);
      EXPECT_TRUE(pairYieldsDemon(t, 1, 2 * l - 3)) << race << "/" << s;
      EXPECT_FALSE(pairYieldsDemon(t, 1, 2 * l - 2)) << race << "/" << s;
      Slot above = s - 1;
      while (above >= 0 && isSpecial({race, above})) --above;
      if (above >= 0) {
        EXPECT_TRUE(pairYieldsDemon({race, above}, 1, 2 * l - 2)) << race << "/" << s;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 80);
}

TEST(PairYieldsDemon, Race2GivesNothingAbove120) {
  for (int sum = 121; sum <= 190; ++sum) {
    for (Slot s = 0; s < raceCount(2); ++s) {
      if (!isSpecial({2, s})) {
        EXPECT_FALSE(pairYieldsDemon({2, s}, sum - 1, 1)) << sum << " slot " << s;
      }
    }
  }
}

using Sources = std::vector<SpiritSource>;

TEST(SpiritSources, DiisWithAndWithoutCurse) {
  const DemonRef diis{6, 5};
  EXPECT_EQ(spiritSources(diis, false),
            (Sources{{{6, 3}, 0}, {{6, 3}, 3}, {{6, 4}, 0}, {{6, 4}, 3}, {{6, 6}, 1}, {{6, 6}, 2}}));
  EXPECT_EQ(spiritSources(diis, true),
            (Sources{{{6, 3}, 1}, {{6, 3}, 2}, {{6, 4}, 1}, {{6, 4}, 2}, {{6, 6}, 0}, {{6, 6}, 3}}));
}

TEST(SpiritSources, StepOverASpecialDemonBelow) {
  // Race 0 shifts up only under CURSE; オーディン (0, 2) is then reached from
  // the special アマテラス (0, 3) and, stepping over her, from アタバク (0, 4).
  EXPECT_EQ(spiritSources({0, 2}, false), (Sources{{{0, 1}, 0}, {{0, 1}, 1}, {{0, 1}, 2}, {{0, 1}, 3}}));
  EXPECT_EQ(spiritSources({0, 2}, true),
            (Sources{{{0, 3}, 0}, {{0, 3}, 1}, {{0, 3}, 2}, {{0, 3}, 3}, {{0, 4}, 0}, {{0, 4}, 1}, {{0, 4}, 2},
                     {{0, 4}, 3}}));
}

TEST(SpiritSources, NoneForRacesWithoutSpiritFusionOrSpecialTargets) {
  EXPECT_TRUE(spiritSources({25, 1}, false).empty());
  EXPECT_TRUE(spiritSources({31, 4}, true).empty());
  EXPECT_TRUE(spiritSources({0, 3}, false).empty());  // アマテラス is made by its recipe
}

TEST(SpiritShifts, CurseExchangesTheDirections) {
  // Race 6 stores 0 1 1 0; races 21..31 store 9.
  const bool down[] = {true, false, false, true};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(shiftsDown(6, k, false), down[k]) << k;
    EXPECT_EQ(shiftsUp(6, k, false), !down[k]) << k;
    EXPECT_EQ(shiftsDown(6, k, true), !down[k]) << k;
    EXPECT_EQ(shiftsUp(6, k, true), down[k]) << k;
    for (bool curse : {false, true}) {
      EXPECT_FALSE(shiftsDown(21, k, curse));
      EXPECT_FALSE(shiftsUp(31, k, curse));
    }
  }
}

TEST(Filters, MaterialRaceChoice) {
  struct Row {
    int choice;
    Race a, b;
    bool pair, spirits;  // admitsRacePair(choice, a, b), admitsSpiritPairs(choice, a)
  };
  const Row rows[] = {
      {0, 4, 9, true, true},     {5, 4, 9, true, true},    {10, 4, 9, true, false},
      {6, 4, 9, false, false},   {30, 4, 9, false, true},  {31, 30, 2, true, true},
      {32, 31, 17, true, true}, {1, 3, 2, false, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(admitsRacePair(r.choice, r.a, r.b), r.pair) << r.choice << " " << r.a << " " << r.b;
    EXPECT_EQ(admitsSpiritPairs(r.choice, r.a), r.spirits) << r.choice << " " << r.a;
  }
}

}  // namespace
}  // namespace qmoor
