// qmoor fuse A B: what two demons make by normal, phase and spirit fusion.
#include "forward/forward_fusion.h"
#include "query/demon_output.h"
#include "query/name_lookup.h"
#include "query/usage_error.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}};

void writeText(DemonRef a, DemonRef b, const FusionOutcome& outcome, const QueryContext& context) {
  std::vector<TextTable::Column> columns = demonColumns(context);
  columns.insert(columns.begin(), TextTable::Column{});
  TextTable table(columns);
  auto add = [&](std::string_view kind, DemonRef demon) {
    std::vector<std::string> cells = demonCells(demon, context.language);
    cells.insert(cells.begin(), std::string(kind));
    table.addRow(std::move(cells));
  };
  add(context.say("素材1", "material 1"), a);
  add(context.say("素材2", "material 2"), b);
  if (outcome.normal) add(fusionKindHeading(FusionKind::Normal, context.language), *outcome.normal);
  for (const DemonRef demon : outcome.phase) add(fusionKindHeading(FusionKind::Phase, context.language), demon);
  if (outcome.spirit) add(fusionKindHeading(FusionKind::Spirit, context.language), *outcome.spirit);
  if (!outcome.makesSomething()) {
    table.addRow({std::string(context.say("結果", "result")), "", "", std::string(context.say("なし", "none"))});
  }
  table.write(context.out);
}

void runFuse(const Arguments& arguments, const QueryContext& context) {
  const DemonRef a = resolveDemon(arguments.positionals()[0]);
  const DemonRef b = resolveDemon(arguments.positionals()[1]);
  if (a == b) throw UsageError("fuse needs two different demons");
  const FusionOutcome outcome = fuse(a, b, arguments.has("curse"));
  if (!context.json) {
    writeText(a, b, outcome, context);
    return;
  }
  const Language language = context.language;
  JsonWriter json(context.out);
  json.beginObject().key("materials");
  writeRefs(json, {a, b}, language);
  writeRef(json.key("normal"), outcome.normal, language);
  writeRefs(json.key("phase"), outcome.phase, language);
  writeRef(json.key("spirit"), outcome.spirit, language);
  json.endObject();
}

}  // namespace

extern const Verb FuseVerb{
    "fuse",
    "fuse A B [--curse]",
    "what A and B make: the normal result, the phase results and the spirit result",
    "  --curse         fuse by the CURSE chart\n",
    Options,
    2,
    2,
    runFuse,
};

}  // namespace qmoor::query
