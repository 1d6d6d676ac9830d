// decodeTabs on well-formed files: field decoding and the versions.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/skills.h"
#include "data/types.h"
#include "tab_bytes.h"
#include "tabs/tab_codec.h"

namespace qmoor {
namespace {

using namespace tab_bytes;

TEST(DecodeTabs, ReadsEveryFieldOfARecord) {
  const std::pair<int, std::uint8_t> stored[] = {{at::Race, 3},
                                                 {at::Slot, 1},
                                                 {at::Reverse, 1},
                                                 {at::Neutral, 1},
                                                 {at::MaterialRaceSet, 1},
                                                 {at::Skill1On, 1},
                                                 {at::Skill2On, 1},
                                                 {at::Skill1Index, 250},
                                                 {at::Skill2Index, 0},
                                                 {at::Curse, 1},
                                                 {at::AutoLimit, 1},
                                                 {at::ManualLimit, 1},
                                                 {at::MaterialSel1, 4},
                                                 {at::MaterialSel2, 254},
                                                 {at::MaterialRaceCombo, 32},
                                                 {at::RacePairIndex, 7},
                                                 {at::PickedRowLow, 0xFE},
                                                 {at::PickedRowHigh, 0xFF},
                                                 {at::MaterialList1Index, 0},
                                                 {at::MaterialList2Index, 9},
                                                 {at::MaterialRaceChoice, 32},
                                                 {at::Level, 99}};
  Bytes r = plainRecord();
  for (const auto& [offset, value] : stored) r = withByte(r, offset, value);
  const TabDecodeResult read = decodeTabs(join({longHeader(1705, 0), r}));
  ASSERT_EQ(read.status, TabFileStatus::Complete);
  ASSERT_EQ(read.tabs.size(), 1u);
  const TabState expected{.race = 3,
                          .slot = 1,
                          .reverse = 1,
                          .neutral = 1,
                          .materialRaceSet = 1,
                          .skill1On = 1,
                          .skill2On = 1,
                          .skill1Index = 250,
                          .skill2Index = 0,
                          .curse = 1,
                          .autoLimit = 1,
                          .manualLimit = 1,
                          .materialSel1 = 4,
                          .materialSel2 = 254,
                          .materialRaceCombo = 32,
                          .racePairIndex = 7,
                          .pickedRow = 65534,
                          .materialList1Index = 0,
                          .materialList2Index = 9,
                          .materialRaceChoice = 32,
                          .limitText = "99"};
  EXPECT_EQ(read.tabs[0], expected);
  EXPECT_EQ(read.version, 1705);
  EXPECT_EQ(read.announced, 1);
  EXPECT_EQ(read.status, TabFileStatus::Complete);
}

TEST(DecodeTabs, NoSelectionBytesAreMinusOne) {
  const TabDecodeResult read = decodeTabs(join({longHeader(1705, 0), plainRecord()}));
  ASSERT_EQ(read.tabs.size(), 1u);
  const TabState& t = read.tabs[0];
  EXPECT_EQ(t.materialSel1, -1);
  EXPECT_EQ(t.materialSel2, -1);
  EXPECT_EQ(t.racePairIndex, -1);
  EXPECT_EQ(t.pickedRow, -1);
  EXPECT_EQ(t.materialList1Index, -1);
  EXPECT_EQ(t.materialList2Index, -1);
}

TEST(DecodeTabs, ReservedBytesAreIgnored) {
  Bytes header = longHeader(1705, 1);
  std::fill(header.begin() + 3, header.end(), 0x5A);
  Bytes r = plainRecord();
  std::fill(r.begin() + at::FirstReserved, r.end(), 0x00);
  const TabDecodeResult odd = decodeTabs(join({header, r, r}));
  const TabDecodeResult plain =
      decodeTabs(join({longHeader(1705, 1), plainRecord(), plainRecord()}));
  EXPECT_EQ(odd.status, TabFileStatus::Complete);
  EXPECT_EQ(odd.tabs, plain.tabs);
}

TEST(DecodeTabs, Version1600ConvertsSkillIndicesAndPickedRow) {
  const Bytes first =
      withRow(withByte(withByte(plainRecord(), at::Skill1Index, 0), at::Skill2Index, 0), 7);
  const Bytes second = withRow(plainRecord(), 0xFFFF);
  const TabDecodeResult read = decodeTabs(join({shortHeader(1600, 1), first, second}));
  ASSERT_EQ(read.status, TabFileStatus::Complete);
  ASSERT_EQ(read.tabs.size(), 2u);
  EXPECT_EQ(read.tabs[0].skill1Index, 33);
  EXPECT_EQ(read.tabs[0].skill2Index, 33);
  EXPECT_EQ(read.tabs[0].pickedRow, 2);
  EXPECT_EQ(read.tabs[1].pickedRow, -1);
}

// Each catalogue-order item lands on the kind-order item of the same skill.
TEST(DecodeTabs, Version1600ConvertsEveryCatalogueItem) {
  for (int item = 0; item < SelectableSkillTotal; ++item) {
    const Bytes r = withByte(plainRecord(), at::Skill1Index, static_cast<std::uint8_t>(item));
    const TabDecodeResult read = decodeTabs(join({shortHeader(1600, 0), r}));
    ASSERT_EQ(read.tabs.size(), 1u);
    const int converted = read.tabs[0].skill1Index;
    ASSERT_GE(converted, 0) << "item " << item;
    EXPECT_EQ(kindOrderAt(converted + 1), idOrderAt(item + 1)) << "item " << item;
  }
}

// Items past the catalogue stay as read, which leaves them without a skill.
TEST(DecodeTabs, Version1600ItemsOutsideTheCatalogueSelectNothing) {
  for (int item : {251, 254, 255}) {
    const Bytes r = withByte(plainRecord(), at::Skill2Index, static_cast<std::uint8_t>(item));
    const TabDecodeResult read = decodeTabs(join({shortHeader(1600, 0), r}));
    ASSERT_EQ(read.tabs.size(), 1u);
    EXPECT_EQ(read.tabs[0].skill2Index, -1) << "item " << item;
  }
}

TEST(DecodeTabs, OldestVersionsShareTheShortHeader) {
  const Bytes r = withRow(plainRecord(), 9);
  for (int version : {0, 1, 1000, 1600}) {
    const TabDecodeResult read = decodeTabs(join({shortHeader(version, 0), r}));
    ASSERT_EQ(read.status, TabFileStatus::Complete) << version;
    ASSERT_EQ(read.tabs.size(), 1u);
    EXPECT_EQ(read.tabs[0].pickedRow, 3) << version;
    EXPECT_EQ(read.version, version);
  }
}

// From 1601 on the long header holds, nothing is converted, and a version
// above the one written is read the same way.
TEST(DecodeTabs, Version1601AndLaterReadAsWritten) {
  const Bytes r = withRow(withByte(plainRecord(), at::Skill1Index, 0), 7);
  for (int version : {1601, 1705, 1706, 0xFFFF}) {
    const TabDecodeResult read = decodeTabs(join({longHeader(version, 0), r}));
    ASSERT_EQ(read.status, TabFileStatus::Complete) << version;
    ASSERT_EQ(read.tabs.size(), 1u);
    EXPECT_EQ(read.tabs[0].skill1Index, 0) << version;
    EXPECT_EQ(read.tabs[0].pickedRow, 7) << version;
  }
}

TEST(DecodeTabs, ReadsOnlyTheAnnouncedTabs) {
  const TabDecodeResult read =
      decodeTabs(join({longHeader(1705, 1), repeat(plainRecord(), 3), Bytes(5, 0)}));
  EXPECT_EQ(read.status, TabFileStatus::Complete);
  EXPECT_EQ(read.tabs.size(), 2u);
  EXPECT_EQ(read.announced, 2);
}

}  // namespace
}  // namespace qmoor
