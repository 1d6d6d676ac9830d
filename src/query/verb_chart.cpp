// qmoor chart: the race × race chart of normal fusion, each cell the race
// the row race and the column race make, by the chart of the CURSE setting.
#include <string>
#include <vector>

#include "query/demon_output.h"
#include "rules/race_chart.h"

namespace qmoor::query {
namespace {

constexpr OptionSpec Options[] = {{"curse"}};

void writeText(const RaceChart& chart, const QueryContext& context) {
  const Language language = context.language;
  std::vector<TextTable::Column> columns{{}};
  for (Race race = 0; race < RaceTotal; ++race) columns.push_back({std::string(raceName(race, language))});
  TextTable table(columns);
  for (Race a = 0; a < RaceTotal; ++a) {
    std::vector<std::string> cells{std::string(raceName(a, language))};
    for (Race b = 0; b < RaceTotal; ++b) cells.emplace_back(chart[a][b] ? raceName(*chart[a][b], language) : "-");
    table.addRow(std::move(cells));
  }
  table.write(context.out);
}

void runChart(const Arguments& arguments, const QueryContext& context) {
  const RaceChart chart = raceChart(arguments.has("curse"));
  if (!context.json) {
    writeText(chart, context);
    return;
  }
  JsonWriter json(context.out);
  json.beginObject().key("races").beginArray();
  for (Race race = 0; race < RaceTotal; ++race) json.value(raceName(race, context.language));
  json.endArray().key("cells").beginArray();
  for (const auto& row : chart) {
    json.beginArray();
    for (const std::optional<Race>& cell : row) {
      if (cell) {
        json.value(*cell);
      } else {
        json.null();
      }
    }
    json.endArray();
  }
  json.endArray().endObject();
}

}  // namespace

extern const Verb ChartVerb{
    "chart",
    "chart [--curse]",
    "the race × race chart of normal fusion: the race each pair of races makes",
    "  --curse         the chart that replaces the normal one under CURSE\n",
    Options,
    0,
    0,
    runChart,
    "通常合体の種族 × 種族の合体表: 二つの種族が作る種族",
    "  --curse         CURSE のときに通常の表に代わる合体表\n",
};

}  // namespace qmoor::query
