// The fast enumeration checked row by row against the reference reading of
// the rules, for every demon and race under many filter settings.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "rules/pair_enumeration.h"
#include "filters_builder.h"
#include "reference_fusion.h"

namespace qmoor {
namespace {

struct Case {
  FilterSettings filters;
  bool reverse = false;
};

std::string describe(const Case& c) {
  std::ostringstream s;
  const FilterSettings& f = c.filters;
  s << "curse=" << f.curse << " neutral=" << f.neutral << " reverse=" << c.reverse << " choice=" << f.materialRaceChoice
    << " cap=" << f.cap << " skill1=" << (f.skills.on1 ? f.skills.skill1 : -1)
    << " skill2=" << (f.skills.on2 ? f.skills.skill2 : -1);
  return s.str();
}

std::string text(int first, int second) {
  std::ostringstream s;
  s << "(" << first << "," << second << ")";
  return s.str();
}
std::string text(DemonRef d) { return text(d.race, d.slot); }
std::string text(const RacePair& p) { return text(p.first, p.second); }
std::string text(const MaterialPair& p) { return text(p.first) + "+" + text(p.second); }

// Empty when equal; otherwise the first row that differs, shown from both sides.
template <class Row>
std::string difference(const std::vector<Row>& expected, const std::vector<Row>& actual) {
  for (std::size_t i = 0; i < expected.size() || i < actual.size(); ++i) {
    const std::string want = i < expected.size() ? text(expected[i]) : "(none)";
    const std::string got = i < actual.size() ? text(actual[i]) : "(none)";
    if (want != got) {
      std::ostringstream s;
      s << "row " << i << " of " << expected.size() << "/" << actual.size() << ": expected " << want << ", got " << got;
      return s.str();
    }
  }
  return {};
}

// A skill that the given demon carries, from its first list.
int firstSkillOf(DemonRef d) { return skillsOf(d, SkillList::First)[0]; }

// The eight combinations of CURSE, NEUTRAL and reverse, each crossed with
// caps, material-race choices and skill conditions.
std::vector<Case> cases() {
  const int pixieSkill = firstSkillOf({7, 8});
  const int earthSkill = firstSkillOf({29, 3});
  const std::vector<FilterSettings> variants = {
      Filters(),
      Filters().cap(60),
      Filters().cap(30),
      Filters().cap(10),
      Filters().cap(0),
      Filters().choice(1),
      Filters().choice(7),
      Filters().choice(18),
      Filters().choice(30),
      Filters().choice(32),
      Filters().skill1(pixieSkill),
      Filters().skill2(earthSkill),
      Filters().skill1(pixieSkill).skill2(earthSkill),
      Filters().skill1(SkillSentinel),
      Filters().choice(20).cap(45).skill2(pixieSkill),
  };
  std::vector<Case> out;
  for (int bits = 0; bits < 8; ++bits) {
    for (FilterSettings f : variants) {
      f.curse = (bits & 1) != 0;
      f.neutral = (bits & 2) != 0;
      out.push_back({f, (bits & 4) != 0});
    }
  }
  return out;
}

TEST(EnumerationAgainstReference, SkillsPickedForTheCasesExist) {
  EXPECT_NE(firstSkillOf({7, 8}), 0);
  EXPECT_NE(firstSkillOf({29, 3}), 0);
}

// The answer as a pick lists it, call by call: the race pairs that make the
// target, the material pairs of all lines, then the spirit rows.
FusionAnswer listedByPick(DemonRef target, const FilterSettings& filters, bool reverse) {
  FusionAnswer answer;
  const bool phase = target.race == PhaseRace;
  if (!phase && isSpecial(target)) return answer;
  const Race resultRace = phase ? phaseFusionRace(target.slot) : target.race;
  answer.racePairs = enumerateRacePairs(resultRace, target.race, target, filters, reverse);
  appendAllMaterialPairs(answer.racePairs, target, filters, answer.materialPairs);
  appendSpiritPairs(target, filters, answer.materialPairs);
  return answer;
}

// Both ways to the answer: in one pass, and through the calls a pick makes.
TEST(EnumerationAgainstReference, AnswersOfEveryDemon) {
  int nonEmpty = 0;
  for (const Case& c : cases()) {
    for (int position = 0; position < DemonTotal; ++position) {
      const DemonRef target = raceOrderAt(position);
      const FusionAnswer want = reference::answer(target, c.filters, c.reverse);
      for (const FusionAnswer& got : {answerFor(target, c.filters, c.reverse), listedByPick(target, c.filters, c.reverse)}) {
        const std::string lines = difference(want.racePairs, got.racePairs);
        const std::string rows = difference(want.materialPairs, got.materialPairs);
        ASSERT_EQ(lines, "") << "race pairs of " << text(target) << " " << describe(c);
        ASSERT_EQ(rows, "") << "material pairs of " << text(target) << " " << describe(c);
      }
      nonEmpty += want.materialPairs.empty() ? 0 : 1;
    }
  }
  EXPECT_GT(nonEmpty, 1000);  // the comparison is not one of empty lists
}

TEST(EnumerationAgainstReference, RaceModeOfEveryRace) {
  for (const Case& c : cases()) {
    for (Race race = 0; race < RaceTotal; ++race) {
      const auto want = reference::racePairs(race, race, std::nullopt, c.filters, c.reverse);
      const auto got = enumerateRacePairs(race, race, std::nullopt, c.filters, c.reverse);
      ASSERT_EQ(difference(want, got), "") << "race " << race << " " << describe(c);
    }
  }
}

// The pairs the view lists for one chosen line, in either order of the races.
TEST(EnumerationAgainstReference, MaterialPairsOfEachLineInBothOrders) {
  for (const Case& c : cases()) {
    if (c.reverse) continue;
    for (int position = 0; position < DemonTotal; ++position) {
      const DemonRef target = raceOrderAt(position);
      for (const RacePair& line : reference::answer(target, c.filters, false).racePairs) {
        if (line.second == SpiritRace) {
          std::vector<MaterialPair> got;
          appendSpiritPairs(target, c.filters, got);
          ASSERT_EQ(difference(reference::spiritPairs(target, c.filters), got), "") << text(target) << describe(c);
          continue;
        }
        for (const RacePair& order : {line, RacePair{line.second, line.first}}) {
          std::vector<MaterialPair> got;
          appendMaterialPairs(order.first, order.second, target, c.filters, got);
          const auto want = reference::materialPairs(order.first, order.second, target, c.filters);
          ASSERT_EQ(difference(want, got), "") << text(target) << " line " << text(order) << " " << describe(c);
        }
      }
    }
  }
}

}  // namespace
}  // namespace qmoor
