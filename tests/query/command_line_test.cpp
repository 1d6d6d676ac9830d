// The command line itself: help for qmoor and every verb, the version, and
// exit status 2 with a message for every request qmoor cannot take.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <optional>

#include "query/verb.h"
#include "query_runner.h"

namespace qmoor::testing {
namespace {

// Whether the help speaks of the verb in the language and not in the other.
void expectVerbIn(const std::string& help, const query::Verb& verb, Language language, bool details) {
  const Language other = language == Language::Japanese ? Language::English : Language::Japanese;
  for (const auto& [text, shown] : {std::pair{verb.summaryIn(language), true}, std::pair{verb.summaryIn(other), false},
                                    std::pair{verb.detailsIn(language), details}, std::pair{verb.detailsIn(other), false}}) {
    if (shown) {
      EXPECT_FALSE(text.empty()) << verb.name;
    }
    if (!text.empty()) {
      EXPECT_EQ(help.find(text) != std::string::npos, shown) << verb.name << ": " << text;
    }
  }
}

TEST(CommandLine, HelpForQmoorListsEveryVerbInEitherLanguage) {
  for (const Language language : {Language::English, Language::Japanese}) {
    const QueryRun run = runQueryWords({"--help", "--lang", std::string(languageCode(language))});
    EXPECT_EQ(run.status, 0);
    for (const query::Verb* verb : query::verbs()) {
      EXPECT_NE(run.out.find("  " + std::string(verb->name) + " "), std::string::npos) << verb->name;
      expectVerbIn(run.out, *verb, language, false);
    }
  }
}

TEST(CommandLine, EveryVerbHasHelpWithItsUsageAndOptionsInEitherLanguage) {
  for (const auto& [language, usage] : {std::pair{"en", "usage: qmoor "}, std::pair{"ja", "使い方: qmoor "}}) {
    for (const query::Verb* verb : query::verbs()) {
      const QueryRun run = runQueryWords({std::string(verb->name), "--help", "--lang", language});
      EXPECT_EQ(run.status, 0) << verb->name;
      EXPECT_TRUE(run.out.starts_with(usage + std::string(verb->usage))) << run.out;
      expectVerbIn(run.out, *verb, *languageFromCode(language), !verb->details.empty());
      for (const query::OptionSpec& option : verb->options) {
        EXPECT_NE(run.out.find("--" + std::string(option.name)), std::string::npos)
            << language << " " << verb->name << " --" << option.name;
      }
    }
  }
}

TEST(CommandLine, VersionAndOptionsBeforeTheVerb) {
  const QueryRun version = runQueryWords({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with("qmoor 1.")) << version.out;
  const QueryRun english = runQueryWords({"--lang", "en", "--json", "fuse", "7/8", "7/7"});
  EXPECT_EQ(english.status, 0) << english.err;
  EXPECT_NE(english.out.find("\"Pixie\""), std::string::npos) << english.out;
}

TEST(CommandLine, RequestsItCannotTakeExitTwoWithAReason) {
  const struct {
    std::vector<std::string> words;
    const char* reason;
  } cases[] = {
      {{}, "no verb"},
      {{"fuze", "7/8", "7/7"}, "fuse"},
      {{"fuse", "7/8"}, "usage: qmoor fuse"},
      {{"fuse", "7/8", "7/8"}, "two different demons"},
      {{"partners", "7/8", "--cursed"}, "--cursed"},
      {{"partners", "7/8", "-c"}, "-c"},
      {{"partners", "7/8", "--lang", "fr"}, "ja or en"},
      {{"partners", "7/8", "--lang"}, "needs a value"},
      {{"partners", "7/8", "--curse=yes"}, "takes no value"},
      {{"recipes", "7/8", "--limit", "1e2"}, "whole number"},
      {{"recipes", "7/8", "--limit", "100"}, "0 to 99"},
      {{"recipes", "7/8", "--limit", "5", "--limit", "6"}, "more than once"},
      {{"recipes", "7/8", "--limit", "5", "--auto"}, "exclude"},
      {{"recipes", "7/8", "--skill", "1", "--skill", "2", "--skill", "3"}, "at most two"},
      {{"demons", "--innate"}, "--innate needs"},
      {{"demons", "--sort", "levle"}, "level"},
      {{"demons", "--max-level", "0"}, "1 to 99"},
      {{"skills", "--kind", "atack"}, "unknown skill kind 'atack'; closest: attack"},
      {{"skills", "--element", "炎"}, "unknown element '炎'; closest: 火炎"},
      {{"skills", "アギラア"}, "closest: アギラオ"},
      {{"chart", "魔神"}, "usage: qmoor chart"},
      {{"demons", "--skill", "287"}, "no skill numbered 287"},
      {{"recipes", "7/8", "--skill", "LV57地母神パールヴァティ"}, "unknown skill"},
      {{"plan", "ロア", "--skill", "288"}, "no skill numbered 288"},
      {{"plan", "ロア", "--skill", "アギ", "--owned", "ピクシー,　,ロア"}, "none empty"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    std::string typed;
    for (const std::string& word : c.words) typed += word + " ";
    EXPECT_EQ(run.status, 2) << typed;
    EXPECT_EQ(run.out, "") << typed;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << typed << "-> " << run.err;
  }
}

// Typed text comes back escaped, so that a control character or a stray
// byte can neither reach the terminal nor hide.
TEST(CommandLine, TypedTextInAMessageIsEscaped) {
  const struct {
    std::vector<std::string> words;
    const char* shown;
  } cases[] = {
      {{"partners", "\x1b[2J"}, "'\\x1b[2J'"},
      {{"partners", "ピク\xffシー"}, "'ピク\\xffシー'"},
      {{"partners", "a\u202Eb"}, "'a\\xe2\\x80\\xaeb'"},
      {{"partners", "a\\b\tc"}, "'a\\\\b\\x09c'"},
      {{"fuze\x07", "7/8", "7/7"}, "'fuze\\x07'"},
      {{"demons", "--sort", "lv\r"}, "'lv\\x0d'"},
      {{"recipes", "7/8", "--limit", "4\xc2\x85"}, "'4\\xc2\\x85'"},
      {{"recipes", "7/8", "--limit", "4\x85"}, "'4\\x85'"},
  };
  for (const auto& c : cases) {
    const QueryRun run = runQueryWords(c.words);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
  }
}

// Numbers and lists as people type them, and English counts.
TEST(CommandLine, OptionValuesAsPeopleTypeThemAndEnglishCounts) {
  const QueryRun limited = runQueryWords({"recipes", "ロア", "--limit", "４０", "--json"});
  EXPECT_EQ(limited.err, "");
  EXPECT_EQ(limited.out, runQueryWords({"recipes", "ロア", "--limit", "40", "--json"}).out);
  const QueryRun owned =
      runQueryWords({"plan", "ロア", "--skill", "アギ", "--owned", "ジャックランタン, マダ，ピクシー", "--json"});
  EXPECT_EQ(owned.status, 0) << owned.err;
  const QueryRun one = runQueryWords({"plan", "ロア", "--skill", "アギ", "--count", "1", "--lang", "en"});
  EXPECT_NE(one.out.find("Plan 1: 1 fusion, highest"), std::string::npos) << one.out;
  const QueryRun none = runQueryWords({"plan", "ロア", "--skill", "アギ", "--depth", "１", "--lang", "en",
                                       "--owned", "ジャックランタン"});
  EXPECT_NE(none.out.find("within 1 fusion\n"), std::string::npos) << none.out;
  const QueryRun held = runQueryWords({"plan", "ジャックランタン", "--skill", "アギ", "--lang", "en"});
  EXPECT_NE(held.out.find("0 fusions, highest level 19, 1 demon\n"), std::string::npos) << held.out;
}

// Help and messages in the language --lang names, else the locale's.
TEST(CommandLine, HelpAndMessagesSpeakTheUsersLanguage) {
  struct Saved {
    const char* name;
    std::optional<std::string> value;
  };
  std::vector<Saved> saved;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    saved.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
    unsetenv(name);
  }
  const struct {
    const char* variable;  // set to the value below; nullptr: none set
    const char* value;
    std::vector<std::string> words;
    const char* said;
  } cases[] = {
      {"LANG", "ja_JP.UTF-8", {"partners", "ピクシイ"}, "qmoor: 不明な悪魔 'ピクシイ'。近い名前: ピクシー"},
      {"LC_MESSAGES", "ja_JP", {"recipes", "7/8", "--limit", "100"}, "0～99 の整数"},
      {"LANG", "ja_JP.UTF-8", {"--help"}, "使い方: qmoor VERB"},
      {"LANG", "ja_JP.UTF-8", {"plan", "--help"}, "対象に持たせるスキル"},
      {"LANG", "ja_JP.UTF-8", {"partners", "ピクシイ", "--lang", "en"}, "unknown demon"},
      {"LANG", "en_GB.UTF-8", {"--lang=ja", "fuze"}, "不明な動詞 'fuze'"},
      {"LANG", "C.UTF-8", {"fuze"}, "unknown verb"},
      {"LC_ALL", "C", {"fuze"}, "unknown verb"},
      {nullptr, nullptr, {"fuse", "7/8"}, "usage: qmoor fuse"},
  };
  for (const auto& c : cases) {
    if (c.variable) setenv(c.variable, c.value, 1);
    if (std::string_view(c.variable ? c.variable : "") == "LC_ALL") setenv("LANG", "ja_JP.UTF-8", 1);
    const QueryRun run = runQueryWords(c.words);
    EXPECT_NE((run.out + run.err).find(c.said), std::string::npos) << (c.value ? c.value : "") << ": " << run.out << run.err;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
  }
  for (const Saved& s : saved) {
    if (s.value) setenv(s.name, s.value->c_str(), 1);
  }
}

// An answer that cannot be written is a failure, not a success.
TEST(CommandLine, AnUnwritableAnswerExitsOne) {
  const std::string command = std::string(QMOOR_QUERY_PATH) + " partners 7/8 >/dev/full 2>/dev/null";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace qmoor::testing
