// The learn-level file data/skill-learning.tsv against the compiled table, and
// the table against the demons' second lists: same skills in the same order,
// the k-th learned at base level + k, nothing learned that is not listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "data/compendium.h"
#include "data/skill_learning.h"
#include "data/skills.h"
#include "support/all_demons.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::describe;

constexpr int FirstEvolutionEntry = 287;

using LearnedList = std::vector<std::pair<int, int>>;  // skill, level

std::map<std::pair<int, int>, LearnedList> readTsv() {
  std::map<std::pair<int, int>, LearnedList> byDemon;
  for (testing::Fields fields : testing::readDataTable("skill-learning.tsv").rows) {
    fields.resize(std::max<std::size_t>(fields.size(), 6));
    const std::string &race = fields[0], &slot = fields[1], &number = fields[3], &skill = fields[4], &level = fields[5];
    EXPECT_EQ(skillName(std::stoi(number)), skill) << race << "/" << slot << " " << number;
    byDemon[{std::stoi(race), std::stoi(slot)}].emplace_back(std::stoi(number), std::stoi(level));
  }
  return byDemon;
}

LearnedList compiled(DemonRef demon) {
  LearnedList list;
  for (const LearnedSkill& learned : learnedSkills(demon)) list.emplace_back(learned.skill, learned.level);
  return list;
}

TEST(SkillLearningTsv, EveryDemonLearnsWhatTheFileSays) {
  const auto byDemon = readTsv();
  std::size_t rows = 0;
  for (const auto& [demon, list] : byDemon) rows += list.size();
  EXPECT_EQ(rows, 785u);
  for (DemonRef demon : allDemons()) {
    const auto found = byDemon.find({demon.race, demon.slot});
    EXPECT_EQ(compiled(demon), found == byDemon.end() ? LearnedList{} : found->second) << describe(demon);
  }
  EXPECT_TRUE(learnedSkills({40, 0}).empty());
  EXPECT_TRUE(learnedSkills({0, 9}).empty());
}

TEST(SkillLearningTsv, FollowsTheSecondListsOneLevelAStep) {
  for (DemonRef demon : allDemons()) {
    LearnedList expected;
    for (int skill : skillsOf(demon, SkillList::Second)) {
      if (skill != 0 && skill < FirstEvolutionEntry) {
        expected.emplace_back(skill, level(demon) + static_cast<int>(expected.size()) + 1);
      }
    }
    EXPECT_EQ(compiled(demon), expected) << describe(demon);
    for (const auto& [skill, at] : expected) EXPECT_EQ(learnLevel(demon, skill), at) << describe(demon);
    for (int skill : skillsOf(demon, SkillList::Second)) {
      if (skill >= FirstEvolutionEntry) {
        EXPECT_EQ(learnLevel(demon, skill), 0) << describe(demon);
      }
    }
    for (int skill : skillsOf(demon, SkillList::First)) {
      if (skill != 0 && std::ranges::find(expected, skill, &std::pair<int, int>::first) == expected.end()) {
        EXPECT_EQ(learnLevel(demon, skill), 0) << describe(demon) << " skill " << skill;
      }
    }
  }
}

}  // namespace
}  // namespace qmoor
