// qmoor skills [S...]: the skill table (kind, element, cost, target, power,
// inheritance mark, the game's help text in English) narrowed by kind and
// element; with skills named, only those, each with the demons that have it.
#include <algorithm>
#include <string>
#include <vector>

#include "compendium/skill_rows.h"
#include "names/skill_words.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"kind", true}, {"element", true}};

// The rows asked for, in catalogue order.
std::vector<int> shownRows(const Arguments& arguments) {
  SkillFilter filter;
  if (const auto kind = arguments.value("kind")) filter.kind = resolveSkillKind(*kind);
  if (const auto element = arguments.value("element")) filter.element = resolveSkillElement(*element);
  std::vector<int> rows = filterSkillRows(filter);
  if (arguments.positionals().empty()) return rows;
  std::vector<int> named;
  for (const std::string& text : arguments.positionals()) named.push_back(skillRowOf(resolveSkill(text)));
  std::erase_if(rows, [&](int row) { return std::find(named.begin(), named.end(), row) == named.end(); });
  return rows;
}

std::string markCell(SkillInheritance rule, const QueryContext& context) {
  if (!rule.inheritable) return std::string(context.say("継承不可", "not inheritable"));
  if (rule.mark == AnyDemon) return std::string(context.say("制限なし", "any demon"));
  return std::string(markHeading(rule.mark, context.language));
}

void writeTable(const std::vector<int>& rows, const QueryContext& context) {
  const Language language = context.language;
  std::vector<TextTable::Column> columns{
      {std::string(context.say("番号", "no.")), Align::Right}, {std::string(context.say("スキル", "skill"))},
      {std::string(context.say("種別", "kind"))},              {std::string(context.say("属性", "element"))},
      {std::string(context.say("消費", "cost"))},              {std::string(context.say("対象", "target"))},
      {std::string(context.say("威力", "power")), Align::Right}, {std::string(context.say("継承", "inherit"))}};
  if (language == Language::English) columns.push_back({"description"});
  TextTable table(columns);
  for (int row : rows) {
    const SkillDetails& details = skillRowDetails(row);
    table.addRow({std::to_string(details.skill), std::string(skillName(details.skill, language)),
                  std::string(skillKindName(details.kind, language)),
                  std::string(skillElementName(details.element, language)), costText(details.cost),
                  std::string(skillTargetName(details.target, language)), powerText(details.power),
                  markCell(skillRowInheritance(row), context), std::string(skillDescription(details.skill, language))});
  }
  table.write(context.out);
}

void writeHolders(int skill, const QueryContext& context) {
  const Language language = context.language;
  context.out << '\n' << skillName(skill, language) << context.say("の所持悪魔", ": demons that have it") << '\n';
  std::vector<TextTable::Column> columns = demonColumns(context);
  columns.push_back({std::string(context.say("習得", "learned"))});
  TextTable table(columns);
  for (const SkillHolder& holder : skillHolders(skill)) {
    std::vector<std::string> cells = demonCells(holder.demon, language);
    cells.push_back(holder.learnLevel ? "LV" + std::to_string(*holder.learnLevel)
                                      : std::string(context.say("初期", "innate")));
    table.addRow(std::move(cells));
  }
  table.write(context.out);
}

void writeText(const std::vector<int>& rows, bool withHolders, const QueryContext& context) {
  if (rows.empty()) {
    context.out << context.say("なし", "none") << '\n';
    return;
  }
  writeTable(rows, context);
  if (!withHolders) return;
  for (int row : rows) writeHolders(skillRowDetails(row).skill, context);
}

void writeOptionalText(JsonWriter& json, std::string_view key, const std::string& text) {
  json.key(key);
  if (text.empty()) {
    json.null();
  } else {
    json.value(text);
  }
}

void writeSkill(JsonWriter& json, int row, Language language) {
  const SkillDetails& details = skillRowDetails(row);
  const SkillInheritance rule = skillRowInheritance(row);
  json.beginObject()
      .key("number").value(details.skill)
      .key("name").value(skillName(details.skill, language))
      .key("kind").value(keyword(details.kind))
      .key("element").value(keyword(details.element));
  writeOptionalText(json, "cost", costText(details.cost));
  json.key("target").value(keyword(details.target)).key("power");
  if (details.power.kind == SkillPower::Kind::Figure) {
    json.value(details.power.amount);
  } else if (details.power.kind == SkillPower::Kind::Share) {
    json.value(powerText(details.power));
  } else {
    json.null();
  }
  json.key("mark");
  if (rule.inheritable && rule.mark != AnyDemon) {
    json.value(markHeading(rule.mark, Language::Japanese));
  } else {
    json.null();
  }
  json.key("inheritable").value(rule.inheritable);
  writeOptionalText(json, "description", std::string(skillDescription(details.skill, language)));
  json.key("holders").beginArray();
  for (const SkillHolder& holder : skillHolders(details.skill)) {
    writeRef(json.beginObject().key("demon"), holder.demon, language);
    json.key("level");
    if (holder.learnLevel) {
      json.value(*holder.learnLevel);
    } else {
      json.null();
    }
    json.endObject();
  }
  json.endArray().endObject();
}

void runSkills(const Arguments& arguments, const QueryContext& context) {
  const std::vector<int> rows = shownRows(arguments);
  if (!context.json) {
    writeText(rows, !arguments.positionals().empty(), context);
    return;
  }
  JsonWriter json(context.out);
  json.beginObject().key("skills").beginArray();
  for (int row : rows) writeSkill(json, row, context.language);
  json.endArray().endObject();
}

}  // namespace

extern const Verb SkillsVerb{
    "skills",
    "skills [S...] [--kind K] [--element E]",
    "the skill table; with skills named, only those, each with the demons that have it",
    "  --kind K        only skills of kind K: attack, ailment, recovery, support, field,\n"
    "                  passive or talk (or the kind's name in either language)\n"
    "  --element E     only skills of element E: physical, fire, ice, elec, force, light,\n"
    "                  dark, almighty, curse, nerve, mind or none (or its name)\n",
    Options,
    0,
    SelectableSkillTotal,
    runSkills,
    "スキル一覧。スキルを指定するとそれだけを、それぞれを持つ悪魔とともに",
    "  --kind K        種別 K のスキルだけ: attack, ailment, recovery, support, field,\n"
    "                  passive, talk（または両言語の種別名）\n"
    "  --element E     属性 E のスキルだけ: physical, fire, ice, elec, force, light,\n"
    "                  dark, almighty, curse, nerve, mind, none（または属性名）\n",
};

}  // namespace qmoor::query
