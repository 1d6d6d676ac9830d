// The skill file data/skills.tsv against the compiled skill table: every
// cell of every selectable skill, and no entry for any other number.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/skill_details.h"
#include "data/skills.h"
#include "names/names.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

std::string orDash(const std::string& text) { return text.empty() ? "-" : text; }

TEST(SkillsTsv, EveryRowMatchesTheCompiledTable) {
  const testing::DataTable table = testing::readDataTable("skills.tsv");
  ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(SelectableSkillTotal) + 1);
  std::set<int> listed;
  for (const testing::Fields& f : table.rows) {
    const std::string line = "skill " + (f.empty() ? std::string() : f.front());
    ASSERT_EQ(f.size(), 11u) << line;
    const int skill = std::stoi(f[0]);
    const SkillDetails* details = skillDetails(skill);
    if (f[1] == "？") {
      EXPECT_EQ(details, nullptr) << line;
      continue;
    }
    ASSERT_NE(details, nullptr) << line;
    listed.insert(skill);
    EXPECT_EQ(details->skill, skill) << line;
    EXPECT_EQ(skillName(skill), f[1]) << line;
    EXPECT_EQ(skillName(skill, Language::English), f[2]) << line;
    EXPECT_EQ(keyword(details->kind), f[3]) << line;
    EXPECT_EQ(keyword(details->element), f[4]) << line;
    EXPECT_EQ(orDash(costText(details->cost)), f[5]) << line;
    EXPECT_EQ(keyword(details->target), f[6]) << line;
    EXPECT_EQ(orDash(powerText(details->power)), f[7]) << line;
    EXPECT_EQ(f[8], "") << line;
    EXPECT_EQ(details->englishDescription, f[9]) << line;
  }
  EXPECT_EQ(listed.size(), static_cast<std::size_t>(SelectableSkillTotal));
  EXPECT_EQ(skillTable().size(), listed.size());
  for (int skill = -1; skill <= SkillNumberTotal; ++skill) {
    if (!listed.contains(skill)) {
      EXPECT_EQ(skillDetails(skill), nullptr) << "skill " << skill;
    }
  }
}

}  // namespace
}  // namespace qmoor
