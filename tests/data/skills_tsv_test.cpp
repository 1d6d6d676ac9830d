// The skill file data/skills.tsv against the compiled skill table: every
// cell of every selectable skill, and no entry for any other number.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/skill_details.h"
#include "data/skills.h"
#include "names/names.h"

namespace qmoor {
namespace {

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  if (line.ends_with('\t')) fields.emplace_back();
  return fields;
}

std::string orDash(const std::string& text) { return text.empty() ? "-" : text; }

TEST(SkillsTsv, EveryRowMatchesTheCompiledTable) {
  std::ifstream file(QMOOR_SOURCE_DIR "/data/skills.tsv");
  std::string line;
  ASSERT_TRUE(std::getline(file, line));
  std::set<int> listed;
  while (std::getline(file, line)) {
    const std::vector<std::string> f = fieldsOf(line);
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
    if (!listed.contains(skill)) EXPECT_EQ(skillDetails(skill), nullptr) << "skill " << skill;
  }
}

}  // namespace
}  // namespace qmoor
