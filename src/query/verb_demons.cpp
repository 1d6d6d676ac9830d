// qmoor demons: compendium rows, narrowed by race, level and skills (all of
// them, optionally in the first list alone) and sorted by a column; in text
// each demon's skills (a learned skill with its level) and marks on a line
// under its row, in JSON each skill of the second list with its learn level.
#include <algorithm>
#include <iterator>
#include <string>

#include "compendium/compendium_model.h"
#include "data/skill_learning.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"
#include "query/shown_text.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {
    {"skill", true, true}, {"innate"}, {"race", true}, {"sort", true}, {"max-level", true}};

constexpr int MostSkills = 4;

struct SortColumn {
  std::string_view key;
  std::string_view japanese;
  std::optional<Column> column;  // none: race/slot order
};

constexpr SortColumn SortColumns[] = {
    {"race", "種族", std::nullopt},       {"level", "LV", Column::Level},       {"name", "名前", Column::Name},
    {"hp", "HP", Column::HP},             {"mp", "MP", Column::MP},             {"st", "力", Column::Strength},
    {"ma", "魔", Column::Magic},          {"vi", "体", Column::Vitality},       {"ag", "速", Column::Agility},
    {"lu", "運", Column::Luck},           {"inherit", "継承", Column::Inheritance},
};

std::string sortKeyList() {
  std::string keys;
  for (const SortColumn& c : SortColumns) keys += std::string(keys.empty() ? "" : ", ") + std::string(c.key);
  return keys;
}

// COLUMN, or -COLUMN for descending order; a key, a Japanese heading or a
// resistance heading in either language.
SortKey sortKeyFrom(std::string text) {
  SortKey key;
  if (text.starts_with("-")) {
    key.descending = true;
    text.erase(0, 1);
  }
  const std::string folded = foldName(text);
  for (const SortColumn& c : SortColumns) {
    if (folded == c.key || text == c.japanese) {
      key.column = c.column;
      return key;
    }
  }
  for (int k = 0; k < ResistanceTotal; ++k) {
    if (text == resistanceHeading(k, Language::Japanese) ||
        folded == foldName(resistanceHeading(k, Language::English))) {
      key.column = resistanceColumn(k);
      return key;
    }
  }
  throw UsageError("不明な並べ替えの列 " + quoted(text) + "。列: " + sortKeyList() + "、または耐性（物理～精神）",
                   "unknown sort column " + quoted(text) + "; columns: " + sortKeyList() + ", or a resistance (phys .. mind)");
}

CompendiumFilter filterFrom(const Arguments& arguments) {
  CompendiumFilter filter;
  if (const auto race = arguments.value("race")) filter.race = resolveRace(*race);
  if (const auto most = arguments.number("max-level", 1, 99)) filter.maxLevel = *most;
  for (const std::string& skill : arguments.values("skill")) filter.skills.push_back(resolveSkill(skill));
  if (filter.skills.size() > MostSkills)
    throw UsageError("demons の --skill は4個までです", "demons takes at most four --skill conditions");
  filter.innateOnly = arguments.has("innate");
  if (filter.innateOnly && filter.skills.empty())
    throw UsageError("--innate には --skill が1個以上要ります", "--innate needs at least one --skill");
  return filter;
}

void writeSkills(JsonWriter& json, const std::array<int, SkillListLength>& skills, Language language) {
  json.beginArray();
  for (int skill : skills) {
    if (skill != 0) json.value(skillName(skill, language));
  }
  json.endArray();
}

void writeRow(JsonWriter& json, const CompendiumRow& row, Language language) {
  writeRef(json.beginObject().key("ref"), row.demon, language);
  json.key("hp").value(row.hp).key("mp").value(row.mp).key("stats").beginArray();
  for (int stat : row.stats) json.value(stat);
  json.endArray().key("resist").beginArray();
  for (int k = 0; k < ResistanceTotal; ++k) json.value(cell(resistanceColumn(k), row.demon));
  json.endArray().key("marks").beginArray();
  for (int k = 0; k < MarkTotal; ++k) json.value(cell(markColumn(k), row.demon));
  json.endArray().key("inherit").value(inheritanceWord(row.inheritance, language));
  writeSkills(json.key("first"), row.first, language);
  writeSkills(json.key("second"), row.second, language);
  json.key("learnLevels").beginArray();
  for (int skill : row.second) {
    if (skill == 0) continue;
    if (const int learned = learnLevel(row.demon, skill)) {
      json.value(learned);
    } else {
      json.null();
    }
  }
  json.endArray().endObject();
}

// The skills of one list, each learned one followed by the level it is learned at.
std::string skillsLine(DemonRef demon, const std::array<int, SkillListLength>& skills, Language language) {
  std::string line;
  for (int skill : skills) {
    if (skill == 0) continue;
    line += (line.empty() ? "" : ", ") + std::string(skillName(skill, language));
    if (const int learned = learnLevel(demon, skill)) line += "(LV" + std::to_string(learned) + ")";
  }
  return line.empty() ? "-" : line;
}

// The line under a demon's row: its two skill lists and its marks.
std::string skillsAndMarks(const CompendiumRow& row, const QueryContext& context) {
  const Language language = context.language;
  std::string marks;
  for (int k = 0; k < MarkTotal; ++k) {
    if (cell(markColumn(k), row.demon) == "　") continue;
    if (!marks.empty()) marks += ' ';
    marks += markHeading(k, language);
  }
  return std::string(context.say("初期: ", "innate: ")) + skillsLine(row.demon, row.first, language) +
         std::string(context.say("　習得: ", "; learned: ")) + skillsLine(row.demon, row.second, language) +
         std::string(context.say("　印: ", "; marks: ")) + (marks.empty() ? "-" : marks);
}

void writeText(const std::vector<int>& shown, const QueryContext& context) {
  const Language language = context.language;
  std::vector<TextTable::Column> columns = demonColumns(context);
  for (int stat = 0; stat < StatHeadingTotal; ++stat) {
    columns.push_back({std::string(statHeading(stat, language)), Align::Right});
  }
  for (int k = 0; k < ResistanceTotal; ++k) columns.push_back({std::string(resistanceHeading(k, language))});
  columns.push_back({std::string(inheritanceHeading(language))});
  TextTable table(columns);
  const auto& rows = compendiumRows();
  for (int index : shown) {
    const CompendiumRow& row = rows[static_cast<std::size_t>(index)];
    std::vector<std::string> cells = demonCells(row.demon, language);
    cells.push_back(std::to_string(row.hp));
    cells.push_back(std::to_string(row.mp));
    for (int stat : row.stats) cells.push_back(std::to_string(stat));
    for (Resistance grade : row.resistances) {
      cells.emplace_back(grade == Resistance::Normal ? "" : resistanceValue(resistanceText(grade), language));
    }
    cells.emplace_back(inheritanceWord(row.inheritance, language));
    table.addRow(std::move(cells));
    table.addNote(skillsAndMarks(row, context));
  }
  table.write(context.out);
}

void runDemons(const Arguments& arguments, const QueryContext& context) {
  const Language language = context.language;
  const SortKey key = sortKeyFrom(arguments.value("sort").value_or("race"));
  const DemonNameOf nameOf = [language](DemonRef demon) { return demonName(demon, language); };
  const std::vector<int> shown = sortRows(filterRows(filterFrom(arguments), nameOf), key, nameOf);
  if (!context.json) {
    writeText(shown, context);
    return;
  }
  JsonWriter json(context.out);
  json.beginObject().key("demons").beginArray();
  for (int index : shown) writeRow(json, compendiumRows()[static_cast<std::size_t>(index)], language);
  json.endArray().endObject();
}

}  // namespace

extern const Verb DemonsVerb{
    "demons",
    "demons [--skill S]... [--innate] [--race R] [--sort COLUMN] [--max-level N]",
    "compendium rows; with skills, the demons holding all of them",
    "  --skill S       only demons holding skill S (up to four; all must be held)\n"
    "  --innate        the skills count only in the first (innate) list\n"
    "  --race R        only demons of race R\n"
    "  --sort COLUMN   race (default), level, name, hp, mp, st, ma, vi, ag, lu, inherit\n"
    "                  or a resistance (phys .. mind); -COLUMN sorts descending\n"
    "  --max-level N   only demons of level N or below\n",
    Options,
    0,
    0,
    runDemons,
    "悪魔全書の行。スキルを指定すると、そのすべてを持つ悪魔",
    "  --skill S       スキル S を持つ悪魔だけ（4個まで。すべてを持つもの）\n"
    "  --innate        スキルを初期スキルだけで数える\n"
    "  --race R        種族 R の悪魔だけ\n"
    "  --sort COLUMN   race（既定）, level, name, hp, mp, st, ma, vi, ag, lu, inherit\n"
    "                  または耐性（phys .. mind）。-COLUMN で降順\n"
    "  --max-level N   レベル N 以下の悪魔だけ\n",
};

}  // namespace qmoor::query
