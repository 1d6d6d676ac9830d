// Names as users type them: demons, skills and races in either language or
// by number, and the errors with the closest names for everything else.
#include <gtest/gtest.h>

#include <functional>

#include "query/name_lookup.h"
#include "query/usage_error.h"
#include "query_runner.h"

namespace qmoor::testing {
namespace {

using query::UsageError;

TEST(NameResolution, DemonsInEitherLanguageByLevelOrByRaceAndSlot) {
  const struct {
    const char* typed;
    DemonRef demon;
  } cases[] = {
      {"ピクシー", {7, 8}},        {"Pixie", {7, 8}},          {"pixie", {7, 8}},
      {"Jack Frost", {7, 7}},      {"7/8", {7, 8}},            {"0/0", {0, 0}},
      {"ベルゼブブ95", {17, 0}},   {"ベルゼブブ84", {17, 2}},  {"Beelzebub (Man)", {17, 2}},
      {"beelzebub95", {17, 0}},    {"17/2", {17, 2}},          {"バイブ・カハ", {12, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(query::resolveDemon(c.typed), c.demon) << c.typed;
  }
}

TEST(NameResolution, SkillsAndRacesInEitherLanguageOrByNumber) {
  const struct {
    const char* typed;
    int skill;
  } skills[] = {{"アギ", 1}, {"Agi", 1}, {"agilao", 2}, {"1", 1}, {"63", 63}};
  for (const auto& c : skills) EXPECT_EQ(query::resolveSkill(c.typed), c.skill) << c.typed;
  const struct {
    const char* typed;
    Race race;
  } races[] = {{"魔神", 0}, {"Deity", 0}, {"破壊神", 2}, {"fury", 2}, {"31", 31}};
  for (const auto& c : races) EXPECT_EQ(query::resolveRace(c.typed), c.race) << c.typed;
}

// Names as people type them: hiragana, full-width, blanks around, a unique
// start of a name.
TEST(NameResolution, NamesAsPeopleTypeThem) {
  const struct {
    const char* typed;
    DemonRef demon;
  } demons[] = {
      {"ぴくしー", {7, 8}},  {"７/８", {7, 8}},         {" Pixie　", {7, 8}},   {"ＰＩＸＩＥ", {7, 8}},
      {"ピクシ", {7, 8}},    {"ジャックフ", {7, 7}},    {"べるぜぶぶ９５", {17, 0}}, {"high pix", {7, 6}},
  };
  for (const auto& c : demons) EXPECT_EQ(query::resolveDemon(c.typed), c.demon) << c.typed;
  for (const char* typed : {"ぴくしー＠２０", "ピクシー@２０", "7/8＠20", "pixie@ 20"}) {
    const AtLevel material = query::resolveMaterial(typed);
    EXPECT_EQ(std::pair(material.demon, material.level), std::pair(DemonRef{7, 8}, 20)) << typed;
  }
  EXPECT_EQ(query::resolveSkill("あぎだいん"), 3);
  EXPECT_EQ(query::resolveSkill("６３"), 63);
  EXPECT_EQ(query::resolveSkill("マハラギダ"), 6);
  EXPECT_EQ(query::resolveRace(" 妖精　"), 7);
  EXPECT_EQ(query::resolveRace("Fair"), 7);
  // A start several names share is still refused, with the closest names.
  const std::function<void()> shared[] = {[] { query::resolveDemon("ベルゼ"); }, [] { query::resolveDemon("アー"); },
                                          [] { query::resolveSkill("マハ"); }};
  for (const auto& resolve : shared) {
    try {
      resolve();
      ADD_FAILURE() << "a shared start was resolved";
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find("closest: "), std::string::npos) << error.what();
    }
  }
}

// Each failure names what was typed and, where a near name exists, offers it.
TEST(NameResolution, UnknownAndAmbiguousNamesOfferTheClosest) {
  const struct {
    const char* what;
    const char* typed;
    const char* offered;
  } cases[] = {
      {"demon", "ピクシイ", "ピクシー"},
      {"demon", "Pixy", "Pixie"},
      {"demon", "ベルゼブブ", "ベルゼブブ95"},
      {"demon", "Beelzebub", "Beelzebub (Fly)"},
      {"demon", "ベルゼブブ90", "ベルゼブブ95"},
      {"demon", "ベルゼブ", "closest: ベルゼブブ95, ベルゼブブ84"},
      {"demon", "17/9", "0 to 31"},
      {"demon", "32/0", "0 to 31"},
      {"skill", "アギラア", "アギラオ"},
      {"skill", "LV57地母神パールヴァティ", "unknown skill"},
      {"skill", "287", "no skill numbered 287"},
      {"skill", "278", "no skill numbered 278"},
      {"skill", "311", "no skill numbered 311"},
      {"race", "魔人間", "魔人"},
      {"race", "32", "0 to 31"},
  };
  for (const auto& c : cases) {
    try {
      if (std::string_view(c.what) == "demon") query::resolveDemon(c.typed);
      if (std::string_view(c.what) == "skill") query::resolveSkill(c.typed);
      if (std::string_view(c.what) == "race") query::resolveRace(c.typed);
      ADD_FAILURE() << c.typed << " was resolved";
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find(c.offered), std::string::npos) << c.typed << ": " << error.what();
    }
  }
}

TEST(NameResolution, AnUnknownNameExitsWithStatusTwoAndNoAnswer) {
  const QueryRun run = runQueryWords({"partners", "ピクシイ", "--json"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("ピクシー"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace qmoor::testing
