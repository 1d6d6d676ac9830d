// qmoor fuse A[@L] B[@L]: what two demons make at those levels by normal,
// phase and spirit fusion.
#include "data/compendium.h"
#include "forward/forward_fusion.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}};

void writeText(AtLevel a, AtLevel b, const FusionOutcome& outcome, const QueryContext& context) {
  std::vector<TextTable::Column> columns = demonColumns(context);
  columns.insert(columns.begin(), TextTable::Column{});
  TextTable table(columns);
  auto addAt = [&](std::string_view kind, DemonRef demon, int level) {
    std::vector<std::string> cells = demonCells(demon, level, context.language);
    cells.insert(cells.begin(), std::string(kind));
    table.addRow(std::move(cells));
  };
  auto add = [&](std::string_view kind, DemonRef demon) { addAt(kind, demon, level(demon)); };
  addAt(context.say("素材1", "material 1"), a.demon, a.level);
  addAt(context.say("素材2", "material 2"), b.demon, b.level);
  if (outcome.normal) add(fusionKindHeading(FusionKind::Normal, context.language), *outcome.normal);
  for (const DemonRef demon : outcome.phase) add(fusionKindHeading(FusionKind::Phase, context.language), demon);
  if (outcome.spirit) add(fusionKindHeading(FusionKind::Spirit, context.language), *outcome.spirit);
  if (!outcome.makesSomething()) {
    table.addRow({std::string(context.say("結果", "result")), "", "", std::string(context.say("なし", "none"))});
  }
  table.write(context.out);
}

void runFuse(const Arguments& arguments, const QueryContext& context) {
  const AtLevel a = resolveMaterial(arguments.positionals()[0]);
  const AtLevel b = resolveMaterial(arguments.positionals()[1]);
  if (a.demon == b.demon) throw UsageError("fuse には異なる2体の悪魔を指定してください", "fuse needs two different demons");
  const FusionOutcome outcome = fuseAtLevels(a, b, arguments.has("curse"));
  if (!context.json) {
    writeText(a, b, outcome, context);
    return;
  }
  const Language language = context.language;
  JsonWriter json(context.out);
  json.beginObject().key("materials");
  writeRefs(json, {a.demon, b.demon}, language);
  json.key("levels").beginArray().value(a.level).value(b.level).endArray();
  writeRef(json.key("normal"), outcome.normal, language);
  writeRefs(json.key("phase"), outcome.phase, language);
  writeRef(json.key("spirit"), outcome.spirit, language);
  json.endObject();
}

}  // namespace

extern const Verb FuseVerb{
    "fuse",
    "fuse A[@L] B[@L] [--curse]",
    "what A and B make at those levels: the normal result, the phase results and the spirit result",
    "  A@L, B@L        the material at level L (its base level to 99); without @L, its base level\n"
    "  --curse         fuse by the CURSE chart\n",
    Options,
    2,
    2,
    runFuse,
    "A と B で何ができるか: 通常合体・月齢合体・精霊合体の結果",
    "  A@L, B@L        レベル L の素材（初期レベル～99）。@L がなければ初期レベル\n"
    "  --curse         CURSE の合体表で合体する\n",
};

}  // namespace qmoor::query
