// The inheritance file data/skill-inheritance.tsv against the compiled table:
// every skill's name, mark and inheritability, and nothing beyond the file.
#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/skill_inheritance.h"
#include "data/skills.h"

namespace qmoor {
namespace {

constexpr std::array<std::string_view, MarkTotal> MarkNames{"口", "羽", "目", "突", "咬", "爪", "針", "武", "乙", "会"};

std::string markText(SkillInheritance rule) {
  if (!rule.inheritable) return "-";
  return rule.mark == AnyDemon ? "none" : std::string(MarkNames.at(rule.mark));
}

TEST(SkillInheritanceTsv, EveryRowMatchesTheCompiledTable) {
  std::ifstream file(QMOOR_SOURCE_DIR "/data/skill-inheritance.tsv");
  std::string line;
  ASSERT_TRUE(std::getline(file, line));
  std::set<int> listed;
  while (std::getline(file, line)) {
    std::istringstream fields(line);
    std::string number, name, mark, inheritable;
    std::getline(fields, number, '\t');
    std::getline(fields, name, '\t');
    std::getline(fields, mark, '\t');
    std::getline(fields, inheritable, '\t');
    const int skill = std::stoi(number);
    listed.insert(skill);
    EXPECT_EQ(skillName(skill), name) << line;
    EXPECT_EQ(markText(skillInheritance(skill)), mark) << line;
    EXPECT_EQ(skillInheritance(skill).inheritable, inheritable == "yes") << line;
  }
  EXPECT_EQ(listed.size(), static_cast<std::size_t>(SelectableSkillTotal));
  for (int skill = -1; skill <= SkillNumberTotal; ++skill) {
    if (!listed.contains(skill)) {
      EXPECT_FALSE(skillInheritance(skill).inheritable) << "skill " << skill;
    }
  }
}

// フォッグブレス needs 口: オーディン has it, ピクシー has not; 針 is every demon's.
TEST(SkillInheritanceTsv, MarksDecideWhoInherits) {
  struct Case { DemonRef demon; int skill; bool expected; };
  const std::vector<Case> cases{
      {{0, 2}, 116, true}, {{7, 8}, 116, false}, {{7, 8}, 155, true}, {{7, 8}, 1, true}, {{7, 8}, 88, false},
      {{40, 0}, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(canInherit(c.demon, c.skill), c.expected) << c.demon.race << "/" << c.demon.slot << " skill " << c.skill;
  }
}

}  // namespace
}  // namespace qmoor
