// qmoor skills and qmoor chart as printed: the JSON of every skill against
// the skill file and the holders, the chart of both CURSE settings cell by
// cell, and the text of one skill with its holders.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "data/races.h"
#include "query_runner.h"
#include "support/data_tables.h"

namespace qmoor::testing {
namespace {

using nlohmann::ordered_json;

TEST(ChartVerb, EveryCellIsTheRaceOfTheChart) {
  for (const bool curse : {false, true}) {
    std::vector<std::string> words{"chart", "--json", "--lang", "en"};
    if (curse) words.push_back("--curse");
    const QueryRun run = runQueryWords(words);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto answer = ordered_json::parse(run.out);
    ASSERT_EQ(answer["races"].size(), static_cast<std::size_t>(RaceTotal));
    EXPECT_EQ(answer["races"][0], "Deity");
    ASSERT_EQ(answer["cells"].size(), static_cast<std::size_t>(RaceTotal));
    for (Race a = 0; a < RaceTotal; ++a) {
      ASSERT_EQ(answer["cells"][a].size(), static_cast<std::size_t>(RaceTotal));
      for (Race b = 0; b < RaceTotal; ++b) {
        const int expected = fusionResult(a, b, curse);
        EXPECT_EQ(answer["cells"][a][b], expected < 0 ? ordered_json() : ordered_json(expected))
            << a << " x " << b << (curse ? " CURSE" : "");
      }
    }
  }
}

// "-" in the file is null in the answer; a power with "%" stays a text.
ordered_json cellValue(const std::string& text, bool number) {
  if (text == "-" || text.empty()) return nullptr;
  if (number && text.back() != '%') return std::stoi(text);
  return text;
}

TEST(SkillsVerb, EverySkillAnswersAsTheSkillFileSays) {
  const QueryRun run = runQueryWords({"skills", "--json", "--lang", "en"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto skills = ordered_json::parse(run.out)["skills"];
  std::size_t index = 0;
  for (const testing::Fields& f : readDataTable("skills.tsv").rows) {
    if (f.at(0) == "278") continue;  // "？" is no skill of the table
    const std::string line = "skill " + f[0];
    ASSERT_LT(index, skills.size()) << line;
    const auto& skill = skills[index++];
    EXPECT_EQ(skill["number"], std::stoi(f[0])) << line;
    EXPECT_EQ(skill["name"], f[2]) << line;
    EXPECT_EQ(skill["kind"], f[3]) << line;
    EXPECT_EQ(skill["element"], f[4]) << line;
    EXPECT_EQ(skill["cost"], cellValue(f[5], false)) << line;
    EXPECT_EQ(skill["target"], f[6]) << line;
    EXPECT_EQ(skill["power"], cellValue(f[7], true)) << line;
    EXPECT_EQ(skill["description"], f[9]) << line;
    EXPECT_FALSE(skill["holders"].empty()) << line;
  }
  EXPECT_EQ(index, skills.size());
}

TEST(SkillsVerb, AnswersAsPrinted) {
  const struct {
    std::vector<std::string> words;
    const char* expected;
  } cases[] = {
      {{"skills", "マカトラ", "--json"},
       R"({"skills":[{"number":49,"name":"マカトラ","kind":"support","element":"none","cost":"MP 10","target":"one",)"
       R"("power":10,"mark":null,"inheritable":true,"description":null,"holders":[)"
       R"({"demon":{"race":1,"slot":2,"name":"サティ","level":48},"level":50},)"
       R"({"demon":{"race":6,"slot":5,"name":"ディース","level":23},"level":26},)"
       R"({"demon":{"race":6,"slot":6,"name":"コッパテング","level":19},"level":22},)"
       R"({"demon":{"race":13,"slot":3,"name":"スダマ","level":13},"level":16}]}]})"
       "\n"},
      {{"skills", "Fog Breath", "--lang", "en"},
       "no.  skill       kind     element  cost   target  power  inherit  description\n"
       "116  Fog Breath  Support  None     MP 30  All            Mouth    Greatly lowers all foes' Evasion/Hit Rate.\n"
       "\n"
       "Fog Breath: demons that have it\n"
       "LV  race    demon         learned\n"
       "78  Deity   Mitra         LV81\n"
       "67  Lady    Kali          LV69\n"
       "20  Fallen  Forneus       LV23\n"
       "34  Snake   Mizuchi       LV38\n"
       "28  Snake   Naga          LV30\n"
       "61  Beast   Cerberus      innate\n"
       "54  Beast   Suparna       innate\n"
       "13  Beast   Inugami       LV16\n"
       "66  Brute   Fuu-Ki        LV70\n"
       " 4  Haunt   Preta         LV8\n"
       "38  Genma   Kurama Tengu  LV41\n"
       "63  Raptor  Gurulu        innate\n"},
      {{"skills", "--kind", "field", "--element", "none"},
       "番号  スキル    種別        属性  消費   対象      威力  継承\n"
       "  73  エストマ  フィールド  なし  MP 10  味方全体        制限なし\n"
       "  74  リベラマ  フィールド  なし  MP 8   味方全体        制限なし\n"
       "  75  リフトマ  フィールド  なし  MP 12  味方全体        制限なし\n"
       "  76  ライトマ  フィールド  なし  MP 10  味方全体        制限なし\n"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.expected) << c.words.front() << " " << c.words[1];
  }
}

}  // namespace
}  // namespace qmoor::testing
