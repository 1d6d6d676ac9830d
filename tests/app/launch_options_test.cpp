// The program's command line.
#include <gtest/gtest.h>

#include "app/launch_options.h"

namespace qmoor {
namespace {

LaunchOptions parse(const QStringList& rest) { return parseLaunchOptions(QStringList{"quillmoor"} + rest); }

TEST(LaunchOptions, NothingGivenRunsTheWindowWithoutAFile) {
  const LaunchOptions options = parse({});
  EXPECT_TRUE(options.error.isEmpty());
  EXPECT_TRUE(options.tabsFile.isEmpty());
  EXPECT_TRUE(options.screenshot.isEmpty());
  EXPECT_TRUE(options.script.isEmpty());
}

TEST(LaunchOptions, ReadsTheFileTheScreenshotAndTheScriptInAnyOrder) {
  for (const QStringList& arguments : {QStringList{"tabs.qmf", "--screenshot", "out.png", "--script", "s.txt"},
                                       QStringList{"--script", "s.txt", "--screenshot", "out.png", "tabs.qmf"}}) {
    const LaunchOptions options = parse(arguments);
    EXPECT_TRUE(options.error.isEmpty()) << arguments.join(' ').toStdString();
    EXPECT_EQ(options.tabsFile, "tabs.qmf");
    EXPECT_EQ(options.screenshot, "out.png");
    EXPECT_EQ(options.script, "s.txt");
  }
}

TEST(LaunchOptions, RefusesWhatItCannotCarryOut) {
  for (const QStringList& arguments :
       {QStringList{"--screenshot"}, QStringList{"--screenshot", ""}, QStringList{"--script", "s.txt"},
        QStringList{"a.qmf", "b.qmf"}, QStringList{"--maximize"}, QStringList{"--screenshot", "a.png", "--screenshot", "b.png"}}) {
    EXPECT_FALSE(parse(arguments).error.isEmpty()) << arguments.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace qmoor
