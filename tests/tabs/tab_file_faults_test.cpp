// decodeTabs on damaged files: short, truncated, too many tabs, fields out of range.
#include <gtest/gtest.h>

#include "data/races.h"
#include "data/types.h"
#include "tab_bytes.h"
#include "tabs/tab_codec.h"

namespace qmoor {
namespace {

using namespace tab_bytes;

void expectFailure(const Bytes& file, TabFileStatus status) {
  const TabDecodeResult read = decodeTabs(file);
  EXPECT_TRUE(read.failed()) << file.size() << " bytes";
  EXPECT_EQ(read.status, status) << file.size() << " bytes";
  EXPECT_TRUE(read.tabs.empty()) << file.size() << " bytes";
}

TEST(DamagedTabFile, ShorterThanItsHeader) {
  expectFailure({}, TabFileStatus::HeaderTooShort);
  expectFailure({0xA9, 0x06}, TabFileStatus::HeaderTooShort);
  const Bytes header = longHeader(1705, 0);
  expectFailure(Bytes(header.begin(), header.end() - 1), TabFileStatus::HeaderTooShort);
  expectFailure(Bytes(header.begin(), header.begin() + 3), TabFileStatus::HeaderTooShort);
}

TEST(DamagedTabFile, NoCompleteRecord) {
  const Bytes record = plainRecord();
  expectFailure(longHeader(1705, 0), TabFileStatus::NoCompleteRecord);
  expectFailure(join({longHeader(1705, 3), Bytes(record.begin(), record.end() - 1)}),
                TabFileStatus::NoCompleteRecord);
  expectFailure(shortHeader(1600, 0), TabFileStatus::NoCompleteRecord);
  expectFailure(join({shortHeader(1600, 0), Bytes(record.begin(), record.begin() + 20)}),
                TabFileStatus::NoCompleteRecord);
}

TEST(DamagedTabFile, FailureReasonsDiffer) {
  EXPECT_NE(decodeTabs(Bytes{0xA9}).status, decodeTabs(longHeader(1705, 0)).status);
}

TEST(DamagedTabFile, EndingInsideARecordKeepsTheCompleteOnes) {
  const Bytes second = withByte(plainRecord(), at::Race, 5);
  const Bytes file = join({longHeader(1705, 3), plainRecord(), second, Bytes(17, 0x01)});
  const TabDecodeResult read = decodeTabs(file);
  EXPECT_FALSE(read.failed());
  EXPECT_EQ(read.status, TabFileStatus::Truncated);
  ASSERT_EQ(read.tabs.size(), 2u);
  EXPECT_EQ(read.tabs[1].race, 5);
  EXPECT_EQ(read.announced, 4);
}

TEST(DamagedTabFile, EndingBetweenRecordsIsTruncatedToo) {
  const TabDecodeResult read = decodeTabs(join({shortHeader(1600, 2), repeat(plainRecord(), 2)}));
  EXPECT_EQ(read.status, TabFileStatus::Truncated);
  EXPECT_EQ(read.tabs.size(), 2u);
  EXPECT_EQ(read.announced, 3);
}

TEST(DamagedTabFile, MoreThanMaxTabsAnnouncedKeepsTheFirstMaxTabs) {
  Bytes records;
  for (int i = 0; i < 256; ++i) {
    const Bytes r = withByte(plainRecord(), at::Race, static_cast<std::uint8_t>(i % RaceTotal));
    records.insert(records.end(), r.begin(), r.end());
  }
  const TabDecodeResult read = decodeTabs(join({longHeader(1705, 255), records}));
  EXPECT_FALSE(read.failed());
  EXPECT_EQ(read.status, TabFileStatus::CutToMaxTabs);
  EXPECT_EQ(read.announced, 256);
  ASSERT_EQ(read.tabs.size(), static_cast<std::size_t>(MaxTabs));
  EXPECT_EQ(read.tabs[MaxTabs - 1].race, (MaxTabs - 1) % RaceTotal);
}

TEST(DamagedTabFile, MaxTabsAnnouncedIsComplete) {
  const TabDecodeResult read =
      decodeTabs(join({longHeader(1705, MaxTabs - 1), repeat(plainRecord(), MaxTabs)}));
  EXPECT_EQ(read.status, TabFileStatus::Complete);
  EXPECT_EQ(read.tabs.size(), static_cast<std::size_t>(MaxTabs));
}

TEST(DamagedTabFile, TooManyAnnouncedAndTooFewPresentIsTruncated) {
  const TabDecodeResult read =
      decodeTabs(join({longHeader(1705, 255), repeat(plainRecord(), 150)}));
  EXPECT_EQ(read.status, TabFileStatus::Truncated);
  EXPECT_EQ(read.tabs.size(), 150u);
  EXPECT_EQ(read.announced, 256);
}

TabState decodeOne(const Bytes& record) {
  const TabDecodeResult read = decodeTabs(join({longHeader(1705, 0), record}));
  EXPECT_EQ(read.tabs.size(), 1u);
  return read.tabs.empty() ? TabState{} : read.tabs[0];
}

TEST(DamagedTabFile, RaceOutsideTheCompendiumNamesNoDemon) {
  for (int race : {32, 33, 200, 255}) {
    const TabState t = decodeOne(
        withByte(withByte(plainRecord(), at::Race, static_cast<std::uint8_t>(race)), at::Slot, 0));
    EXPECT_EQ(t.race, 0) << race;
    EXPECT_EQ(t.slot, -1) << race;
  }
  EXPECT_EQ(decodeOne(withByte(plainRecord(), at::Race, 31)).race, 31);
}

TEST(DamagedTabFile, SlotBeyondItsRaceNamesNoDemon) {
  for (Race race = 0; race < RaceTotal; ++race) {
    const Bytes r = withByte(plainRecord(), at::Race, static_cast<std::uint8_t>(race));
    const int count = raceCount(race);
    EXPECT_EQ(decodeOne(withByte(r, at::Slot, static_cast<std::uint8_t>(count - 1))).slot,
              count - 1)
        << race;
    EXPECT_EQ(decodeOne(withByte(r, at::Slot, static_cast<std::uint8_t>(count))).slot, -1) << race;
    EXPECT_EQ(decodeOne(withByte(r, at::Slot, 255)).slot, -1) << race;
  }
}

TEST(DamagedTabFile, SkillIndexBeyondTheCatalogueSelectsNothing) {
  const struct {
    std::uint8_t stored;
    int index;
  } cases[] = {{0, 0}, {250, 250}, {251, -1}, {254, -1}, {255, -1}};
  for (const auto& c : cases) {
    const TabState t = decodeOne(
        withByte(withByte(plainRecord(), at::Skill1Index, c.stored), at::Skill2Index, c.stored));
    EXPECT_EQ(t.skill1Index, c.index) << int{c.stored};
    EXPECT_EQ(t.skill2Index, c.index) << int{c.stored};
  }
}

TEST(DamagedTabFile, MaterialRaceBeyondTheRacesMeansNoRestriction) {
  const struct {
    std::uint8_t combo, choice, set;
    int wantCombo, wantChoice, wantSet;
  } cases[] = {
      {32, 32, 1, 32, 32, 1}, {33, 33, 1, 0, 0, 0}, {255, 200, 1, 0, 0, 0},
      {5, 5, 0, 5, 5, 1},     {0, 0, 1, 0, 0, 0},   {40, 7, 1, 0, 7, 1},
  };
  for (const auto& c : cases) {
    Bytes r = withByte(plainRecord(), at::MaterialRaceCombo, c.combo);
    r = withByte(withByte(r, at::MaterialRaceChoice, c.choice), at::MaterialRaceSet, c.set);
    const TabState t = decodeOne(r);
    EXPECT_EQ(t.materialRaceCombo, c.wantCombo) << int{c.combo};
    EXPECT_EQ(t.materialRaceChoice, c.wantChoice) << int{c.choice};
    EXPECT_EQ(t.materialRaceSet, c.wantSet) << int{c.choice} << ' ' << int{c.set};
  }
}

TEST(DamagedTabFile, AnyNonZeroCheckByteIsTicked) {
  const int offsets[] = {at::Reverse, at::Neutral,   at::Skill1On,   at::Skill2On,
                         at::Curse,   at::AutoLimit, at::ManualLimit};
  for (std::uint8_t stored : {std::uint8_t{2}, std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
    Bytes r = plainRecord();
    for (int offset : offsets) r = withByte(r, offset, stored);
    const TabState t = decodeOne(r);
    for (int check :
         {t.reverse, t.neutral, t.skill1On, t.skill2On, t.curse, t.autoLimit, t.manualLimit}) {
      EXPECT_EQ(check, 1) << int{stored};
    }
  }
}

TEST(DamagedTabFile, ListIndicesAreKeptAsStored) {
  Bytes r = plainRecord();
  for (int offset : {at::MaterialSel1, at::MaterialSel2, at::RacePairIndex, at::MaterialList1Index,
                     at::MaterialList2Index}) {
    r = withByte(r, offset, 254);
  }
  r = withRow(r, 0xFFFE);
  const TabState t = decodeOne(r);
  for (int index : {t.materialSel1, t.materialSel2, t.racePairIndex, t.materialList1Index,
                    t.materialList2Index}) {
    EXPECT_EQ(index, 254);
  }
  EXPECT_EQ(t.pickedRow, 65534);
}

}  // namespace
}  // namespace qmoor
