// Race tables and race-level fusion tables: names and counts, both fusion
// charts, spirit directions and the NEUTRAL races.
#include "data/races.h"

#include <gtest/gtest.h>

#include <set>

#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::characterCount;

TEST(RaceTable, CountsAddUpToAllDemons) {
  int total = 0;
  for (Race race = 0; race < RaceTotal; ++race) {
    EXPECT_TRUE(raceCount(race) >= 1 && raceCount(race) <= SlotsPerRace) << "race " << race;
    total += raceCount(race);
  }
  EXPECT_EQ(total, DemonTotal);
  EXPECT_EQ(raceCount(8), 10);
}

TEST(RaceTable, ShortNameIsTheFirstTwoCharactersOfTheName) {
  for (Race race = 0; race < RaceTotal; ++race) {
    const std::string_view name = raceName(race);
    const std::string_view shortName = raceShortName(race);
    EXPECT_EQ(characterCount(shortName), 2) << "race " << race;
    ASSERT_TRUE(name.starts_with(shortName)) << "race " << race;
    const std::string_view rest = name.substr(shortName.size());
    if (race >= SpiritRace) {
      EXPECT_EQ(rest, "　 ") << "race " << race;
    } else {
      EXPECT_TRUE(rest == "   " || (characterCount(rest) == 1 && rest != " ")) << "race " << race << ": [" << rest << "]";
    }
  }
}

// Every cell of a chart, with the pair it belongs to in the failure message.
template <typename Check>
void forEachPair(Check check) {
  for (Race a = 0; a < RaceTotal; ++a) {
    for (Race b = 0; b < RaceTotal; ++b) {
      SCOPED_TRACE(::testing::Message() << "races " << a << " and " << b);
      check(a, b);
    }
  }
}

class FusionCharts : public ::testing::TestWithParam<bool> {};

TEST_P(FusionCharts, AreSymmetricWithEmptyDiagonal) {
  const bool curse = GetParam();
  forEachPair([curse](Race a, Race b) {
    EXPECT_EQ(fusionResult(a, b, curse), fusionResult(b, a, curse));
    if (a == b) {
      EXPECT_EQ(fusionResult(a, b, curse), -1);
    }
  });
}

TEST_P(FusionCharts, SpiritsAndMitamasFuseWithNoRace) {
  const bool curse = GetParam();
  forEachPair([curse](Race a, Race b) {
    if (a == SpiritRace || a == MitamaRace) {
      EXPECT_EQ(fusionResult(a, b, curse), -1);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(NormalAndCurse, FusionCharts, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Curse" : "Normal"; });

std::set<int> resultRaces(bool curse) {
  std::set<int> results;
  forEachPair([&](Race a, Race b) {
    if (fusionResult(a, b, curse) >= 0) results.insert(fusionResult(a, b, curse));
  });
  return results;
}

TEST(FusionChart, ResultsAreTheRacesOfNormalFusion) {
  std::set<int> expected;
  for (Race race = 0; race <= 20; ++race) expected.insert(race);
  expected.insert(25);
  EXPECT_EQ(resultRaces(false), expected);
}

TEST(FusionChart, PhaseRaceFusesLikeTheDemonKings) {
  for (Race b = 0; b < RaceTotal; ++b) EXPECT_EQ(fusionResult(PhaseRace, b, false), fusionResult(17, b, false)) << "race " << b;
}

TEST(CurseFusionChart, ResultsAreOnlyTheCursedRaces) {
  EXPECT_EQ(resultRaces(true), (std::set<int>{8, 16, 17, 18, 19, 20}));
}

TEST(CurseFusionChart, PhaseRaceDiffersFromTheDemonKingsOnlyWithBeasts) {
  constexpr Race Beasts = 12;
  for (Race b = 0; b < RaceTotal; ++b) {
    if (b == Beasts) {
      EXPECT_NE(fusionResult(PhaseRace, b, true), fusionResult(17, b, true));
    } else {
      EXPECT_EQ(fusionResult(PhaseRace, b, true), fusionResult(17, b, true)) << "race " << b;
    }
  }
}

TEST(CurseFusionChart, ReplacesTheNormalChartEntirely) {
  EXPECT_EQ(fusionResult(1, 2, false), 0);  // 女神 × 破壊神 → 魔神
  EXPECT_EQ(fusionResult(1, 2, true), -1);
  EXPECT_EQ(fusionResult(0, 4, false), 2);  // 魔神 × 鬼神: 破壊神, or 邪神 under CURSE
  EXPECT_EQ(fusionResult(0, 4, true), 16);
}

TEST(SpiritDirection, MovesDemonsOfNormalRacesOnly) {
  for (Race race = 0; race < RaceTotal; ++race) {
    for (int spirit = 0; spirit < 4; ++spirit) {
      const int direction = spiritDirection(race, spirit);
      if (race <= 20) {
        EXPECT_TRUE(direction == 0 || direction == 1) << "race " << race << " spirit " << spirit;
      } else {
        EXPECT_EQ(direction, 9) << "race " << race << " spirit " << spirit;
      }
    }
  }
}

TEST(NeutralRaces, AdmitPairsOfRacesSixToFifteen) {
  forEachPair([](Race a, Race b) {
    const bool neutral = a >= 6 && a <= 15 && b >= 6 && b <= 15;
    EXPECT_EQ(isNeutralPair(a, b), neutral);
  });
}

TEST(PhaseFusionRaces, AreNormalFusionResults) {
  const std::set<int> results = resultRaces(false);
  for (Slot slot = 0; slot < raceCount(PhaseRace); ++slot) {
    EXPECT_TRUE(results.contains(phaseFusionRace(slot))) << "slot " << slot;
  }
}

}  // namespace
}  // namespace qmoor
