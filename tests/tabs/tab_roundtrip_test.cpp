// Writing tab tables and reading them back gives the same records.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "data/races.h"
#include "data/types.h"
#include "tabs/tab_codec.h"

namespace qmoor {
namespace {

// A record as the view can store it, every field within what the file keeps.
TabState randomTab(std::mt19937& rng) {
  auto pick = [&rng](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
  };
  TabState t;
  t.race = pick(0, RaceTotal - 1);
  t.slot = pick(-1, raceCount(t.race) - 1);
  t.reverse = pick(0, 1);
  t.neutral = pick(0, 1);
  t.skill1On = pick(0, 1);
  t.skill2On = pick(0, 1);
  t.skill1Index = pick(-1, SelectableSkillTotal - 1);
  t.skill2Index = pick(-1, SelectableSkillTotal - 1);
  t.curse = pick(0, 1);
  t.autoLimit = pick(0, 1);
  t.manualLimit = pick(0, 1);
  t.materialSel1 = pick(-1, 254);
  t.materialSel2 = pick(-1, 254);
  t.materialRaceCombo = pick(0, RaceTotal);
  t.racePairIndex = pick(-1, 254);
  t.pickedRow = pick(-1, 65534);
  t.materialList1Index = pick(-1, 254);
  t.materialList2Index = pick(-1, 254);
  t.materialRaceChoice = pick(0, RaceTotal);
  t.materialRaceSet = t.materialRaceChoice != 0 ? 1 : 0;
  t.limitText = std::to_string(pick(0, 255));
  return t;
}

TEST(TabFileRoundTrip, RandomTablesReadBackEqual) {
  std::mt19937 rng(1705);
  for (int round = 0; round < 300; ++round) {
    const int count = round < 2 ? (round == 0 ? 1 : MaxTabs)
                                : std::uniform_int_distribution<int>(1, MaxTabs)(rng);
    std::vector<TabState> tabs;
    for (int i = 0; i < count; ++i) tabs.push_back(randomTab(rng));
    const std::vector<std::uint8_t> file = encodeTabs(tabs);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(32 + 32 * count)) << "round " << round;
    const TabDecodeResult read = decodeTabs(file);
    ASSERT_EQ(read.status, TabFileStatus::Complete) << "round " << round;
    EXPECT_EQ(read.version, TabFileVersion);
    EXPECT_EQ(read.announced, count);
    ASSERT_EQ(read.tabs.size(), tabs.size()) << "round " << round;
    for (std::size_t i = 0; i < tabs.size(); ++i) {
      EXPECT_EQ(read.tabs[i], tabs[i]) << "round " << round << ", tab " << i;
    }
  }
}

}  // namespace
}  // namespace qmoor
