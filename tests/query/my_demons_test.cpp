// qmoor with the player's own demons: materials at their levels, the verb
// mine on a file with good and bad entries, plans from my demons, and every
// file or level qmoor cannot take.
#include <gtest/gtest.h>

#include <fstream>
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

// Writes a file of my demons whose entries are the given JSON texts, and gives its path.
std::string writtenMyDemons(const std::string& name, const std::vector<std::string>& entries) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream file(path);
  file << R"({"format":"quillmoor-demons","version":1,"demons":[)";
  for (std::size_t i = 0; i < entries.size(); ++i) file << (i ? "," : "") << entries[i];
  file << "]}";
  return path;
}

// A plan takes my demons at their levels with their skills, levels them, and
// names each by its place in the file, past an entry with a problem.
TEST(MyDemonsQuery, PlansTakeMyDemonsAsTheyAre) {
  const std::string mine = writtenMyDemons("plan-mine.json", {R"("broken")",
                                                              R"({"race":7,"slot":8,"level":3,"skills":[43,13,253]})",
                                                              R"({"race":11,"slot":3,"level":38,"skills":[8,10,66,116]})"});
  const struct {
    std::vector<std::string> words;
    const char* expected;
  } cases[] = {
      {{"plan", "ピクシー", "--skill", "羽ばたき", "--only-mine"},
       "対象: LV2 妖精 ピクシー　スキル: 羽ばたき\n"
       "プラン1: 合体0回, 最高LV6, 悪魔1体\n"
       "  LV3 妖精 ピクシー  ［所持］\n"
       "    LV3→LV6: 習得 ラクンダ, ポズムディ, 羽ばたき\n"},
      {{"plan", "ピクシー", "--skill", "羽ばたき", "--only-mine", "--json", "--lang", "en"},
       R"({"target":{"race":7,"slot":8,"name":"Pixie","level":2},"skills":["Wing Buffet"],"plans":[{"fusions":0,)"
       R"("steps":[],"target":{"level":6,"learned":["Rakunda","Posumudi","Wing Buffet"],"mine":1}}]})"
       "\n"},
      {{"plan", "オンコット", "--skill", "フォッグブレス", "--skill", "ラクンダ", "--use-mine", "--count", "2", "--lang", "en"},
       "target: LV37 Yoma Ongkhot  skills: Fog Breath, Rakunda\n"
       "Plan 1: 1 fusion, 0 demons not mine, highest level 38, 3 demons\n"
       "  LV37 Yoma Ongkhot  ← normal fusion, inherits: Bufula, Rakunda, Fog Breath\n"
       "    LV3 Fairy Pixie  [mine]\n"
       "      LV3→LV7: learns Rakunda, Posumudi, Wing Buffet\n"
       "    LV38 Snake Mizuchi  [mine], holds: Fog Breath\n"
       "Plan 2: 1 fusion, 1 demon not mine, highest level 37, 3 demons\n"
       "  LV37 Yoma Ongkhot  ← normal fusion, inherits: Zio, Rakunda, Fog Breath\n"
       "    LV3 Fairy Pixie  [mine]\n"
       "      LV3→LV15: learns Rakunda, Posumudi, Wing Buffet\n"
       "    LV28 Snake Naga  [base]\n"
       "      LV28→LV30: learns Life Gain, Fog Breath\n"},
      {{"plan", "オンコット", "--skill", "フォッグブレス", "--skill", "ラクンダ", "--only-mine", "--json", "--lang", "en"},
       R"({"target":{"race":6,"slot":3,"name":"Ongkhot","level":37},"skills":["Fog Breath","Rakunda"],"plans":[{"fusions":1,)"
       R"("steps":[{"materials":[{"demon":{"race":7,"slot":8,"name":"Pixie","level":2},"step":null,"mine":1,"level":7,)"
       R"("learned":["Rakunda","Posumudi","Wing Buffet"]},{"demon":{"race":11,"slot":3,"name":"Mizuchi","level":34},)"
       R"("step":null,"mine":2,"level":38,"learned":[]}],"result":{"race":6,"slot":3,"name":"Ongkhot","level":37},)"
       R"("kind":"normal","inherited":["Bufula","Rakunda","Fog Breath"],)"
       R"("skills":["Might","Berserk","Tarukaja","Bufula","Rakunda","Fog Breath"]}],)"
       R"("target":{"level":37,"learned":[],"mine":null}}]})"
       "\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> words = c.words;
    words.insert(words.end(), {"--mine", mine});
    const QueryRun run = runQueryWords(words);
    EXPECT_EQ(run.status, 0) << typed(c.words) << "\n" << run.err;
    EXPECT_EQ(run.out, c.expected) << typed(c.words);
  }
}

// Fields a later version adds are passed over, an entry nested deeper than
// the reader keeps is one it cannot read, and a level too large for any
// number is out of range like any other.
TEST(MyDemonsQuery, ReadsWhatALaterVersionOrAHandEditWrote) {
  const std::string path = ::testing::TempDir() + "later-mine.json";
  std::ofstream(path) << R"({"format":"quillmoor-demons","version":1,"names":{"7/8":"Pip"},"demons":[)"
                      << R"({"race":7,"slot":8,"level":2147483648,"skills":[]},)" << std::string(70, '[')
                      << std::string(70, ']') << "]}";
  const QueryRun run = runQueryWords({"mine", "--mine", path, "--lang", "en"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Pixie          the level runs from 2 to 99\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("not an entry of race, slot, level and skills\n"), std::string::npos) << run.out;
}

TEST(MyDemonsQuery, LevelsAndFilesItCannotTakeExitTwo) {
  const std::string data = QMOOR_TEST_DATA_DIR "/demons/";
  const std::string crowded =
      writtenMyDemons("crowded-mine.json", std::vector<std::string>(257, R"({"race":7,"slot":8,"level":2,"skills":[]})"));
  const std::string textVersion = ::testing::TempDir() + "text-version.json";
  std::ofstream(textVersion) << R"({"format":"quillmoor-demons","version":"1","demons":[]})";
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
      {{"plan", "ロア", "--skill", "アギ", "--use-mine", "--mine", data + "missing.json", "--lang", "en"},
       "cannot read the file of my demons"},
      {{"plan", "ロア", "--skill", "アギ", "--use-mine", "--only-mine", "--lang", "en"}, "exclude each other"},
      {{"plan", "ロア", "--skill", "アギ", "--owned", "ピクシー", "--only-mine", "--lang", "ja"}, "同時に指定できません"},
      {{"plan", "ロア", "--skill", "アギ", "--use-mine", "--mine", crowded, "--lang", "en"},
       "more of my demons than 256"},
      {{"mine", "--mine", textVersion, "--lang", "en"}, "the field \"version\" of the file of my demons"},
      {{"mine", "--mine", textVersion, "--lang", "ja"}, "の項目 \"version\" がないか、二つあるか、整数ではありません"},
      // A file named for a verb that does not read it is still refused, and so is no file.
      {{"fuse", "7/8", "0/0", "--mine", data + "not-json.json", "--lang", "en"}, "line 3 of the file of my demons"},
      {{"chart", "--mine=" + data + "missing.json", "--lang", "en"}, "cannot read the file of my demons"},
      {{"mine", "--mine", "", "--lang", "en"}, "--mine needs the name of a file of my demons"},
      {{"partners", "7/8", "--mine=", "--lang", "ja"}, "--mine には所持悪魔のファイルを指定してください"},
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
