// Demon references and labels in qmoor's answers.
#include "query/demon_output.h"

#include "data/compendium.h"
#include "data/recipes.h"
#include "names/ui_texts.h"
#include "data/skills.h"

namespace qmoor::query {

void writeRef(JsonWriter& json, DemonRef demon, Language language) {
  json.beginObject()
      .key("race").value(demon.race)
      .key("slot").value(demon.slot)
      .key("name").value(demonName(demon, language))
      .key("level").value(level(demon))
      .endObject();
}

void writeRef(JsonWriter& json, const std::optional<DemonRef>& demon, Language language) {
  if (demon) {
    writeRef(json, *demon, language);
  } else {
    json.null();
  }
}

void writeRefs(JsonWriter& json, const std::vector<DemonRef>& demons, Language language) {
  json.beginArray();
  for (const DemonRef demon : demons) writeRef(json, demon, language);
  json.endArray();
}

std::vector<TextTable::Column> demonColumns(const QueryContext& context) {
  return {{"LV", Align::Right}, {std::string(context.say("種族", "race"))}, {std::string(context.say("悪魔", "demon"))}};
}

std::vector<std::string> demonCells(DemonRef demon, Language language) {
  return demonCells(demon, level(demon), language);
}

std::vector<std::string> demonCells(DemonRef demon, int level, Language language) {
  return {std::to_string(level), std::string(raceName(demon.race, language)), std::string(demonName(demon, language))};
}

std::string_view fusionKindKey(FusionKind kind) {
  switch (kind) {
    case FusionKind::Spirit: return "spirit";
    case FusionKind::Phase: return "phase";
    default: return "normal";
  }
}

std::vector<std::string> recipeLinesIn(DemonRef demon, Language language) {
  std::vector<std::string> lines;
  if (const auto recipe = recipeLines(demon)) {
    for (std::string_view line : *recipe) lines.push_back(recipeLineText(line, language));
  }
  return lines;
}

}  // namespace qmoor::query
