// The inheritance file data/skill-inheritance.tsv against the compiled table:
// every skill's name, mark and inheritability, and nothing beyond the file.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "data/skill_inheritance.h"
#include "data/skills.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

constexpr std::array<std::string_view, MarkTotal> MarkNames{"口", "羽", "目", "突", "咬", "爪", "針", "武", "乙", "会"};

std::string markText(SkillInheritance rule) {
  if (!rule.inheritable) return "-";
  return rule.mark == AnyDemon ? "none" : std::string(MarkNames.at(rule.mark));
}

TEST(SkillInheritanceTsv, EveryRowMatchesTheCompiledTable) {
  const testing::DataTable table = testing::readDataTable("skill-inheritance.tsv");
  ASSERT_FALSE(table.header.empty());
  std::set<int> listed;
  for (testing::Fields fields : table.rows) {
    fields.resize(std::max<std::size_t>(fields.size(), 4));
    const std::string& number = fields[0];
    const std::string& name = fields[1];
    const std::string& mark = fields[2];
    const std::string& inheritable = fields[3];
    const std::string line = number + "\t" + name;
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
