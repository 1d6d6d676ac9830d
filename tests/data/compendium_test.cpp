// The compendium grid: complete rows, display forms of every column, levels,
// fusion kinds, occupancy, stored references and the five demon labels.
#include "data/compendium.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "data/races.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::characterCount;
using testing::describe;

struct CompleteRow {
  DemonRef demon;
  std::array<std::string_view, ColumnTotal> texts;
};

const CompleteRow CompleteRows[] = {
    {{0, 0},
     {"93", "ヴィシュヌ", "708", "384", "27", "35", "25", "20", "26",
      "強", "強", "強", "強", "強", "反", "無", "強", "強", "強",
      "口", "　", "目", "突", "　", "　", "針", "武", "　", "会", "全魔法"}},
    {{7, 8},
     {". 2", "ピクシー", "36", "24", " 3", " 6", " 4", " 2", " 7",
      "　", "　", "　", "強", "　", "　", "　", "　", "　", "　",
      "　", "羽", "目", "　", "　", "　", "針", "　", "乙", "会", "回復"}},
    {{29, 3},
     {". 7", "アーシーズ", "90", "36", " 6", " 5", " 8", " 4", " 5",
      "　", "　", "　", "　", "弱", "無", "無", "　", "　", "　",
      "　", "　", "　", "突", "　", "　", "針", "　", "　", "会", "電撃"}},
};

TEST(CompendiumGrid, ReproducesTheCompleteRows) {
  for (const CompleteRow& row : CompleteRows) {
    for (int column = 0; column < ColumnTotal; ++column) {
      EXPECT_EQ(cell(static_cast<Column>(column), row.demon), row.texts[column])
          << "demon " << describe(row.demon) << ", column " << column;
    }
  }
}

bool isDigits(std::string_view text) { return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }); }

TEST(CompendiumGrid, EveryCellHasItsDisplayForm) {
  const std::set<std::string_view> resistances = {"強", "無", "吸", "反", "弱", "　"};
  const std::array<std::string_view, 10> marks = {"口", "羽", "目", "突", "咬", "爪", "針", "武", "乙", "会"};
  const std::set<std::string_view> inheritances = {"全魔法", "物理", "破魔", "衝撃", "回復",
                                                   "火炎", "電撃", "呪殺", "氷結", "補助"};
  const std::set<std::string_view> unknownInheritance = {"17/0", "17/2"};
  for (DemonRef demon : allDemons()) {
    SCOPED_TRACE("demon " + describe(demon));
    const int nameLength = characterCount(cell(Column::Name, demon));
    EXPECT_TRUE(nameLength >= 2 && nameLength <= 8) << cell(Column::Name, demon);
    for (Column column : {Column::HP, Column::MP}) {
      const std::string_view text = cell(column, demon);
      EXPECT_TRUE(isDigits(text) && text.size() >= 2 && text.size() <= 3 && text[0] != '0') << text;
    }
    for (int stat = static_cast<int>(Column::Strength); stat <= static_cast<int>(Column::Luck); ++stat) {
      const std::string_view text = cell(static_cast<Column>(stat), demon);
      const bool padded = text.size() == 2 && text[0] == ' ' && isDigits(text.substr(1)) && text[1] != '0';
      const bool twoDigits = text.size() == 2 && isDigits(text) && text[0] != '0';
      EXPECT_TRUE(padded || twoDigits) << "[" << text << "]";
    }
    for (int k = 0; k < 10; ++k) {
      EXPECT_TRUE(resistances.contains(cell(resistanceColumn(k), demon))) << "resistance " << k;
      const std::string_view mark = cell(markColumn(k), demon);
      EXPECT_TRUE(mark == marks[k] || mark == "　") << "mark " << k << ": " << mark;
    }
    EXPECT_EQ(cell(markColumn(6), demon), "針");
    if (unknownInheritance.contains(describe(demon))) {
      EXPECT_EQ(cell(Column::Inheritance, demon), "");
    } else {
      EXPECT_TRUE(inheritances.contains(cell(Column::Inheritance, demon))) << cell(Column::Inheritance, demon);
    }
  }
}

TEST(LevelGrid, LevelTextShowsTheLevel) {
  for (DemonRef demon : allDemons()) {
    const int value = level(demon);
    ASSERT_TRUE(value >= 1 && value <= 95) << describe(demon);
    const std::string expected = value < 10 ? ". " + std::to_string(value) : std::to_string(value);
    EXPECT_EQ(cell(Column::Level, demon), expected) << describe(demon);
  }
  EXPECT_EQ(level({8, 9}), 8);
  EXPECT_EQ(cell(Column::Level, {8, 9}), ". 8");
}

TEST(LevelGrid, LevelsDescendStrictlyWithinEachRace) {
  for (Race race = 0; race < RaceTotal; ++race) {
    for (Slot slot = 1; slot < raceCount(race); ++slot) {
      EXPECT_GT(level({race, slot - 1}), level({race, slot})) << "race " << race << " slot " << slot;
    }
  }
}

TEST(DemonOriginGrid, MarksSpecialDemons) {
  std::map<DemonOrigin, int> counts;
  for (DemonRef demon : allDemons()) {
    ++counts[originOf(demon)];
    EXPECT_EQ(isSpecial(demon), originOf(demon) != DemonOrigin::Chart) << describe(demon);
    EXPECT_EQ(originOf(demon) == DemonOrigin::Spirit, demon.race == SpiritRace) << describe(demon);
    if (demon.race == PhaseRace) {
      EXPECT_EQ(originOf(demon), DemonOrigin::Chart) << describe(demon);
    }
  }
  EXPECT_EQ(counts, (std::map<DemonOrigin, int>{{DemonOrigin::Chart, 141},
                                                {DemonOrigin::OneNamedMaterial, 22},
                                                {DemonOrigin::TwoNamedMaterials, 16},
                                                {DemonOrigin::Spirit, 4}}));
}

TEST(Occupancy, FollowsTheRaceCountsAndRejectsOutOfRange) {
  const std::pair<DemonRef, bool> cases[] = {
      {{0, 0}, true},   {{8, 9}, true},   {{31, 8}, true},  {{7, 9}, false},  {{26, 0}, true},
      {{26, 1}, false}, {{28, 9}, false}, {{31, 9}, false}, {{-1, 0}, false}, {{32, 0}, false},
      {{0, -1}, false}, {{0, 10}, false}, {{8, 10}, false},
  };
  for (const auto& [demon, occupied] : cases) EXPECT_EQ(isOccupied(demon), occupied) << describe(demon);
  for (Race race = 0; race < RaceTotal; ++race) {
    EXPECT_EQ(isOccupied({race, SlotsPerRace - 1}), race == 8) << "race " << race;
  }
}

TEST(Occupancy, TwoBeelzebubsAreDistinctDemons) {
  const DemonRef first{17, 0};
  const DemonRef second{17, 2};
  EXPECT_EQ(cell(Column::Name, first), "ベルゼブブ");
  EXPECT_EQ(cell(Column::Name, second), "ベルゼブブ");
  EXPECT_EQ(level(first), 95);
  EXPECT_EQ(level(second), 84);
  EXPECT_NE(cell(Column::HP, first), cell(Column::HP, second));
  EXPECT_NE(fullLabel(first), fullLabel(second));
}

TEST(StoredReferences, AreOneBasedWithRaceZeroForNone) {
  EXPECT_EQ(fromStored(0, 0), std::nullopt);
  EXPECT_EQ(fromStored(0, 5), std::nullopt);
  EXPECT_EQ(fromStored(1, 1), (DemonRef{0, 0}));
  EXPECT_EQ(fromStored(9, 10), (DemonRef{8, 9}));
  EXPECT_EQ(fromStored(32, 9), (DemonRef{31, 8}));
}

struct LabelCase {
  const char* label;
  std::function<std::string(DemonRef)> build;
  DemonRef demon;
  std::string_view expected;
};

TEST(DemonLabels, ConcatenateLevelRaceAndName) {
  const LabelCase cases[] = {
      {"full", fullLabel, {0, 0}, "LV93 魔神    ヴィシュヌ"},
      {"full", fullLabel, {2, 0}, "LV95 破壊神 シヴァ"},
      {"full", fullLabel, {29, 0}, "LV20 精霊　  フレイミーズ"},
      {"holder", holderLabel, {0, 0}, "LV93　魔神    ヴィシュヌ"},
      {"holder", holderLabel, {31, 8}, "LV30　魔人　  マタドール"},
      {"race", raceLabel, {0, 0}, "LV93 ヴィシュヌ"},
      {"race", raceLabel, {8, 9}, "LV. 8 リリム"},
      {"material", materialLabel, {0, 0}, "93 ヴィシュヌ"},
      {"material", materialLabel, {8, 9}, ". 8 リリム"},
      {"result", resultLabel, {0, 0}, "魔神 93 ヴィシュヌ"},
      {"result", resultLabel, {6, 8}, "妖魔 . 8 アプサラス"},
      {"result", resultLabel, {10, 0}, "堕天 68 フラロウス"},
  };
  for (const LabelCase& c : cases) {
    EXPECT_EQ(c.build(c.demon), c.expected) << c.label << " label of " << describe(c.demon);
  }
}

}  // namespace
}  // namespace qmoor
