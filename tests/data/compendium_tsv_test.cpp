// The game data file data/compendium.tsv against the compiled tables: the
// roster it was drawn up for and every text and skill generated from it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/skills.h"
#include "support/all_demons.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

using testing::allDemons;

using testing::split;

std::vector<std::vector<std::string>> readTsv() { return testing::readDataTable("compendium.tsv").rows; }

// Statistics are shown two characters wide; HP and MP unpadded.
std::string statText(const std::string& value) { return value.size() == 1 ? " " + value : value; }

constexpr int NameField = 2;
constexpr int LevelField = 3;
constexpr int FirstTextField = 4;  // HP .. 継承 follow in Column order
constexpr int FirstStatField = 6;
constexpr int LastStatField = 10;
constexpr int FirstListField = 32;
constexpr int FieldTotal = 34;

class CompendiumTsv : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rows_ = readTsv(); }
  static inline std::vector<std::vector<std::string>> rows_;
};

TEST_F(CompendiumTsv, ListsTheRosterInRaceOrder) {
  const std::vector<DemonRef> demons = allDemons();
  ASSERT_EQ(rows_.size(), demons.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const std::vector<std::string>& row = rows_[i];
    ASSERT_EQ(row.size(), static_cast<std::size_t>(FieldTotal)) << "row " << i + 2;
    const DemonRef demon = demons[i];
    EXPECT_EQ(row[0], std::to_string(demon.race)) << "row " << i + 2;
    EXPECT_EQ(row[1], std::to_string(demon.slot)) << "row " << i + 2;
    EXPECT_EQ(row[NameField], cell(Column::Name, demon)) << "row " << i + 2;
    EXPECT_EQ(row[LevelField], std::to_string(level(demon))) << "row " << i + 2;
  }
}

TEST_F(CompendiumTsv, AgreesWithEveryCompiledText) {
  for (const std::vector<std::string>& row : rows_) {
    ASSERT_EQ(row.size(), static_cast<std::size_t>(FieldTotal));
    const DemonRef demon{std::stoi(row[0]), std::stoi(row[1])};
    for (int column = static_cast<int>(Column::HP); column < ColumnTotal; ++column) {
      const int field = FirstTextField + column - static_cast<int>(Column::HP);
      const bool stat = field >= FirstStatField && field <= LastStatField;
      EXPECT_EQ(cell(static_cast<Column>(column), demon), stat ? statText(row[field]) : row[field])
          << row[NameField] << " (" << testing::describe(demon) << "), column " << column;
    }
  }
}

TEST_F(CompendiumTsv, AgreesWithEverySkillList) {
  for (const std::vector<std::string>& row : rows_) {
    ASSERT_EQ(row.size(), static_cast<std::size_t>(FieldTotal));
    const DemonRef demon{std::stoi(row[0]), std::stoi(row[1])};
    for (SkillList list : {SkillList::First, SkillList::Second}) {
      const std::vector<std::string> names = split(row[FirstListField + (list == SkillList::Second)], '/');
      const std::array<int, 6> skills = skillsOf(demon, list);
      for (std::size_t k = 0; k < skills.size(); ++k) {
        EXPECT_EQ(skillName(skills[k]), k < names.size() ? names[k] : "")
            << row[NameField] << " (" << testing::describe(demon) << "), list "
            << (list == SkillList::First ? "first" : "second") << ", entry " << k;
      }
    }
  }
}

}  // namespace
}  // namespace qmoor
