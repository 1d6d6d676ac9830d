// The compendium model against the game data file: every row, the skill
// search read straight from the file's skill lists, sorting and filtering.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "compendium/compendium_model.h"
#include "data/skills.h"
#include "support/all_demons.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

using testing::Fields;
using testing::split;

constexpr std::size_t FirstMarkField = 21;
constexpr std::size_t FirstListField = 32;

class CompendiumModel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream file(QMOOR_SOURCE_DIR "/data/compendium.tsv");
    std::getline(file, header_);
    for (std::string line; std::getline(file, line);) lines_.push_back(line);
  }

  // A row written back in the file's own layout.
  static std::string dump(const CompendiumRow& row) {
    const Fields headings = split(header_, '\t');
    std::string text = std::to_string(row.demon.race);
    const auto field = [&text](std::string_view value) { text.append("\t").append(value); };
    field(std::to_string(row.demon.slot));
    field(cell(Column::Name, row.demon));
    for (int figure : {row.level, row.hp, row.mp}) field(std::to_string(figure));
    for (int stat : row.stats) field(std::to_string(stat));
    for (Resistance grade : row.resistances) field(resistanceText(grade));
    for (std::size_t k = 0; k < row.marks.size(); ++k) field(row.marks[k] ? headings[FirstMarkField + k] : "　");
    field(row.inheritance);
    for (const auto& list : {row.first, row.second}) {
      std::string names;
      for (int skill : list) {
        if (skill != 0) names.append(names.empty() ? "" : "/").append(skillName(skill));
      }
      field(names);
    }
    return text;
  }

  // Whether the file lists the skill for the demon, in the first list or in either.
  static bool fileLists(std::size_t row, const std::string& skill, bool innateOnly) {
    const Fields fields = split(lines_[row], '\t');
    for (std::size_t list = 0; list < (innateOnly ? 1u : 2u); ++list) {
      const Fields names = split(fields[FirstListField + list], '/');
      if (std::find(names.begin(), names.end(), skill) != names.end()) return true;
    }
    return false;
  }

  static inline std::string header_;
  static inline std::vector<std::string> lines_;
};

int skillNumber(const std::string& name) {
  for (int skill = 1; skill < SkillSentinel; ++skill) {
    if (skillName(skill) == name) return skill;
  }
  return 0;
}

std::vector<int> allRows() {
  std::vector<int> rows(compendiumRows().size());
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = static_cast<int>(i);
  return rows;
}

TEST_F(CompendiumModel, EveryRowMatchesTheDataFile) {
  const auto& rows = compendiumRows();
  ASSERT_EQ(rows.size(), lines_.size());
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(DemonTotal));
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(dump(rows[i]), lines_[i]) << "line " << i + 2;
}

TEST_F(CompendiumModel, SkillSearchFindsTheDemonsListingEverySkill) {
  const std::vector<std::vector<std::string>> searches = {{"タルカジャ"},
                                                          {"アナライズ"},
                                                          {"マハンマオン", "天罰"},
                                                          {"バインドボイス", "乱入剣", "猛反撃"},
                                                          {"天罰", "ランダマイザ", "マハンマオン", "マハムドオン"}};
  int innateNarrower = 0;
  for (const auto& names : searches) {
    std::vector<int> skills;
    for (const std::string& name : names) skills.push_back(skillNumber(name));
    ASSERT_EQ(std::count(skills.begin(), skills.end(), 0), 0) << names.front();
    for (bool innateOnly : {false, true}) {
      std::vector<int> expected;
      for (std::size_t row = 0; row < lines_.size(); ++row) {
        const bool all = std::all_of(names.begin(), names.end(),
                                     [&](const std::string& s) { return fileLists(row, s, innateOnly); });
        if (all) expected.push_back(static_cast<int>(row));
      }
      CompendiumFilter filter;
      filter.skills = skills;
      filter.innateOnly = innateOnly;
      const std::vector<int> found = filterRows(filter);
      EXPECT_EQ(found, expected) << names.front() << " and " << names.size() - 1 << " more, innate only " << innateOnly;
      EXPECT_FALSE(!innateOnly && found.empty()) << names.front();
      if (innateOnly) innateNarrower += found.size() < filterRows({.skills = skills}).size();
    }
  }
  EXPECT_GT(innateNarrower, 0);
}

// A reference ordering: a stable sort of race/slot order by a key read from the row.
using KeyOf = std::function<std::string(const CompendiumRow&)>;
std::string padded(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08d", value);
  return text;
}

TEST_F(CompendiumModel, SortsByAnyColumnKeepingTiesInRaceOrder) {
  struct Case {
    const char* label;
    SortKey key;
    KeyOf keyOf;
  };
  const Case cases[] = {
      {"race descending", {std::nullopt, true}, [](const CompendiumRow& r) { return padded(r.demon.race); }},
      {"level", {Column::Level, false}, [](const CompendiumRow& r) { return padded(r.level); }},
      {"HP descending", {Column::HP, true}, [](const CompendiumRow& r) { return padded(r.hp); }},
      {"MP", {Column::MP, false}, [](const CompendiumRow& r) { return padded(r.mp); }},
      {"agility", {Column::Agility, false}, [](const CompendiumRow& r) { return padded(r.stats[3]); }},
      {"luck descending", {Column::Luck, true}, [](const CompendiumRow& r) { return padded(r.stats[4]); }},
      {"呪殺 descending",
       {resistanceColumn(6), true},
       [](const CompendiumRow& r) { return padded(static_cast<int>(r.resistances[6])); }},
      {"羽", {markColumn(1), false}, [](const CompendiumRow& r) { return padded(r.marks[1]); }},
      {"name", {Column::Name, false}, [](const CompendiumRow& r) { return std::string(cell(Column::Name, r.demon)); }},
      {"継承 descending",
       {Column::Inheritance, true},
       [](const CompendiumRow& r) { return std::string(r.inheritance); }},
  };
  const auto& rows = compendiumRows();
  std::vector<int> shuffled = allRows();
  std::reverse(shuffled.begin(), shuffled.end());
  for (const Case& c : cases) {
    std::vector<int> expected = allRows();
    std::stable_sort(expected.begin(), expected.end(), [&](int x, int y) {
      const std::string kx = c.keyOf(rows[static_cast<std::size_t>(x)]);
      const std::string ky = c.keyOf(rows[static_cast<std::size_t>(y)]);
      return c.key.descending ? ky < kx : kx < ky;
    });
    EXPECT_EQ(sortRows(shuffled, c.key), expected) << c.label;
  }
}

TEST_F(CompendiumModel, ResistanceTextsReadBackAndUnknownTextsAreRefused) {
  for (int k = 0; k < ResistanceGradeTotal; ++k) {
    const auto grade = static_cast<Resistance>(k);
    EXPECT_EQ(resistanceFromText(resistanceText(grade)), grade) << k;
  }
  EXPECT_EQ(resistanceFromText(""), Resistance::Normal);
  EXPECT_EQ(resistanceFromText("x"), std::nullopt);
}

TEST_F(CompendiumModel, FiltersKeepRaceOrderAndEveryConditionHolds) {
  using Holds = std::function<bool(const CompendiumRow&)>;
  struct Case {
    const char* label;
    CompendiumFilter filter;
    Holds holds;
  };
  ResistanceCondition curseProof{6, {}};
  for (Resistance grade : {Resistance::Null, Resistance::Drain, Resistance::Repel})
    curseProof.accepted[static_cast<int>(grade)] = true;
  CompendiumFilter wingsAndFangs;
  wingsAndFangs.requiredMarks[1] = wingsAndFangs.requiredMarks[4] = true;
  const Case cases[] = {
      {"race 3", {.race = 3}, [](const CompendiumRow& r) { return r.demon.race == 3; }},
      {"name ベルゼブブ",
       {.nameText = "ベルゼブブ"},
       [](const CompendiumRow& r) {
         return r.demon == DemonRef{17, 0} || r.demon == DemonRef{17, 2};
       }},
      {"levels 20..40",
       {.minLevel = 20, .maxLevel = 40},
       [](const CompendiumRow& r) { return r.level >= 20 && r.level <= 40; }},
      {"呪殺 無 吸 反",
       {.resistances = {curseProof}},
       [](const CompendiumRow& r) { return r.resistances[6] >= Resistance::Null; }},
      {"羽 and 咬", wingsAndFangs, [](const CompendiumRow& r) { return r.marks[1] && r.marks[4]; }},
      {"race 17 above 80",
       {.race = 17, .minLevel = 80},
       [](const CompendiumRow& r) { return r.demon.race == 17 && r.level >= 80; }},
      {"unknown resistance column",
       {.resistances = {{12, {true, true, true, true, true, true}}}},
       [](const CompendiumRow&) { return false; }},
      {"skill outside the catalogue", {.skills = {SkillSentinel}}, [](const CompendiumRow&) { return false; }},
  };
  const auto& rows = compendiumRows();
  for (const Case& c : cases) {
    std::vector<int> expected;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (c.holds(rows[i])) expected.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(filterRows(c.filter), expected) << c.label;
    EXPECT_LT(expected.size(), rows.size()) << c.label;
  }
}

TEST_F(CompendiumModel, NameFilterAndSortUseTheNameTheCallerGives) {
  const DemonNameOf tagged = [](DemonRef d) -> std::string_view {
    static const auto names = [] {
      std::vector<std::string> all;
      for (const CompendiumRow& row : compendiumRows()) {
        all.push_back("Demon-" + std::to_string(31 - row.demon.race) + "-" + std::to_string(row.demon.slot));
      }
      return all;
    }();
    return names[static_cast<std::size_t>(raceOrderIndexOf(d))];
  };
  const std::vector<int> race2 = filterRows({.nameText = "dEMON-29-"}, tagged);
  EXPECT_EQ(race2, filterRows({.race = 2}));
  const std::vector<int> byName = sortRows(allRows(), {Column::Name, false}, tagged);
  EXPECT_EQ(compendiumRows()[static_cast<std::size_t>(byName.front())].demon, (DemonRef{31, 0}));
}

TEST_F(CompendiumModel, SortingDropsUnknownRowsAndIgnoresUnknownColumns) {
  EXPECT_EQ(sortRows({5, -1, 3, 400}, {Column::Level, false}), sortRows({5, 3}, {Column::Level, false}));
  EXPECT_EQ(sortRows({5, 3}, {Column::Count, false}), (std::vector<int>{5, 3}));
  EXPECT_EQ(sortRows({5, 3}, {static_cast<Column>(77), true}), (std::vector<int>{5, 3}));
}

}  // namespace
}  // namespace qmoor
