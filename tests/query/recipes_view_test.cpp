// qmoor recipes gives, for each option, exactly what the form lists when the
// same options are set and the demon is chosen: race-pair lines, material-pair
// rows with the spirit rows, the required range and the special-recipe lines.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "query_runner.h"
#include "rules/pair_enumeration.h"
#include "script/drive_host.h"
#include "script/script_runner.h"
#include "view/view.h"

namespace qmoor::testing {
namespace {

struct Case {
  DemonRef demon;
  std::vector<std::string> options;  // qmoor recipes options
  std::string actions;               // the same options set on the form
  friend void PrintTo(const Case& c, std::ostream* out) {
    *out << c.demon.race << "/" << c.demon.slot;
    for (const std::string& option : c.options) *out << " " << option;
  }
};

DemonRef refOf(const nlohmann::json& ref) { return {ref["race"].get<int>(), ref["slot"].get<int>()}; }

// Ticks skill condition 1 or 2 with the skill picked in its kind-order combo.
std::string pickSkill(int condition, int skill) {
  const int combo = condition == 1 ? 1172 : 1181;
  const int check = condition == 1 ? 1174 : 1180;
  return "select " + std::to_string(combo) + " " + std::to_string(kindPositionOf(skill) - 1) + "\nclick " +
         std::to_string(check) + "\n";
}

class RecipesAsTheFormListsThem : public ::testing::TestWithParam<Case> {};

TEST_P(RecipesAsTheFormListsThem, SameLinesRowsRangeAndRecipe) {
  const Case& c = GetParam();
  std::vector<std::string> words = {"recipes", std::to_string(c.demon.race) + "/" + std::to_string(c.demon.slot),
                                    "--json"};
  words.insert(words.end(), c.options.begin(), c.options.end());
  const QueryRun run = runQueryWords(words);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto answer = nlohmann::json::parse(run.out);

  DriveHost host;
  CQmoorView view(host);
  view.InitialUpdate();
  std::ostringstream dumps;
  ScriptRunner runner(view, host, dumps);
  std::istringstream script(c.actions + "select 1026 " + std::to_string(raceOrderIndexOf(c.demon)) + "\n");
  std::ostringstream errors;
  ASSERT_EQ(runner.run(script, errors), 0) << errors.str();

  std::vector<std::string> lines;
  for (const auto& pair : answer["racePairs"]) lines.push_back(racePairLine(pair[0].get<int>(), pair[1].get<int>(), Language::Japanese));
  EXPECT_EQ(lines, view.form().list(ControlId::RacePairList).items());

  const ListView& rows = view.form().listView(ControlId::MaterialPairView);
  ASSERT_EQ(static_cast<int>(answer["materialPairs"].size()), rows.rowCount());
  for (int i = 0; i < rows.rowCount(); ++i) {
    const auto& pair = answer["materialPairs"][static_cast<std::size_t>(i)];
    EXPECT_EQ(resultLabel(refOf(pair[0])), rows.cell(i, 0)) << "row " << i;
    EXPECT_EQ(resultLabel(refOf(pair[1])), rows.cell(i, 1)) << "row " << i;
  }

  const auto& required = answer["required"];
  EXPECT_EQ(required.is_null() ? "---" : std::to_string(required[0].get<int>()),
            view.form().edit(ControlId::RequiredLowEdit).text());
  EXPECT_EQ(required.is_null() ? "---" : std::to_string(required[1].get<int>()),
            view.form().edit(ControlId::RequiredHighEdit).text());

  const ListBox& recipe = view.form().list(ControlId::RecipeList);
  EXPECT_EQ(answer["recipeLines"].get<std::vector<std::string>>(),
            recipe.enabled() ? recipe.items() : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Options, RecipesAsTheFormListsThem,
    ::testing::Values(Case{{0, 2}, {}, ""},  // オーディン
                      Case{{0, 2}, {"--curse"}, "click 1059\n"},
                      Case{{19, 1}, {"--curse", "--reverse"}, "click 1059\nclick 1058\n"},  // レギオン
                      Case{{31, 0}, {"--neutral"}, "click 1057\n"},                      // トランペッター
                      Case{{31, 3}, {"--limit", "0"}, "type 1019 0\nclick 1018\n"},
                      Case{{7, 7}, {"--auto"}, "click 1017\n"},  // ジャックフロスト
                      Case{{4, 3}, {"--limit", "50"}, "type 1019 50\nclick 1018\n"},  // ジコクテン
                      Case{{4, 3}, {"--race", "邪神"}, "select 1000 17\n"},
                      Case{{8, 4}, {"--skill", "アギ"}, pickSkill(1, 1)},
                      Case{{8, 4}, {"--skill", "1", "--skill", "63"}, pickSkill(1, 1) + pickSkill(2, 63)},
                      Case{{20, 1}, {}, ""},                  // サカハギ
                      Case{{3, 0}, {}, ""},                   // スカディ
                      Case{{30, 2}, {}, ""},                  // ニギミタマ
                      Case{{30, 2}, {"--neutral"}, "click 1057\n"}));

}  // namespace
}  // namespace qmoor::testing
