// The command line itself: help for qmoor and every verb, the version, and
// exit status 2 with a message for every request qmoor cannot take.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "query/verb.h"
#include "query_runner.h"

namespace qmoor::testing {
namespace {

TEST(CommandLine, HelpForQmoorListsEveryVerb) {
  const QueryRun run = runQueryWords({"--help"});
  EXPECT_EQ(run.status, 0);
  for (const query::Verb* verb : query::verbs()) {
    EXPECT_NE(run.out.find("  " + std::string(verb->name) + " "), std::string::npos) << verb->name;
  }
}

TEST(CommandLine, EveryVerbHasHelpWithItsUsageAndOptions) {
  for (const query::Verb* verb : query::verbs()) {
    const QueryRun run = runQueryWords({std::string(verb->name), "--help"});
    EXPECT_EQ(run.status, 0) << verb->name;
    EXPECT_TRUE(run.out.starts_with("usage: qmoor " + std::string(verb->usage))) << run.out;
    for (const query::OptionSpec& option : verb->options) {
      EXPECT_NE(run.out.find("--" + std::string(option.name)), std::string::npos) << verb->name << " --" << option.name;
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
      {{"skills", "アギラ"}, "closest: アギラオ"},
      {{"chart", "魔神"}, "usage: qmoor chart"},
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

// An answer that cannot be written is a failure, not a success.
TEST(CommandLine, AnUnwritableAnswerExitsOne) {
  const std::string command = std::string(QMOOR_QUERY_PATH) + " partners 7/8 >/dev/full 2>/dev/null";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

}  // namespace
}  // namespace qmoor::testing
