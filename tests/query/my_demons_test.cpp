// qmoor with the player's own demons: materials at their levels, the verb
// mine on a file with good and bad entries, and every file or level qmoor
// cannot take.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "query_runner.h"

namespace qmoor::testing {
namespace {

const std::string MineFile = QMOOR_TEST_DATA_DIR "/demons/mine.json";

std::string typed(const std::vector<std::string>& words) {
  std::string text = "qmoor";
  for (const std::string& word : words) text += " " + word;
  return text;
}

TEST(MyDemonsQuery, AnswersAsPrinted) {
  const struct {
    std::vector<std::string> words;
    const char* expected;
  } cases[] = {
      {{"fuse", "ピクシー@20", "7/3@40"},
       "       LV  種族  悪魔\n"
       "素材1  20  妖精  ピクシー\n"
       "素材2  40  妖精  トロール\n"
       "結果             なし\n"},
      {{"fuse", "ピクシー@20", "ミズチ@40", "--json"},
       R"({"materials":[{"race":7,"slot":8,"name":"ピクシー","level":2},{"race":11,"slot":3,"name":"ミズチ","level":34}],)"
       R"("levels":[20,40],"normal":{"race":6,"slot":3,"name":"オンコット","level":37},)"
       R"("phase":[{"race":31,"slot":5,"name":"ホワイトライダー","level":52},{"race":31,"slot":8,"name":"マタドール","level":30}],)"
       R"("spirit":null})"
       "\n"},
      {{"partners", "ピクシー@20", "--mine-only", "--mine", MineFile},
       "LV20 妖精 ピクシー\n\n"
       "LV  種族  悪魔    通常合体              月齢合体                                          精霊合体\n"
       "38  龍王  ミズチ  LV37 妖魔 オンコット  LV52 魔人 ホワイトライダー, LV30 魔人 マタドール\n"
       "\nこの悪魔を素材とする特殊合体\n"
       "特殊悪魔                  レシピ\n"
       "LV10 妖精 ハイピクシー    変化 / LV. 2 妖精 ピクシー\n"
       "LV56 夜魔 クイーンメイプ  変化 / LV10 妖精 ハイピクシー / ↑ / LV 2 妖精 ピクシー\n"},
      {{"mine", "--mine", MineFile},
       "所持悪魔\n"
       "#  LV  種族  悪魔          スキル                                              問題\n"
       "1  20  妖精  ピクシー      ディア, ジオ, 誘惑, ラクンダ, ポズムディ, 羽ばたき\n"
       "2  38  龍王  ミズチ        ブフーラ, マハブフ, マカカジャ, フォッグブレス\n"
       "3  30  精霊  フレイミーズ\n"
       "4   5  妖精  ピクシー      ディア, フォッグブレス                              フォッグブレス はこのレベルでは持てません\n"
       "5                                                                              読めない項目\n"
       "\n所持悪魔どうしの合体\n"
       "素材  合体      LV  種族  悪魔              継承数  継承できるスキル\n"
       "1+2   通常合体  37  妖魔  オンコット             3  ディア, ジオ, 誘惑, ラクンダ, ポズムディ, ブフーラ, マハブフ, マカカジャ, フォッグブレス\n"
       "1+2   月齢合体  52  魔人  ホワイトライダー       3  ディア, ジオ, ラクンダ, ポズムディ, ブフーラ, マハブフ, マカカジャ, フォッグブレス\n"
       "1+2   月齢合体  30  魔人  マタドール             3  ディア, ジオ, ラクンダ, ポズムディ, ブフーラ, マハブフ, マカカジャ\n"
       "2+3   精霊合体  55  龍王  ケツアルカトル         1  ブフーラ, マハブフ, マカカジャ, フォッグブレス\n"},
      {{"mine", "--mine", MineFile, "--lang", "en"},
       "my demons\n"
       "#  LV  race     demon    skills                                            problem\n"
       "1  20  Fairy    Pixie    Dia, Zio, Seduce, Rakunda, Posumudi, Wing Buffet\n"
       "2  38  Snake    Mizuchi  Bufula, Mabufu, Makakaja, Fog Breath\n"
       "3  30  Element  Flaemis\n"
       "4   5  Fairy    Pixie    Dia, Fog Breath                                   cannot hold Fog Breath at this level\n"
       "5                                                                          not an entry of race, slot, level and skills\n"
       "\nwhat my demons make together\n"
       "materials  fusion         LV  race   demon         inherits  skills it may inherit\n"
       "1+2        normal fusion  37  Yoma   Ongkhot              3  Dia, Zio, Seduce, Rakunda, Posumudi, Bufula, Mabufu, Makakaja, Fog Breath\n"
       "1+2        phase fusion   52  Fiend  White Rider          3  Dia, Zio, Rakunda, Posumudi, Bufula, Mabufu, Makakaja, Fog Breath\n"
       "1+2        phase fusion   30  Fiend  Matador              3  Dia, Zio, Rakunda, Posumudi, Bufula, Mabufu, Makakaja\n"
       "2+3        spirit fusion  55  Snake  Quetzalcoatl         1  Bufula, Mabufu, Makakaja, Fog Breath\n"},
      {{"mine", "--mine", MineFile, "--json", "--lang", "en"},
       R"({"demons":[{"demon":{"race":7,"slot":8,"name":"Pixie","level":2},"level":20,)"
       R"("skills":["Dia","Zio","Seduce","Rakunda","Posumudi","Wing Buffet"],"problem":null},)"
       R"({"demon":{"race":11,"slot":3,"name":"Mizuchi","level":34},"level":38,)"
       R"("skills":["Bufula","Mabufu","Makakaja","Fog Breath"],"problem":null},)"
       R"({"demon":{"race":29,"slot":0,"name":"Flaemis","level":20},"level":30,"skills":[],"problem":null},)"
       R"({"demon":{"race":7,"slot":8,"name":"Pixie","level":2},"level":5,"skills":["Dia","Fog Breath"],)"
       R"("problem":"cannot hold Fog Breath at this level"},)"
       R"({"demon":null,"level":null,"skills":[],"problem":"not an entry of race, slot, level and skills"}],)"
       R"("fusions":[{"materials":[0,1],"results":[)"
       R"({"result":{"race":6,"slot":3,"name":"Ongkhot","level":37},"kind":"normal","inherits":3,)"
       R"("pool":["Dia","Zio","Seduce","Rakunda","Posumudi","Bufula","Mabufu","Makakaja","Fog Breath"]},)"
       R"({"result":{"race":31,"slot":5,"name":"White Rider","level":52},"kind":"phase","inherits":3,)"
       R"("pool":["Dia","Zio","Rakunda","Posumudi","Bufula","Mabufu","Makakaja","Fog Breath"]},)"
       R"({"result":{"race":31,"slot":8,"name":"Matador","level":30},"kind":"phase","inherits":3,)"
       R"("pool":["Dia","Zio","Rakunda","Posumudi","Bufula","Mabufu","Makakaja"]}]},)"
       R"({"materials":[1,2],"results":[{"result":{"race":11,"slot":1,"name":"Quetzalcoatl","level":55},)"
       R"("kind":"spirit","inherits":1,"pool":["Bufula","Mabufu","Makakaja","Fog Breath"]}]}]})"
       "\n"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    EXPECT_EQ(run.status, 0) << typed(c.words) << "\n" << run.err;
    EXPECT_EQ(run.out, c.expected) << typed(c.words);
  }
}

TEST(MyDemonsQuery, LevelsAndFilesItCannotTakeExitTwo) {
  const std::string data = QMOOR_TEST_DATA_DIR "/demons/";
  const struct {
    std::vector<std::string> words;
    const char* reason;
  } cases[] = {
      {{"fuse", "ピクシー@1", "7/7"}, "from its base level 2 to 99"},
      {{"fuse", "7/8", "7/7@100"}, "7/7@100"},
      {{"partners", "ピクシー@", "--mine-only"}, "whole number"},
      {{"mine", "--mine", data + "missing.json", "--lang", "ja"}, "を読めません: ファイルまたはフォルダーが見つかりません。"},
      {{"mine", "--mine", data + "missing.json", "--lang", "en"}, "cannot read the file of my demons"},
      {{"mine", "--mine", data, "--lang", "ja"}, "を読めません"},
      {{"mine", "--mine", data + "not-json.json", "--lang", "en"}, "line 3 of the file of my demons"},
      {{"mine", "--mine", data + "other-format.json", "--lang", "ja"}, "は所持悪魔のファイル（quillmoor-demons）ではありません"},
      {{"partners", "7/8", "--mine-only", "--mine", data + "version-2.json", "--lang", "en"}, "is of version 2"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    EXPECT_EQ(run.status, 2) << typed(c.words);
    EXPECT_EQ(run.out, "") << typed(c.words);
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << typed(c.words) << " -> " << run.err;
  }
}

}  // namespace
}  // namespace qmoor::testing
