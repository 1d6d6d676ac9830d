// qmoor partners A[@L]: every partner of A that makes something, with what
// each pairing makes: every demon at its base level, or each of my demons at
// its level; and the special demons whose recipes name A.
#include <string>

#include "data/compendium.h"
#include "data/recipes.h"
#include "forward/forward_fusion.h"
#include "query/demon_output.h"
#include "query/my_demons_source.h"
#include "query/name_lookup.h"
#include "stock/holding_rule.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}, {"mine-only"}};

struct LevelledPartnership {
  AtLevel partner;
  FusionOutcome outcome;
};

// Each of my demons without a problem that makes something with the material, in my order.
std::vector<LevelledPartnership> myPartners(AtLevel material, bool curse, const QueryContext& context) {
  std::vector<LevelledPartnership> found;
  for (const MyDemon& entry : readMyDemons(context)) {
    if (checkEntry(entry).problem != EntryProblem::None) continue;
    const AtLevel partner{entry.demon, entry.level};
    FusionOutcome outcome = fuseAtLevels(material, partner, curse);
    if (outcome.makesSomething()) found.push_back({partner, std::move(outcome)});
  }
  return found;
}

std::vector<LevelledPartnership> everyPartner(AtLevel material, bool curse) {
  std::vector<LevelledPartnership> found;
  for (Partnership& p : partnersAtLevel(material, curse)) found.push_back({{p.partner, level(p.partner)}, std::move(p.outcome)});
  return found;
}

std::string outcomeCell(const std::optional<DemonRef>& demon, Language language) {
  return demon ? demonLabel(*demon, language) : std::string();
}

std::string phaseCell(const std::vector<DemonRef>& demons, Language language) {
  std::string cell;
  for (const DemonRef demon : demons) cell += (cell.empty() ? "" : ", ") + demonLabel(demon, language);
  return cell;
}

void writeSpecials(DemonRef material, const QueryContext& context) {
  const std::vector<DemonRef> specials = specialsNaming(material);
  if (specials.empty()) return;
  context.out << '\n' << context.say("この悪魔を素材とする特殊合体", "special fusions that take this demon") << '\n';
  TextTable table({{std::string(context.say("特殊悪魔", "special demon"))}, {std::string(context.say("レシピ", "recipe"))}});
  for (const DemonRef special : specials) {
    std::string recipe;
    for (const std::string& line : recipeLinesIn(special, context.language)) {
      if (!line.empty()) recipe += (recipe.empty() ? "" : " / ") + line;
    }
    table.addRow({demonLabel(special, context.language), recipe});
  }
  table.write(context.out);
}

void writeText(AtLevel material, const std::vector<LevelledPartnership>& partnerships, const QueryContext& context) {
  const Language language = context.language;
  context.out << demonLabel(material.demon, material.level, language) << "\n\n";
  std::vector<TextTable::Column> columns = demonColumns(context);
  for (const FusionKind kind : {FusionKind::Normal, FusionKind::Phase, FusionKind::Spirit}) {
    columns.push_back({std::string(fusionKindHeading(kind, language))});
  }
  TextTable table(columns);
  for (const LevelledPartnership& p : partnerships) {
    std::vector<std::string> cells = demonCells(p.partner.demon, p.partner.level, language);
    cells.push_back(outcomeCell(p.outcome.normal, language));
    cells.push_back(phaseCell(p.outcome.phase, language));
    cells.push_back(outcomeCell(p.outcome.spirit, language));
    table.addRow(std::move(cells));
  }
  if (table.empty()) {
    context.out << context.say("なし", "none") << '\n';
  } else {
    table.write(context.out);
  }
  writeSpecials(material.demon, context);
}

void runPartners(const Arguments& arguments, const QueryContext& context) {
  const AtLevel material = resolveMaterial(arguments.positionals()[0]);
  const bool curse = arguments.has("curse");
  const std::vector<LevelledPartnership> partnerships =
      arguments.has("mine-only") ? myPartners(material, curse, context) : everyPartner(material, curse);
  if (!context.json) {
    writeText(material, partnerships, context);
    return;
  }
  const Language language = context.language;
  JsonWriter json(context.out);
  writeRef(json.beginObject().key("demon"), material.demon, language);
  json.key("level").value(material.level);
  json.key("partners").beginArray();
  for (const LevelledPartnership& p : partnerships) {
    writeRef(json.beginObject().key("partner"), p.partner.demon, language);
    json.key("level").value(p.partner.level);
    writeRef(json.key("normal"), p.outcome.normal, language);
    writeRefs(json.key("phase"), p.outcome.phase, language);
    writeRef(json.key("spirit"), p.outcome.spirit, language);
    json.endObject();
  }
  json.endArray().key("specials").beginArray();
  for (const DemonRef special : specialsNaming(material.demon)) {
    writeRef(json.beginObject().key("demon"), special, language);
    json.key("recipeLines").beginArray();
    for (const std::string& line : recipeLinesIn(special, language)) json.value(line);
    json.endArray().endObject();
  }
  json.endArray().endObject();
}

}  // namespace

extern const Verb PartnersVerb{
    "partners",
    "partners A[@L] [--curse] [--mine-only]",
    "every partner of A that makes something, with what each pairing makes",
    "  A@L             the demon at level L (its base level to 99); without @L, its base level\n"
    "  --curse         fuse by the CURSE chart\n"
    "  --mine-only     only my demons, each at its level (entries with a problem left out)\n",
    Options,
    1,
    1,
    runPartners,
    "A と合体して何かができる相手すべてと、それぞれの結果",
    "  A@L             レベル L の A（初期レベル～99）。@L がなければ初期レベル\n"
    "  --curse         CURSE の合体表で合体する\n"
    "  --mine-only     所持悪魔だけを、それぞれのレベルで（問題のある項目は除く）\n",
};

}  // namespace qmoor::query
