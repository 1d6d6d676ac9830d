// The holding rule: one case for each rule an entry of my demons can break,
// and for each way a skill may be held.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "stock/holding_rule.h"

namespace qmoor {
namespace {

constexpr DemonRef Pixie{7, 8};    // LV2, ディア/ジオ; learns 誘惑 ラクンダ ポズムディ 羽ばたき at 3..6; no 口
constexpr DemonRef Mizuchi{11, 3}; // LV34, ブフーラ/マハブフーラ/マカカジャ; learns フォッグブレス at 38; no 口
constexpr DemonRef Seiten{2, 2};   // LV54, first list "？"

MyDemon mine(DemonRef demon, int level, std::vector<int> skills) { return {demon, level, std::move(skills), {}}; }

struct Case {
  const char* what;
  MyDemon entry;
  EntryCheck expected;
};

TEST(HoldingRule, ChecksEachRuleOnce) {
  const std::vector<Case> cases{
      {"innate skills at base level", mine(Pixie, 2, {43, 13}), {}},
      {"a skill learned at its level", mine(Mizuchi, 38, {8, 116}), {}},
      {"a skill inherited with no mark needed", mine(Pixie, 2, {1}), {}},
      {"a needle skill, every demon has 針", mine(Pixie, 2, {155}), {}},
      {"\"？\" demon holding nothing", mine(Seiten, 54, {}), {}},
      {"highest level", mine(Pixie, 99, {43, 13, 253, 61, 53, 85, 1, 7}), {}},
      {"not an entry", MyDemon{{}, 0, {}, "\"ピクシー\""}, {EntryProblem::Unreadable}},
      {"slot past the race", mine({0, 9}, 50, {}), {EntryProblem::UnknownDemon}},
      {"race past the last", mine({32, 0}, 50, {}), {EntryProblem::UnknownDemon}},
      {"below base level", mine(Pixie, 1, {43}), {EntryProblem::LevelOutOfRange}},
      {"above 99", mine(Pixie, 100, {43}), {EntryProblem::LevelOutOfRange}},
      {"nine skills", mine(Pixie, 99, {43, 13, 253, 61, 53, 85, 1, 7, 19}), {EntryProblem::TooManySkills}},
      {"a number with no skill", mine(Pixie, 2, {43, 113}), {EntryProblem::UnknownSkill, 113}},
      {"past the catalogue", mine(Pixie, 2, {999}), {EntryProblem::UnknownSkill, 999}},
      {"\"？\"", mine(Seiten, 54, {278}), {EntryProblem::NotASkill, 278}},
      {"an evolution entry", mine(Pixie, 10, {291}), {EntryProblem::NotASkill, 291}},
      {"twice the same", mine(Pixie, 2, {43, 13, 43}), {EntryProblem::RepeatedSkill, 43}},
      {"learned only at a higher level", mine(Mizuchi, 37, {116}), {EntryProblem::CannotHold, 116}},
      {"a mark the demon lacks", mine(Pixie, 40, {116}), {EntryProblem::CannotHold, 116}},
      {"a unique skill", mine(Pixie, 2, {80}), {EntryProblem::CannotHold, 80}},
  };
  for (const Case& c : cases) {
    const EntryCheck check = checkEntry(c.entry);
    EXPECT_EQ(check.problem, c.expected.problem) << c.what;
    EXPECT_EQ(check.skill, c.expected.skill) << c.what;
  }
}

TEST(HoldingRule, RaisingADemonAddsWhatItLearns) {
  EXPECT_EQ(atBaseLevel(Pixie), (MyDemon{Pixie, 2, {43, 13}, {}}));
  EXPECT_EQ(atBaseLevel(Seiten).skills, std::vector<int>{});
  EXPECT_EQ(skillsAtLevel(Pixie, 5), (std::vector<int>{43, 13, 253, 61, 53}));
  EXPECT_EQ(learnedUpTo(Mizuchi, 37), (std::vector<int>{69, 51, 142}));
  for (int level : {37, 38}) {
    const std::vector<int> offered = holdableSkills(Mizuchi, level);
    EXPECT_EQ(std::ranges::find(offered, 116) != offered.end(), level == 38) << level;
    for (int skill : offered) EXPECT_EQ(checkEntry(mine(Mizuchi, level, {skill})), EntryCheck{}) << skill;
  }
}

}  // namespace
}  // namespace qmoor
