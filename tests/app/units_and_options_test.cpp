// Dialog units (rounding, adjacency, the form's font) and the command line.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontDatabase>
#include <QTranslator>
#include <QStringList>

#include "app/form_widget/dialog_units.h"
#include "app/program/launch_options.h"
#include "app/program/qt_translations.h"

namespace qmoor {
namespace {

TEST(DialogUnits, RoundHalvesUpAndKeepNeighboursAdjacent) {
  const DialogUnits units(7, 13);
  EXPECT_EQ((std::vector<int>{units.x(1), units.x(2), units.x(6), units.x(453)}), (std::vector<int>{2, 4, 11, 793}));
  EXPECT_EQ((std::vector<int>{units.y(2), units.y(4), units.y(379)}), (std::vector<int>{3, 7, 616}));
  const QRect left = units.rect({8, 25, 13, 13});
  EXPECT_EQ(left, QRect(14, 41, 23, 21));
  EXPECT_EQ(left.x() + left.width(), units.rect({21, 25, 12, 13}).x());
}

TEST(DialogUnits, FollowTheFormFontWhichIsANinePointJapaneseGothic) {
  QFont font = formFont();
  EXPECT_EQ(font.pointSize(), 9);
  if (QFontDatabase::families().contains("IPAPGothic")) {
    EXPECT_EQ(font.family(), "IPAPGothic");
  }
  const DialogUnits normal = DialogUnits::of(font);
  font.setPointSize(18);
  EXPECT_NEAR(DialogUnits::of(font).baseX(), 2 * normal.baseX(), 2);
  EXPECT_NEAR(DialogUnits::of(font).baseY(), 2 * normal.baseY(), 3);
}

TEST(LaunchOptions, ReadsAFileAScreenshotAndAScriptInAnyOrder) {
  const LaunchOptions options =
      parseLaunchOptions({"quillmoor", "--script", "s.qmd", "tabs.qmf", "--screenshot", "out.png"});
  EXPECT_TRUE(options.error.isEmpty());
  EXPECT_EQ(QStringList({options.tabsFile, options.screenshot, options.script}), QStringList({"tabs.qmf", "out.png", "s.qmd"}));
  EXPECT_TRUE(parseLaunchOptions({"quillmoor"}).error.isEmpty());
}

TEST(LaunchOptions, RefusesWhatItCannotCarryOut) {
  for (const QStringList& rest : {QStringList{"--screenshot"}, QStringList{"--screenshot", ""}, QStringList{"--script", "s"},
                                  QStringList{"a.qmf", "b.qmf"}, QStringList{"--maximize"},
                                  QStringList{"--screenshot", "a.png", "--screenshot", "b.png"},
                                  QStringList{"--tool", "4"}, QStringList{"--screenshot", "a.png", "--tool", "0"},
                                  QStringList{"--screenshot", "a.png", "--tool"}})
    EXPECT_FALSE(parseLaunchOptions(QStringList{"quillmoor"} + rest).error.isEmpty()) << rest.join(' ').toStdString();
}

TEST(LaunchOptions, HelpAndVersionWinOverEverythingElseOnTheLine) {
  for (const QStringList& rest : {QStringList{"--help"}, QStringList{"--maximize", "--version"}, QStringList{"a.qmf", "--help"}}) {
    const LaunchOptions options = parseLaunchOptions(QStringList{"quillmoor"} + rest);
    EXPECT_TRUE(options.error.isEmpty()) << rest.join(' ').toStdString();
    EXPECT_NE(options.help, options.version) << rest.join(' ').toStdString();
    EXPECT_EQ(options.help, rest.contains("--help")) << rest.join(' ').toStdString();
  }
}

// Qt's own buttons and dialogs speak Japanese once its translation is in;
// a language Qt ships nothing for leaves the one installed.
TEST(QtTranslations, LoadJapaneseAndKeepItForAnUnknownLanguage) {
  ASSERT_TRUE(useQtTranslations("ja"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
  EXPECT_FALSE(useQtTranslations("xx"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("キャンセル"));
  for (QTranslator* installed : QCoreApplication::instance()->findChildren<QTranslator*>()) delete installed;
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

}  // namespace
}  // namespace qmoor
