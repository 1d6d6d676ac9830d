// The compendium as a table model: one row per demon with its figures,
// resistances, marks and skills; sorting, filtering and the skill search
// return row indices and leave the texts to the callers.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/compendium.h"
#include "data/compendium_grid.h"
#include "data/skills.h"
#include "data/types.h"

namespace qmoor {

// Resistance grades from weakest to strongest; sorting follows this order.
enum class Resistance : int { Weak, Normal, Strong, Null, Drain, Repel };
inline constexpr int ResistanceGradeTotal = 6;
inline constexpr int ResistanceTotal = 10;  // 物理 火炎 氷結 電撃 衝撃 破魔 呪殺 魔力 神経 精神
inline constexpr int MarkTotal = 10;        // 口 羽 目 突 咬 爪 針 武 乙 会
inline constexpr int StatTotal = 5;         // 力 魔 体 速 運

std::string_view resistanceText(Resistance grade);                    // 弱 　 強 無 吸 反
std::optional<Resistance> resistanceFromText(std::string_view text);  // a blank or empty text is Normal

struct CompendiumRow {
  DemonRef demon;
  int level = 0;
  int hp = 0;
  int mp = 0;
  std::array<int, StatTotal> stats{};
  std::array<Resistance, ResistanceTotal> resistances{};
  std::array<bool, MarkTotal> marks{};
  std::string_view inheritance;               // 継承; empty for none
  std::array<int, SkillListLength> first{};   // innate skills, packed, 0 for none
  std::array<int, SkillListLength> second{};  // skills learnt later, packed, 0 for none
};

// All 183 demons in race/slot order; a row's index is its race-order position.
const std::vector<CompendiumRow>& compendiumRows();

// The name a caller shows for a demon or a skill (Japanese by default);
// sorting and the name filter work on it so that other languages need no
// change here.
using DemonNameOf = std::function<std::string_view(DemonRef)>;
using SkillNameOf = std::function<std::string_view(int)>;

// A sort by the race, by any column or by a skill list: names and 継承 as
// UTF-8 text (by the caller's names when given), resistances by grade, a mark
// carried after one not carried, a skill list by the names of its skills in
// turn, the rest by their figures.
struct SortKey {
  std::optional<Column> column{};  // none: race, or the skill list below
  bool descending = false;
  std::optional<SkillList> skills{};  // when given, sorts by this list and the column is not read
};
// The given rows reordered by the key; equal rows keep race/slot order in
// both directions. Numbers that are no row index are dropped; an unknown
// column leaves the order as given.
std::vector<int> sortRows(std::vector<int> rows, SortKey key, const DemonNameOf& nameOf = {},
                          const SkillNameOf& skillNameOf = {});

struct ResistanceCondition {
  int resistance = 0;                                 // 0..9; any other matches no row
  std::array<bool, ResistanceGradeTotal> accepted{};  // indexed by Resistance
};

struct CompendiumFilter {
  std::optional<Race> race{};
  std::string nameText{};  // substring of the name, ASCII letters in either case; empty accepts every name
  int minLevel = 1;
  int maxLevel = 99;
  std::vector<ResistanceCondition> resistances{};  // all must hold
  std::array<bool, MarkTotal> requiredMarks{};     // every ticked mark must be carried
  // Skill numbers the demon must all hold; one outside the catalogue matches no row.
  std::vector<int> skills{};
  bool innateOnly = false;  // skills count only in the first list
};

// The indices of the rows that pass every condition, in race/slot order.
std::vector<int> filterRows(const CompendiumFilter& filter, const DemonNameOf& nameOf = {});

// Whether the row holds every one of the skills (in the first list alone when innateOnly).
bool holdsAllSkills(const CompendiumRow& row, const std::vector<int>& skills, bool innateOnly);

}  // namespace qmoor
