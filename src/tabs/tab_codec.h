// The saved-tabs file: a 32-byte header (version, last tab index, reserved
// bytes) and one 32-byte record per tab. Pure encoding and decoding.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tabs/tab_state.h"

namespace qmoor {

inline constexpr int TabFileVersion = 1705;                 // the version written
inline constexpr int TabFileLastShortHeaderVersion = 1600;  // up to it: 3-byte header, old indices
inline constexpr int TabFileHeaderSize = 32;
inline constexpr int TabFileShortHeaderSize = 3;
inline constexpr int TabFileRecordSize = 32;

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
  std::string message;         // what went wrong, for the user; empty when Complete

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
