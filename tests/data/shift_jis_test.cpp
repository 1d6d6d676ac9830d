// Every text of the compendium must be representable in Shift-JIS (code page
// 932), the encoding of the window and the saved files; race names have fixed
// widths there.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <string>
#include <vector>

#include "data/compendium.h"
#include "data/races.h"
#include "data/recipes.h"
#include "data/skills.h"
#include "support/all_demons.h"

namespace qmoor {
namespace {

using testing::allDemons;
using testing::bareRaceName;
using testing::characterCount;
using testing::describe;

// The text converted from UTF-8 to code page 932, or none when it cannot be.
std::optional<std::string> toCp932(std::string_view text) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(text);
  std::string output(input.size() * 2 + 1, '\0');
  char* in = input.data();
  char* out = output.data();
  std::size_t inLeft = input.size();
  std::size_t outLeft = output.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) return std::nullopt;
  output.resize(output.size() - outLeft);
  return output;
}

TEST(ShiftJis, ConversionRejectsTextsOutsideThePage) {
  EXPECT_EQ(toCp932("LV　～"), "LV\x81\x40\x81\x60");
  EXPECT_EQ(toCp932("\u00e9"), std::nullopt);  // é has no code in page 932
}

TEST(ShiftJis, RaceNamesAreSevenBytesForTwoCharactersAndSixForThree) {
  for (Race race = 0; race < RaceTotal; ++race) {
    const std::optional<std::string> name = toCp932(raceName(race));
    ASSERT_TRUE(name.has_value()) << "race " << race;
    const int characters = characterCount(bareRaceName(race));
    ASSERT_TRUE(characters == 2 || characters == 3) << "race " << race;
    EXPECT_EQ(name->size(), characters == 2 ? 7u : 6u) << "race " << race;
    EXPECT_EQ(toCp932(raceShortName(race)).value_or("").size(), 4u) << "race " << race;
  }
}

TEST(ShiftJis, EveryTextIsRepresentable) {
  std::vector<std::pair<std::string, std::string>> texts;  // where, text
  for (DemonRef demon : allDemons()) {
    const std::string where = "demon " + describe(demon);
    for (int column = 0; column < ColumnTotal; ++column) {
      texts.emplace_back(where + " column " + std::to_string(column), cell(static_cast<Column>(column), demon));
    }
    for (const std::string& label :
         {fullLabel(demon), holderLabel(demon), raceLabel(demon), materialLabel(demon), resultLabel(demon)}) {
      texts.emplace_back(where + " label", label);
    }
    if (const std::optional<RecipeLines> lines = recipeLines(demon)) {
      for (std::string_view line : *lines) texts.emplace_back(where + " recipe", line);
    }
  }
  for (int skill = 0; skill < SkillNumberTotal; ++skill) {
    texts.emplace_back("skill " + std::to_string(skill), skillName(skill));
  }
  for (Race race = 0; race < RaceTotal; ++race) {
    texts.emplace_back("race " + std::to_string(race), raceName(race));
    texts.emplace_back("race " + std::to_string(race), raceShortName(race));
  }
  for (const auto& [where, text] : texts) EXPECT_TRUE(toCp932(text).has_value()) << where << ": " << text;
}

}  // namespace
}  // namespace qmoor
