// qmoor partners A: every partner of A that makes something, with what each
// pairing makes; in text also the special demons whose recipes name A.
#include <string>

#include "data/recipes.h"
#include "forward/forward_fusion.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}};

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
    if (const auto lines = recipeLines(special)) {
      for (std::string_view line : *lines) {
        if (!line.empty()) recipe += (recipe.empty() ? "" : " / ") + std::string(line);
      }
    }
    table.addRow({demonLabel(special, context.language), recipe});
  }
  table.write(context.out);
}

void writeText(DemonRef material, const std::vector<Partnership>& partnerships, const QueryContext& context) {
  const Language language = context.language;
  context.out << demonLabel(material, language) << "\n\n";
  std::vector<TextTable::Column> columns = demonColumns(context);
  for (const FusionKind kind : {FusionKind::Normal, FusionKind::Phase, FusionKind::Spirit}) {
    columns.push_back({std::string(fusionKindHeading(kind, language))});
  }
  TextTable table(columns);
  for (const Partnership& p : partnerships) {
    std::vector<std::string> cells = demonCells(p.partner, language);
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
  writeSpecials(material, context);
}

void runPartners(const Arguments& arguments, const QueryContext& context) {
  const DemonRef material = resolveDemon(arguments.positionals()[0]);
  const std::vector<Partnership> partnerships = partners(material, arguments.has("curse"));
  if (!context.json) {
    writeText(material, partnerships, context);
    return;
  }
  const Language language = context.language;
  JsonWriter json(context.out);
  writeRef(json.beginObject().key("demon"), material, language);
  json.key("partners").beginArray();
  for (const Partnership& p : partnerships) {
    writeRef(json.beginObject().key("partner"), p.partner, language);
    writeRef(json.key("normal"), p.outcome.normal, language);
    writeRefs(json.key("phase"), p.outcome.phase, language);
    writeRef(json.key("spirit"), p.outcome.spirit, language);
    json.endObject();
  }
  json.endArray().endObject();
}

}  // namespace

extern const Verb PartnersVerb{
    "partners",
    "partners A [--curse]",
    "every partner of A that makes something, with what each pairing makes",
    "  --curse         fuse by the CURSE chart\n",
    Options,
    1,
    1,
    runPartners,
};

}  // namespace qmoor::query
