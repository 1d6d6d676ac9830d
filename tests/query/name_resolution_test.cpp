// Names as users type them: demons, skills and races in either language or
// by number, and the errors with the closest names for everything else.
#include <gtest/gtest.h>

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

// Each failure names what was typed and, where a near name exists, offers it.
TEST(NameResolution, UnknownAndAmbiguousNamesOfferTheClosest) {
  const struct {
    const char* what;
    const char* typed;
    const char* offered;
  } cases[] = {
      {"demon", "ピクシ", "ピクシー"},
      {"demon", "Pixy", "Pixie"},
      {"demon", "ベルゼブブ", "ベルゼブブ95"},
      {"demon", "Beelzebub", "Beelzebub (Fly)"},
      {"demon", "ベルゼブブ90", "ベルゼブブ95"},
      {"demon", "ベルゼブ", "closest: ベルゼブブ95, ベルゼブブ84"},
      {"demon", "17/9", "0 to 31"},
      {"demon", "32/0", "0 to 31"},
      {"skill", "アギラ", "アギラオ"},
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
  const QueryRun run = runQueryWords({"partners", "ピクシ", "--json"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("ピクシー"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace qmoor::testing
