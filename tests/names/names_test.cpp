// The names layer against its source table, and the completeness, uniqueness,
// lookups, labels and English skill order built on it.
#include "names/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "data/compendium.h"
#include "data/races.h"
#include "data/skills.h"
#include "names/skill_words.h"
#include "support/data_tables.h"

namespace qmoor {
namespace {

struct Row {
  std::string kind, key, ja, en;
};

std::vector<Row> tableRows() {
  std::vector<Row> rows;
  for (testing::Fields& cells : testing::readDataTable("names-en.tsv").rows) {
    cells.resize(std::max<std::size_t>(cells.size(), 4));
    rows.push_back({cells[0], cells[1], cells[2], cells[3]});
  }
  return rows;
}

int leadingNumber(const std::string& key) { return std::stoi(key); }

// The text the names layer gives for a row of the table, in the language.
std::string_view lookedUp(const Row& row, Language language) {
  const std::map<std::string, std::function<std::string_view()>> byKind{
      {"race", [&] { return raceName(leadingNumber(row.key), language); }},
      {"demon", [&] { return demonName({leadingNumber(row.key), std::stoi(row.key.substr(row.key.find('/') + 1))}, language); }},
      {"skill", [&] { return skillName(leadingNumber(row.key), language); }},
      {"skill-unknown", [&] { return skillName(leadingNumber(row.key), language); }},
      {"evolution", [&] { return skillName(leadingNumber(row.key), language); }},
      {"stat", [&] {
         static const std::vector<std::string> keys{"HP", "MP", "力", "魔", "体", "速", "運"};
         return statHeading(static_cast<int>(std::find(keys.begin(), keys.end(), row.key) - keys.begin()), language);
       }},
      {"resist", [&] { return resistanceHeading(leadingNumber(row.key), language); }},
      {"mark", [&] { return markHeading(leadingNumber(row.key), language); }},
      {"resist-value", [&] { return resistanceValue(row.key, language); }},
      {"inherit", [&] { return inheritanceWord(row.key, language); }},
      {"caption", [&] { return inheritanceHeading(language); }},
      {"skill-kind", [&] { return skillKindName(*skillKindOfKeyword(row.key), language); }},
      {"element", [&] { return skillElementName(*skillElementOfKeyword(row.key), language); }},
      {"target", [&] { return skillTargetName(*skillTargetOfKeyword(row.key), language); }},
  };
  const auto found = byKind.find(row.kind);
  return found == byKind.end() ? std::string_view("(unknown kind)") : found->second();
}

TEST(Names, EveryRowOfTheTableIsWhatTheLayerGivesAndJapaneseIsTheCompendiumsOwn) {
  const std::vector<Row> rows = tableRows();
  ASSERT_EQ(rows.size(), 558u);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind + " " + row.key + " " + row.ja);
    EXPECT_EQ(lookedUp(row, Language::Japanese), row.ja);
    EXPECT_EQ(lookedUp(row, Language::English), row.en);
  }
  for (Race race = 0; race < RaceTotal; ++race)
    EXPECT_TRUE(raceName(race).starts_with(raceName(race, Language::Japanese))) << race;
}

// English text holds no character of the Japanese scripts (all of them take
// three bytes in UTF-8); Latin-1 accents take two and are allowed.
bool isEnglish(std::string_view text) {
  return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

TEST(Names, EveryDemonRaceAndSelectableSkillHasAUniqueEnglishName) {
  struct Kind {
    const char* name;
    std::vector<std::string_view> japanese, english;
  };
  Kind races{"race", {}, {}}, demons{"demon", {}, {}}, skills{"skill", {}, {}};
  for (Race race = 0; race < RaceTotal; ++race) {
    races.japanese.push_back(raceName(race, Language::Japanese));
    races.english.push_back(raceName(race, Language::English));
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      demons.japanese.push_back(demonName({race, slot}, Language::Japanese));
      demons.english.push_back(demonName({race, slot}, Language::English));
    }
  }
  for (int position = 1; position < SkillOrderLength; ++position) {
    skills.japanese.push_back(skillName(kindOrderAt(position), Language::Japanese));
    skills.english.push_back(skillName(kindOrderAt(position), Language::English));
  }
  for (const Kind& kind : {races, demons, skills}) {
    std::set<std::string> folded;
    for (std::string_view name : kind.english) {
      EXPECT_TRUE(isEnglish(name)) << kind.name << " " << name;
      EXPECT_TRUE(folded.insert(foldName(name)).second) << kind.name << " named twice: " << name;
    }
    // Japanese names repeat only where the game repeats them (the two ベルゼブブ).
    const std::set<std::string_view> japanese(kind.japanese.begin(), kind.japanese.end());
    EXPECT_EQ(japanese.size() + (kind.name == std::string("demon") ? 1 : 0), kind.japanese.size()) << kind.name;
  }
  EXPECT_EQ(demons.english.size(), static_cast<size_t>(DemonTotal));
}

TEST(Names, EveryNameIsFoundInBothLanguages) {
  for (Race race = 0; race < RaceTotal; ++race) {
    EXPECT_EQ(raceNamed(raceName(race)), race) << race;  // padded
    EXPECT_EQ(raceNamed(raceShortName(race)), race) << race;
    EXPECT_EQ(raceNamed(raceName(race, Language::English)), race) << race;
    for (Slot slot = 0; slot < raceCount(race); ++slot) {
      for (Language language : {Language::Japanese, Language::English}) {
        const std::vector<DemonRef> found = demonsNamed(demonName({race, slot}, language));
        EXPECT_NE(std::find(found.begin(), found.end(), DemonRef{race, slot}), found.end())
            << race << "/" << slot << " " << demonName({race, slot}, language);
      }
    }
  }
  for (int position = 1; position < SkillOrderLength; ++position) {
    const int skill = kindOrderAt(position);
    EXPECT_EQ(skillNamed(skillName(skill, Language::Japanese)), skill) << skill;
    EXPECT_EQ(skillNamed(skillName(skill, Language::English)), skill) << skill;
  }
}

TEST(Names, LookupsIgnoreCaseAccentsAndQualifiersButNotOtherText) {
  const std::vector<DemonRef> beelzebubs{{17, 0}, {17, 2}};
  struct Case {
    std::string_view name;
    std::vector<DemonRef> demons;
  };
  for (const Case& c : std::vector<Case>{{"pixie", {{7, 8}}},
                                         {"HIGH PIXIE", {{7, 6}}},
                                         {"Dis", {{6, 5}}},
                                         {"Beelzebub", beelzebubs},
                                         {"ベルゼブブ", beelzebubs},
                                         {"beelzebub (man)", {{17, 2}}},
                                         {"Pixi", {}},
                                         {"", {}},
                                         {"ﾋﾟｸｼｰ", {}}})
    EXPECT_EQ(demonsNamed(c.name), c.demons) << c.name;
  EXPECT_EQ(skillNamed("agi"), 1);
  EXPECT_EQ(skillNamed("？"), std::nullopt);
  EXPECT_EQ(skillNamed("?"), std::nullopt);
  EXPECT_EQ(raceNamed("Deit"), std::nullopt);
  EXPECT_EQ(languageFromCode("en"), Language::English);
  EXPECT_EQ(languageFromCode("EN"), std::nullopt);
}

TEST(Names, EnglishLabelsKeepTheShapesOfTheJapaneseOnes) {
  const DemonRef pixie{7, 8};
  struct Case {
    std::string (*label)(DemonRef, Language);
    std::string japanese, english;
  };
  for (const Case& c : std::vector<Case>{
           {fullLabel, fullLabel(pixie), "LV. 2 Fairy Pixie"},
           {holderLabel, holderLabel(pixie), "LV. 2 Fairy Pixie"},
           {raceLabel, raceLabel(pixie), "LV. 2 Pixie"},
           {materialLabel, materialLabel(pixie), ". 2 Pixie"},
           {resultLabel, resultLabel(pixie), "Fairy . 2 Pixie"},
       }) {
    EXPECT_EQ(c.label(pixie, Language::Japanese), c.japanese);
    EXPECT_EQ(c.label(pixie, Language::English), c.english);
  }
}

TEST(Names, RacePairLinesPadJapaneseRacesAndNameTheSpiritsUnpadded) {
  struct Case {
    Race first, second;
    std::string japanese, english;
  };
  for (const Case& c : std::vector<Case>{
           {1, 2, "女神    x 破壊神", "Megami x Fury"},
           {2, 1, "破壊神 x 女神   ", "Fury x Megami"},
           {5, 29, "聖獣    x 精霊", "Holy x Element"},
           {29, 29, "精霊　  x 精霊", "Element x Element"},
       }) {
    EXPECT_EQ(racePairLine(c.first, c.second, Language::Japanese), c.japanese);
    EXPECT_EQ(racePairLine(c.first, c.second, Language::English), c.english);
  }
}

TEST(Names, TheDetailPanelsShortFormsTellItsColumnsApart) {
  std::set<std::string_view> resistances, marks, values;
  for (int k = 0; k < 10; ++k) {
    resistances.insert(shortForm(resistanceHeading(k, Language::English), Language::English));
    marks.insert(shortForm(markHeading(k, Language::English), Language::English));
  }
  for (std::string_view value : {"強", "無", "吸", "反", "弱"})
    values.insert(shortForm(resistanceValue(value, Language::English), Language::English));
  for (const auto& forms : {resistances, marks, values}) {
    for (std::string_view form : forms) EXPECT_EQ(form.size(), 2u) << form;
  }
  EXPECT_EQ(resistances.size(), 10u);
  EXPECT_EQ(marks.size(), 10u);
  EXPECT_EQ(values.size(), 5u);
  EXPECT_EQ(shortForm("Phys", Language::Japanese), "Phys");
}

TEST(Names, EnglishOrdersTheKanaCombosSkillsAlphabetically) {
  std::vector<int> kana, english;
  for (int position = 0; position < SkillOrderLength; ++position) {
    EXPECT_EQ(nameOrderAt(position, Language::Japanese), kanaOrderAt(position));
    kana.push_back(kanaOrderAt(position));
    english.push_back(nameOrderAt(position, Language::English));
    EXPECT_EQ(namePositionOf(english.back(), Language::English), position);
  }
  EXPECT_EQ(english.front(), SkillSentinel);
  EXPECT_TRUE(std::is_sorted(english.begin() + 1, english.end(), [](int a, int b) {
    return foldName(skillName(a, Language::English)) < foldName(skillName(b, Language::English));
  }));
  std::sort(kana.begin(), kana.end());
  std::sort(english.begin(), english.end());
  EXPECT_EQ(english, kana);
  EXPECT_EQ(namePositionOf(0, Language::English), -1);
}

}  // namespace
}  // namespace qmoor
