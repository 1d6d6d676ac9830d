// The saved-tabs file: a 32-byte header (version, last tab index, reserved
// bytes) and one 32-byte record per tab. Pure encoding and decoding.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tabs/tab_state.h"

namespace qmoor {

inline constexpr int TabFileVersion = 1705;                 // the version written
inline constexpr int TabFileLastShortHeaderVersion = 1600;  // up to it: 3-byte header, old indices
inline constexpr int TabFileHeaderSize = 32;
inline constexpr int TabFileShortHeaderSize = 3;
inline constexpr int TabFileRecordSize = 32;

// Where each field of a tab sits in its record, one byte each but pickedRow
// (two, little-endian; 0xFFFF for none) and the level of limitText. The bytes
// from FirstReserved on are reserved (0xFF). Selections store -1 as 0xFF.
namespace tab_record {
enum Offset : int {
  Race = 0,
  Slot = 1,
  Reverse = 2,
  Neutral = 3,
  MaterialRaceSet = 4,
  Skill1On = 5,
  Skill2On = 6,
  Skill1Index = 7,
  Skill2Index = 8,
  Curse = 9,
  AutoLimit = 10,
  ManualLimit = 11,
  MaterialSel1 = 12,
  MaterialSel2 = 13,
  MaterialRaceCombo = 14,
  RacePairIndex = 15,
  PickedRowLow = 16,
  PickedRowHigh = 17,
  MaterialList1Index = 18,
  MaterialList2Index = 19,
  MaterialRaceChoice = 20,
  Level = 21,
  FirstReserved = 22,
};
}  // namespace tab_record

enum class TabFileStatus {
  Complete,          // every announced tab was read
  Truncated,         // the file ends before the last announced tab
  CutToMaxTabs,      // more than MaxTabs tabs announced; the first MaxTabs were read
  HeaderTooShort,    // failure: the file ends inside its header
  NoCompleteRecord,  // failure: not one whole record follows the header
};

struct TabDecodeResult {
  TabFileStatus status = TabFileStatus::HeaderTooShort;
  int version = 0;             // as stored; 0 when the file is shorter than 3 bytes
  int announced = 0;           // number of tabs the header announces (last tab index + 1)
  std::vector<TabState> tabs;  // the records read, sanitized; empty on failure

  bool failed() const {
    return status == TabFileStatus::HeaderTooShort || status == TabFileStatus::NoCompleteRecord;
  }
};

// Writes version 1705 and the first min(tabs.size(), MaxTabs) records; an
// empty table gives an empty byte sequence (there is no way to store zero tabs).
std::vector<std::uint8_t> encodeTabs(std::span<const TabState> tabs);

// Reads every complete announced record, up to MaxTabs, converting the skill
// indices and picked row of version 1600 and older and passing every record
// through sanitizeTabState. A version above 1705 is read like 1705.
TabDecodeResult decodeTabs(std::span<const std::uint8_t> bytes);

}  // namespace qmoor
