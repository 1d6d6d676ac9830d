// qmoor mine: my demons as the file keeps them, each with its problem, and
// what every pair of them makes, with how many skills each result inherits
// and the pool it draws them from.
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/skills.h"
#include "query/demon_output.h"
#include "query/my_demons_source.h"
#include "stock/holding_rule.h"
#include "stock/my_fusions.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}};

std::string skillText(int skill, Language language) { return skillListText({skill}, language); }

std::string problemText(const MyDemon& entry, EntryCheck check, const QueryContext& context) {
  const std::string skill = skillText(check.skill, context.language);
  switch (check.problem) {
    case EntryProblem::None: return {};
    case EntryProblem::Unreadable: return std::string(context.say("読めない項目", "not an entry of race, slot, level and skills"));
    case EntryProblem::UnknownDemon: {
      const std::string place = std::to_string(entry.demon.race) + "/" + std::to_string(entry.demon.slot);
      return context.language == Language::Japanese ? place + " の悪魔はいません" : "no demon at " + place;
    }
    case EntryProblem::LevelOutOfRange: {
      const std::string range = std::to_string(level(entry.demon)) + "～" + std::to_string(MaxLevel);
      return context.language == Language::Japanese ? "レベルは " + range + " です"
                                                    : "the level runs from " + std::to_string(level(entry.demon)) + " to 99";
    }
    case EntryProblem::TooManySkills:
      return context.language == Language::Japanese ? "スキルが " + std::to_string(MostSkillsHeld) + " 個を超えています"
                                                    : "more than " + std::to_string(MostSkillsHeld) + " skills";
    case EntryProblem::UnknownSkill:
      return context.language == Language::Japanese ? "スキル番号 " + std::to_string(check.skill) + " はありません"
                                                    : "no skill numbered " + std::to_string(check.skill);
    case EntryProblem::NotASkill:
      return context.language == Language::Japanese ? skill + " は持てるスキルではありません" : skill + " is not a skill to hold";
    case EntryProblem::RepeatedSkill:
      return context.language == Language::Japanese ? skill + " が二度あります" : skill + " twice";
    case EntryProblem::CannotHold:
      return context.language == Language::Japanese ? skill + " はこのレベルでは持てません"
                                                    : "cannot hold " + skill + " at this level";
  }
  return {};
}

void writeDemonsText(const std::vector<MyDemon>& demons, const std::vector<EntryCheck>& checks, const QueryContext& context) {
  const Language language = context.language;
  context.out << context.say("所持悪魔", "my demons") << '\n';
  if (demons.empty()) {
    context.out << context.say("なし", "none") << '\n';
    return;
  }
  std::vector<TextTable::Column> columns = demonColumns(context);
  columns.insert(columns.begin(), TextTable::Column{"#", Align::Right});
  columns.push_back({std::string(context.say("スキル", "skills"))});
  columns.push_back({std::string(context.say("問題", "problem"))});
  TextTable table(columns);
  for (std::size_t i = 0; i < demons.size(); ++i) {
    const MyDemon& entry = demons[i];
    std::vector<std::string> cells{std::to_string(i + 1)};
    if (isOccupied(entry.demon) && entry.unread.empty()) {
      for (std::string& cell : demonCells(entry.demon, entry.level, language)) cells.push_back(std::move(cell));
    } else {
      cells.insert(cells.end(), {entry.unread.empty() ? std::to_string(entry.level) : "", "", ""});
    }
    cells.push_back(skillListText(entry.skills, language));
    cells.push_back(problemText(entry, checks[i], context));
    table.addRow(std::move(cells));
  }
  table.write(context.out);
}

void writeFusionsText(const std::vector<MyFusion>& fusions, const QueryContext& context) {
  const Language language = context.language;
  context.out << '\n' << context.say("所持悪魔どうしの合体", "what my demons make together") << '\n';
  if (fusions.empty()) {
    context.out << context.say("なし", "none") << '\n';
    return;
  }
  std::vector<TextTable::Column> columns{{std::string(context.say("素材", "materials"))}, {std::string(context.say("合体", "fusion"))}};
  for (TextTable::Column& column : demonColumns(context)) columns.push_back(std::move(column));
  columns.push_back({std::string(context.say("継承数", "inherits")), Align::Right});
  columns.push_back({std::string(context.say("継承できるスキル", "skills it may inherit"))});
  TextTable table(columns);
  for (const MyFusion& fusion : fusions) {
    for (const MyFusionResult& r : fusion.results) {
      std::vector<std::string> cells{std::to_string(fusion.first + 1) + "+" + std::to_string(fusion.second + 1),
                                     std::string(fusionKindName(r.kind, language))};
      for (std::string& cell : demonCells(r.result, language)) cells.push_back(std::move(cell));
      cells.push_back(std::to_string(r.inheritance.count));
      cells.push_back(skillListText(r.inheritance.pool, language));
      table.addRow(std::move(cells));
    }
  }
  table.write(context.out);
}

void writeSkillsJson(JsonWriter& json, const std::vector<int>& skills, Language language) {
  json.beginArray();
  for (const int skill : skills) {
    if (skillEntry(skill) != SkillEntry::None) {
      json.value(skillName(skill, language));
    } else {
      json.value(skill);
    }
  }
  json.endArray();
}

void writeJson(const std::vector<MyDemon>& demons, const std::vector<EntryCheck>& checks,
               const std::vector<MyFusion>& fusions, const QueryContext& context) {
  const Language language = context.language;
  JsonWriter json(context.out);
  json.beginObject().key("demons").beginArray();
  for (std::size_t i = 0; i < demons.size(); ++i) {
    const MyDemon& entry = demons[i];
    const bool readable = entry.unread.empty();
    json.beginObject().key("demon");
    writeRef(json, readable && isOccupied(entry.demon) ? std::optional(entry.demon) : std::nullopt, language);
    json.key("level");
    readable ? json.value(entry.level) : json.null();
    writeSkillsJson(json.key("skills"), entry.skills, language);
    json.key("problem");
    if (checks[i].problem == EntryProblem::None) {
      json.null();
    } else {
      json.value(problemText(entry, checks[i], context));
    }
    json.endObject();
  }
  json.endArray().key("fusions").beginArray();
  for (const MyFusion& fusion : fusions) {
    json.beginObject().key("materials").beginArray().value(fusion.first).value(fusion.second).endArray();
    json.key("results").beginArray();
    for (const MyFusionResult& r : fusion.results) {
      writeRef(json.beginObject().key("result"), r.result, language);
      json.key("kind").value(fusionKindKey(r.kind));
      json.key("inherits").value(r.inheritance.count);
      writeSkillsJson(json.key("pool"), r.inheritance.pool, language);
      json.endObject();
    }
    json.endArray().endObject();
  }
  json.endArray().endObject();
}

void runMine(const Arguments& arguments, const QueryContext& context) {
  const std::vector<MyDemon> demons = readMyDemons(context);
  std::vector<EntryCheck> checks;
  checks.reserve(demons.size());
  for (const MyDemon& entry : demons) checks.push_back(checkEntry(entry));
  const std::vector<MyFusion> fusions = fusionsAmong(demons, arguments.has("curse"));
  if (context.json) {
    writeJson(demons, checks, fusions, context);
    return;
  }
  writeDemonsText(demons, checks, context);
  writeFusionsText(fusions, context);
}

}  // namespace

extern const Verb MineVerb{
    "mine",
    "mine [--curse]",
    "my demons, each with its problem if it has one, and what every pair of them makes",
    "  --curse         fuse by the CURSE chart\n",
    Options,
    0,
    0,
    runMine,
    "所持悪魔（問題のある項目はその問題とともに）と、その二体ずつが作る悪魔",
    "  --curse         CURSE の合体表で合体する\n",
};

}  // namespace qmoor::query
