// qmoor recipes T: the form's answer for T under the options given — race
// pairs, material pairs with the spirit rows, the required level range and
// the recipe lines.
#include <string>
#include <vector>

#include "data/compendium.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"
#include "query/usage_error.h"
#include "rules/pair_enumeration.h"
#include "rules/required_total.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"},       {"neutral"}, {"reverse"},           {"race", true},
                                  {"limit", true}, {"auto"},    {"skill", true, true}};

struct RecipeAnswer {
  DemonRef target;
  std::vector<RacePair> racePairs;
  std::vector<MaterialPair> materialPairs;
  std::optional<RequiredTotal> required;
  std::vector<std::string> recipeLines;
};

FilterSettings filtersFrom(const Arguments& arguments, DemonRef target) {
  FilterSettings filters;
  filters.curse = arguments.has("curse");
  filters.neutral = arguments.has("neutral");
  if (const auto race = arguments.value("race")) filters.materialRaceChoice = resolveRace(*race) + 1;
  if (arguments.has("limit") && arguments.has("auto")) throw UsageError("--limit と --auto は同時に指定できません", "--limit and --auto exclude each other");
  if (const auto limit = arguments.number("limit", 0, 99)) filters.cap = *limit;
  if (arguments.has("auto")) filters.cap = level(target);
  const std::vector<std::string> skills = arguments.values("skill");
  if (skills.size() > 2) throw UsageError("recipes の --skill は2個までです", "recipes takes at most two --skill conditions");
  if (skills.size() >= 1) {
    filters.skills.on1 = true;
    filters.skills.skill1 = resolveSkill(skills[0]);
  }
  if (skills.size() == 2) {
    filters.skills.on2 = true;
    filters.skills.skill2 = resolveSkill(skills[1]);
  }
  return filters;
}

// Normal and race-31 demons list their pairs; special demons only their
// recipe lines, and a 御魂 its spirit x spirit line.
RecipeAnswer answerRecipes(DemonRef target, const FilterSettings& filters, bool reverse, Language language) {
  RecipeAnswer answer{target, {}, {}, requiredTotal(target), recipeLinesIn(target, language)};
  if (target.race == PhaseRace || !isSpecial(target)) {
    FusionAnswer listed = answerFor(target, filters, reverse);
    answer.racePairs = std::move(listed.racePairs);
    answer.materialPairs = std::move(listed.materialPairs);
  }
  if (listsSpiritSpiritLine(target.race, filters)) answer.racePairs.push_back({SpiritRace, SpiritRace});
  return answer;
}

void writeJson(const RecipeAnswer& answer, const QueryContext& context) {
  const Language language = context.language;
  JsonWriter json(context.out);
  writeRef(json.beginObject().key("target"), answer.target, language);
  json.key("racePairs").beginArray();
  for (const RacePair& pair : answer.racePairs) json.beginArray().value(pair.first).value(pair.second).endArray();
  json.endArray().key("materialPairs").beginArray();
  for (const MaterialPair& pair : answer.materialPairs) {
    writeRef(json.beginArray(), pair.first, language);
    writeRef(json, pair.second, language);
    json.endArray();
  }
  json.endArray().key("required");
  if (answer.required) {
    json.beginArray().value(answer.required->low).value(answer.required->high).endArray();
  } else {
    json.null();
  }
  json.key("recipeLines").beginArray();
  for (const std::string& line : answer.recipeLines) json.value(line);
  json.endArray().endObject();
}

void writeSection(const QueryContext& context, std::string_view heading, const TextTable& table) {
  context.out << '\n' << heading << '\n';
  if (table.empty()) {
    context.out << context.say("なし", "none") << '\n';
  } else {
    table.write(context.out);
  }
}

std::string requiredText(const std::optional<RequiredTotal>& required, const QueryContext& context) {
  if (!required) return "---";
  return std::to_string(required->low) + std::string(context.say("～", "-")) + std::to_string(required->high);
}

void writeText(const RecipeAnswer& answer, const QueryContext& context) {
  const Language language = context.language;
  context.out << demonLabel(answer.target, language) << '\n';
  context.out << context.say("必要な合計レベル", "required total level") << "  "
              << requiredText(answer.required, context) << '\n';

  TextTable races({{std::string(context.say("種族1", "race 1"))}, {std::string(context.say("種族2", "race 2"))}});
  for (const RacePair& pair : answer.racePairs) {
    races.addRow({std::string(raceName(pair.first, language)), std::string(raceName(pair.second, language))});
  }
  writeSection(context, context.say("合体可能種族", "race pairs"), races);

  std::vector<TextTable::Column> columns = demonColumns(context);
  const std::vector<TextTable::Column> second = demonColumns(context);
  columns.insert(columns.end(), second.begin(), second.end());
  TextTable materials(columns);
  for (const MaterialPair& pair : answer.materialPairs) {
    std::vector<std::string> cells = demonCells(pair.first, language);
    const std::vector<std::string> other = demonCells(pair.second, language);
    cells.insert(cells.end(), other.begin(), other.end());
    materials.addRow(std::move(cells));
  }
  writeSection(context, context.say("素材悪魔", "material pairs"), materials);

  if (!answer.recipeLines.empty()) {
    context.out << '\n' << context.say("レシピ", "recipe") << '\n';
    for (const std::string& line : answer.recipeLines) {
      if (!line.empty()) context.out << line << '\n';
    }
  }
}

void runRecipes(const Arguments& arguments, const QueryContext& context) {
  const DemonRef target = resolveDemon(arguments.positionals()[0]);
  const RecipeAnswer answer = answerRecipes(target, filtersFrom(arguments, target), arguments.has("reverse"), context.language);
  if (context.json) {
    writeJson(answer, context);
  } else {
    writeText(answer, context);
  }
}

}  // namespace

extern const Verb RecipesVerb{
    "recipes",
    "recipes T [--curse] [--neutral] [--reverse] [--race R] [--limit N | --auto] [--skill S]...",
    "how T is made, as the form lists it: race pairs, material pairs, spirit rows, recipe lines",
    "  --curse         fuse by the CURSE chart\n"
    "  --neutral       only pairs of two NEUTRAL races, no spirit fusion\n"
    "  --reverse       list race pairs from the last race down, larger race first\n"
    "  --race R        only pairs with a material of race R\n"
    "  --limit N       only materials of level N or below (0 to 99)\n"
    "  --auto          only materials of T's level or below\n"
    "  --skill S       a material must carry skill S (at most twice)\n",
    Options,
    1,
    1,
    runRecipes,
    "T の作り方をフォームと同じく: 合体可能種族、素材悪魔、精霊の行、レシピ",
    "  --curse         CURSE の合体表で合体する\n"
    "  --neutral       NEUTRAL の種族どうしの組だけ、精霊合体なし\n"
    "  --reverse       種族の組を最後の種族から、大きい種族を先に並べる\n"
    "  --race R        素材に種族 R を含む組だけ\n"
    "  --limit N       レベル N 以下の素材だけ（0～99）\n"
    "  --auto          T のレベル以下の素材だけ\n"
    "  --skill S       素材がスキル S を持つこと（2個まで）\n",
};

}  // namespace qmoor::query
