// Whole answers of a few commands, text and JSON, as qmoor prints them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "query_runner.h"

namespace qmoor::testing {
namespace {

std::string joinedWords(const std::vector<std::string>& words) {
  std::string text = "qmoor";
  for (const std::string& word : words) text += " " + word;
  return text;
}

TEST(GoldenOutput, AnswersAsPrinted) {
  const struct {
    std::vector<std::string> words;
    const char* expected;
  } cases[] = {
      {{"fuse", "ピクシー", "ヴィシュヌ"},
       "          LV  種族  悪魔\n"
       "素材1      2  妖精  ピクシー\n"
       "素材2     93  魔神  ヴィシュヌ\n"
       "通常合体  53  夜魔  ロア\n"
       "月齢合体  61  魔人  ブラックライダー\n"
       "月齢合体  37  魔人  だいそうじょう\n"},
      {{"fuse", "Pixie", "Flaemis", "--lang", "en"},
       "            LV  race     demon\n"
       "material 1   2  Fairy    Pixie\n"
       "material 2  20  Element  Flaemis\n"
       "result                   none\n"},
      {{"fuse", "7/8", "0/0", "--json", "--lang", "en"},
       R"({"materials":[{"race":7,"slot":8,"name":"Pixie","level":2},{"race":0,"slot":0,"name":"Vishnu","level":93}],)"
       R"("normal":{"race":8,"slot":4,"name":"Loa","level":53},"phase":[{"race":31,"slot":3,"name":"Black Rider",)"
       R"("level":61},{"race":31,"slot":7,"name":"Daisoujou","level":37}],"spirit":null})"
       "\n"},
      {{"recipes", "ロア", "--skill", "アギ", "--skill", "63"},
       "LV53 夜魔 ロア\n"
       "必要な合計レベル  93～104\n"
       "\n合体可能種族\n"
       "種族1  種族2\n"
       "妖精   邪神\n"
       "\n素材悪魔\n"
       "LV  種族  悪魔              LV  種族  悪魔\n"
       "19  妖精  ジャックランタン  83  邪神  マダ\n"},
      {{"recipes", "8/4", "--skill", "1", "--skill", "63", "--json"},
       R"({"target":{"race":8,"slot":4,"name":"ロア","level":53},"racePairs":[[7,16]],)"
       R"("materialPairs":[[{"race":7,"slot":5,"name":"ジャックランタン","level":19},)"
       R"({"race":16,"slot":0,"name":"マダ","level":83}]],"required":[93,104],"recipeLines":[]})"
       "\n"},
      {{"recipes", "スカディ"},
       "LV74 地母神 スカディ\n"
       "必要な合計レベル  ---\n"
       "\n合体可能種族\nなし\n"
       "\n素材悪魔\nなし\n"
       "\nレシピ\n変化\nLV64 女神 スカアハ\n"},
      {{"recipes", "3/0", "--json"},
       R"({"target":{"race":3,"slot":0,"name":"スカディ","level":74},"racePairs":[],"materialPairs":[],)"
       R"("required":null,"recipeLines":["変化","LV64 女神 スカアハ","","","",""]})"
       "\n"},
      {{"partners", "サキミタマ"}, "LV35 御魂 サキミタマ\n\nなし\n"},
      {{"demons", "--race", "霊鳥"},
       "LV  種族  悪魔       HP   MP  力  魔  体  速  運  物理  火炎  氷結  電撃  衝撃  破魔  呪殺  魔力  神経  精神  継承\n"
       "63  霊鳥  ガルーダ  492  243  22  18  19  24  12                                反    弱    無    無          衝撃\n"},
      {{"demons", "--race", "26", "--json"},
       R"({"demons":[{"ref":{"race":26,"slot":0,"name":"ガルーダ","level":63},"hp":492,"mp":243,)"
       R"("stats":[22,18,19,24,12],"resist":["　","　","　","　","　","反","弱","無","無","　"],)"
       R"("marks":["口","羽","目","突","　","爪","針","　","　","会"],"inherit":"衝撃","first":["？","？","？"],)"
       R"("second":["マハンマオン","説得","真空刃","食いしばり"],"learnLevels":[64,65,66,67]}]})"
       "\n"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    EXPECT_EQ(run.status, 0) << joinedWords(c.words) << "\n" << run.err;
    EXPECT_EQ(run.out, c.expected) << joinedWords(c.words);
  }
}

// The partner lists are long; their shape, first entry and closing lines are checked here.
TEST(GoldenOutput, PartnersStartWithTheFirstPartnerInRaceOrder) {
  const QueryRun run = runQueryWords({"partners", "Pixie", "--curse", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto answer = nlohmann::ordered_json::parse(run.out);
  EXPECT_EQ(answer["demon"].dump(), R"({"race":7,"slot":8,"name":"ピクシー","level":2})");
  ASSERT_FALSE(answer["partners"].empty());
  EXPECT_EQ(answer["partners"][0].dump(),
            R"({"partner":{"race":0,"slot":0,"name":"ヴィシュヌ","level":93},)"
            R"("normal":{"race":8,"slot":4,"name":"ロア","level":53},)"
            R"("phase":[{"race":31,"slot":3,"name":"ブラックライダー","level":61},)"
            R"({"race":31,"slot":7,"name":"だいそうじょう","level":37}],"spirit":null})");

  const QueryRun text = runQueryWords({"partners", "スカアハ"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_TRUE(text.out.ends_with("\nこの悪魔を素材とする特殊合体\n"
                                 "特殊悪魔              レシピ\n"
                                 "LV74 地母神 スカディ  変化 / LV64 女神 スカアハ\n"))
      << text.out;
}

}  // namespace
}  // namespace qmoor::testing
