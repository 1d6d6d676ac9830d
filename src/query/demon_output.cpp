// Demon references and labels in qmoor's answers.
#include "query/demon_output.h"

#include "data/compendium.h"

namespace qmoor::query {

Json refJson(DemonRef demon, Language language) {
  return {{"race", demon.race}, {"slot", demon.slot}, {"name", demonName(demon, language)}, {"level", level(demon)}};
}

Json refJson(const std::optional<DemonRef>& demon, Language language) {
  return demon ? refJson(*demon, language) : Json(nullptr);
}

Json refsJson(const std::vector<DemonRef>& demons, Language language) {
  Json list = Json::array();
  for (const DemonRef demon : demons) list.push_back(refJson(demon, language));
  return list;
}

std::string demonLabel(DemonRef demon, Language language) {
  return "LV" + std::to_string(level(demon)) + " " + std::string(raceName(demon.race, language)) + " " +
         std::string(demonName(demon, language));
}

std::vector<TextTable::Column> demonColumns(const QueryContext& context) {
  return {{"LV", Align::Right}, {std::string(context.say("種族", "race"))}, {std::string(context.say("悪魔", "demon"))}};
}

std::vector<std::string> demonCells(DemonRef demon, Language language) {
  return {std::to_string(level(demon)), std::string(raceName(demon.race, language)),
          std::string(demonName(demon, language))};
}

void writeJson(const QueryContext& context, const Json& document) { context.out << document.dump() << '\n'; }

}  // namespace qmoor::query
