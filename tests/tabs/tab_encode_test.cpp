// encodeTabs: the exact bytes of saved-tabs files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tab_bytes.h"
#include "tabs/tab_codec.h"

namespace qmoor {
namespace {

using tab_bytes::Bytes;

// The start-up query: demon (0, 0), skill item 33 in both conditions,
// nothing ticked or selected, manual-limit text 50.
TabState startupTab() {
  TabState t;
  t.skill1Index = 33;
  t.skill2Index = 33;
  t.materialSel1 = t.materialSel2 = -1;
  t.racePairIndex = -1;
  t.pickedRow = -1;
  t.materialList1Index = t.materialList2Index = -1;
  t.limitText = "50";
  return t;
}

Bytes slice(const Bytes& b, std::size_t from, std::size_t count) {
  return Bytes(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + count));
}

TEST(EncodeTabs, SingleTabIsHeaderAndOneRecord) {
  const std::vector<TabState> tabs{startupTab()};
  const Bytes file = encodeTabs(tabs);
  ASSERT_EQ(file.size(), 64u);
  EXPECT_EQ(slice(file, 0, 3), (Bytes{0xA9, 0x06, 0x00}));
  EXPECT_EQ(slice(file, 3, 29), Bytes(29, 0xFF));
  EXPECT_EQ(slice(file, 54, 10), Bytes(10, 0xFF));
}

TEST(EncodeTabs, StartupTabRecordBytes) {
  const std::vector<TabState> tabs{startupTab()};
  const Bytes expected{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0x21, 0x00, 0x00,
                       0x00, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x32,
                       0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(slice(encodeTabs(tabs), 32, 32), expected);
}

TEST(EncodeTabs, TwoHundredTabs) {
  const std::vector<TabState> tabs(MaxTabs, startupTab());
  const Bytes file = encodeTabs(tabs);
  ASSERT_EQ(file.size(), 6432u);
  EXPECT_EQ(file[2], 0xC7);
  EXPECT_EQ(slice(file, 32 + 199 * 32, 32), slice(file, 32, 32));
}

TEST(EncodeTabs, NeverWritesMoreThanMaxTabs) {
  const std::vector<TabState> tabs(MaxTabs + 1, startupTab());
  const Bytes file = encodeTabs(tabs);
  EXPECT_EQ(file.size(), 6432u);
  EXPECT_EQ(file[2], 0xC7);
}

TEST(EncodeTabs, EmptyTableWritesNothing) {
  EXPECT_TRUE(encodeTabs(std::vector<TabState>{}).empty());
}

// Every field at its own offset, each given a value no other field has.
TEST(EncodeTabs, EachFieldAtItsOffset) {
  const TabState t{.race = 1,
                   .slot = 2,
                   .reverse = 3,
                   .neutral = 4,
                   .materialRaceSet = 5,
                   .skill1On = 6,
                   .skill2On = 7,
                   .skill1Index = 8,
                   .skill2Index = 9,
                   .curse = 10,
                   .autoLimit = 11,
                   .manualLimit = 12,
                   .materialSel1 = 13,
                   .materialSel2 = 14,
                   .materialRaceCombo = 15,
                   .racePairIndex = 16,
                   .pickedRow = 0x1211,
                   .materialList1Index = 19,
                   .materialList2Index = 20,
                   .materialRaceChoice = 21,
                   .limitText = "22"};
  const Bytes record = slice(encodeTabs(std::vector<TabState>{t}), 32, 32);
  for (int offset = 0; offset < tab_bytes::at::FirstReserved; ++offset) {
    EXPECT_EQ(record[static_cast<std::size_t>(offset)], offset + 1) << "offset " << offset;
  }
}

struct LimitCase {
  std::string text;
  std::uint8_t level;
  std::string restored;
};

TEST(EncodeTabs, LimitTextLevelByteAndItsTextOnReading) {
  const LimitCase cases[] = {
      {"50", 0x32, "50"},  {"07", 0x07, "7"},   {"", 0x00, "0"},      {"abc", 0x00, "0"},
      {"300", 0x2C, "44"}, {"-5", 0xFB, "251"}, {"255", 0xFF, "255"}, {" 8 ", 0x08, "8"},
  };
  for (const LimitCase& c : cases) {
    TabState t = startupTab();
    t.limitText = c.text;
    const Bytes file = encodeTabs(std::vector<TabState>{t});
    EXPECT_EQ(file[32 + tab_bytes::at::Level], c.level) << '"' << c.text << '"';
    const TabDecodeResult read = decodeTabs(file);
    ASSERT_EQ(read.tabs.size(), 1u);
    EXPECT_EQ(read.tabs[0].limitText, c.restored) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace qmoor
