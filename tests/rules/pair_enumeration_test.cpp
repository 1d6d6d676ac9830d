// Answers of the enumeration that can be worked out by hand from the charts
// and the roster.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "rules/fusion_rules.h"
#include "rules/pair_enumeration.h"
#include "filters_builder.h"

namespace qmoor {
namespace {

using Lines = std::vector<RacePair>;
using Rows = std::vector<MaterialPair>;

bool hasSpiritRace(const RacePair& p) { return p.first == SpiritRace || p.second == SpiritRace; }
Lines raceMode(Race race, const FilterSettings& f, bool reverse = false) {
  return enumerateRacePairs(race, race, std::nullopt, f, reverse);
}

TEST(RaceMode, Race0HasSixteenPairsAndNoSpiritLine) {
  const Lines lines = raceMode(0, {});
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines.front(), (RacePair{1, 2}));
  EXPECT_TRUE(std::none_of(lines.begin(), lines.end(), hasSpiritRace));
}

TEST(RaceMode, ReverseTurnsTheListAroundLargerRaceFirst) {
  for (Race race = 0; race < RaceTotal; ++race) {
    for (bool curse : {false, true}) {
      const FilterSettings f = Filters().curse(curse);
      Lines forward = raceMode(race, f);
      const Lines reversed = raceMode(race, f, true);
      std::erase_if(forward, hasSpiritRace);
      Lines expected;
      for (const RacePair& p : forward) expected.push_back({p.second, p.first});
      std::sort(expected.begin(), expected.end(), [](const RacePair& x, const RacePair& y) {
        return x.first != y.first ? x.first > y.first : x.second > y.second;
      });
      Lines ordinary = reversed;
      std::erase_if(ordinary, hasSpiritRace);
      EXPECT_EQ(ordinary, expected) << "race " << race << " curse " << curse;
      EXPECT_EQ(reversed.size() - ordinary.size(), raceMode(race, f).size() - forward.size());
    }
  }
}

TEST(RaceMode, SpiritLineNeedsASourceThatShiftsUpWithinTheCap) {
  // 聖獣: spirit 0 moves キマイラ (55) up.
  EXPECT_EQ(raceMode(5, {}).back(), (RacePair{5, SpiritRace}));
  EXPECT_NE(raceMode(5, Filters().cap(50)).back(), (RacePair{5, SpiritRace}));
  // 地母神: スカディ (74) is special, so カーリー (67) with アーシーズ counts as well.
  EXPECT_EQ(raceMode(3, Filters().cap(70)).back(), (RacePair{3, SpiritRace}));
  EXPECT_NE(raceMode(3, Filters().cap(60)).back(), (RacePair{3, SpiritRace}));
}

TEST(RaceMode, NeutralKeepsPairsWithinRaces6To15AndNoSpiritLine) {
  int listed = 0;
  for (Race race = 0; race < RaceTotal; ++race) {
    for (const RacePair& p : raceMode(race, Filters().neutral())) {
      EXPECT_TRUE(p.first >= 6 && p.first <= 15 && p.second >= 6 && p.second <= 15) << p.first << " " << p.second;
      ++listed;
    }
  }
  EXPECT_GT(listed, 20);
}

TEST(SpiritSpiritLine, ListedForRace30UnlessNeutralOrAnotherMaterialRace) {
  EXPECT_TRUE(listsSpiritSpiritLine(30, {}));
  EXPECT_TRUE(listsSpiritSpiritLine(30, Filters().choice(30)));
  EXPECT_TRUE(listsSpiritSpiritLine(30, Filters().choice(31)));
  EXPECT_FALSE(listsSpiritSpiritLine(30, Filters().choice(1)));
  EXPECT_FALSE(listsSpiritSpiritLine(30, Filters().neutral()));
  EXPECT_FALSE(listsSpiritSpiritLine(29, {}));
}

TEST(Answer, OdinMaterialPairsSumTo93Through128) {
  const FusionAnswer a = answerFor({0, 2}, {}, false);
  ASSERT_FALSE(a.materialPairs.empty());
  for (const MaterialPair& row : a.materialPairs) {
    if (row.second.race == SpiritRace) continue;
    const int sum = level(row.first) + level(row.second);
    EXPECT_TRUE(sum >= 93 && sum <= 128) << sum;
  }
}

TEST(Answer, TargetModeDropsRacePairsWhosePairsAllExceedTheCap) {
  const DemonRef odin{0, 2};
  const FusionAnswer open = answerFor(odin, {}, false);
  const FusionAnswer capped = answerFor(odin, Filters().cap(50), false);
  Lines expected;
  for (const RacePair& line : open.racePairs) {
    if (hasSpiritRace(line)) continue;
    Rows rows;
    appendMaterialPairs(line.first, line.second, odin, {}, rows);
    if (std::any_of(rows.begin(), rows.end(),
                    [](const MaterialPair& r) { return level(r.first) <= 50 && level(r.second) <= 50; })) {
      expected.push_back(line);
    }
  }
  Lines ordinary = capped.racePairs;
  std::erase_if(ordinary, hasSpiritRace);
  EXPECT_EQ(ordinary, expected);
  EXPECT_LT(expected.size(), static_cast<std::size_t>(std::count_if(open.racePairs.begin(), open.racePairs.end(),
                                                                   [](const RacePair& p) { return !hasSpiritRace(p); })));
  EXPECT_FALSE(expected.empty());
}

TEST(Answer, NeutralListsNoSpiritLineOrSpiritRow) {
  for (int p = 0; p < DemonTotal; ++p) {
    const FusionAnswer a = answerFor(raceOrderAt(p), Filters().neutral(), false);
    EXPECT_TRUE(std::none_of(a.racePairs.begin(), a.racePairs.end(), hasSpiritRace)) << p;
    for (const MaterialPair& row : a.materialPairs) EXPECT_NE(row.second.race, SpiritRace) << p;
  }
}

TEST(Answer, Race31ListsEveryPairOfItsRacePairsAtAnyLevelSum) {
  const FusionAnswer a = answerFor({31, 0}, {}, false);  // トランペッター: pairs that make 魔王
  std::size_t all = 0;
  for (const RacePair& line : a.racePairs) {
    EXPECT_EQ(fusionResult(line.first, line.second, false), 17);
    all += static_cast<std::size_t>(raceCount(line.first) * raceCount(line.second));
  }
  EXPECT_EQ(a.materialPairs.size(), all);
}

TEST(Answer, Race31PairWithRace31LeavesOutTheTargetItself) {
  const DemonRef blackRider{31, 3};  // made by pairs that make 夜魔, among them 妖魔 x 魔人
  Rows rows;
  appendMaterialPairs(6, 31, blackRider, {}, rows);
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(9 * 9 - 9));
  for (const MaterialPair& row : rows) EXPECT_NE(row.second, blackRider);
}

TEST(Answer, SakahagiHasRacePairsOnlyUnderCurse) {
  const DemonRef sakahagi{20, 1};
  const FusionAnswer plain = answerFor(sakahagi, {}, false);
  EXPECT_TRUE(std::all_of(plain.racePairs.begin(), plain.racePairs.end(), hasSpiritRace));
  for (const MaterialPair& row : plain.materialPairs) EXPECT_EQ(row.second.race, SpiritRace);

  const FusionAnswer cursed = answerFor(sakahagi, Filters().curse(), false);
  ASSERT_GT(cursed.racePairs.size(), 1u);
  for (const RacePair& line : cursed.racePairs) {
    if (!hasSpiritRace(line)) {
      EXPECT_EQ(fusionResult(line.first, line.second, true), 20);
    }
  }
  EXPECT_TRUE(std::any_of(cursed.materialPairs.begin(), cursed.materialPairs.end(),
                          [](const MaterialPair& r) { return r.second.race != SpiritRace; }));
}

TEST(SpiritPairs, CapOf10AdmitsOnlyEarthies) {
  const DemonRef jackFrost{7, 7};
  Rows rows;
  appendSpiritPairs(jackFrost, Filters().cap(10), rows);
  EXPECT_EQ(rows, (Rows{{{7, 8}, {29, 3}}}));
  rows.clear();
  appendSpiritPairs(jackFrost, Filters().cap(11), rows);
  EXPECT_EQ(rows, (Rows{{{7, 6}, {29, 2}}, {{7, 8}, {29, 3}}}));
}

TEST(Answer, LegionUnderCurseIsTheLargest) {
  std::size_t largest = 0;
  for (int p = 0; p < DemonTotal; ++p) {
    largest = std::max(largest, answerFor(raceOrderAt(p), Filters().curse(), false).materialPairs.size());
  }
  const std::size_t legion = answerFor({19, 1}, Filters().curse(), false).materialPairs.size();
  EXPECT_EQ(legion, largest);
  EXPECT_GT(legion, 1500u);
  EXPECT_LT(legion, 2000u);
}

}  // namespace
}  // namespace qmoor
