// What must hold for any byte sequence read as a saved-tabs file; shared by
// the tests of the recorded inputs and by the fuzz target fuzz_tab_file.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>

#include "data/races.h"
#include "data/types.h"
#include "tabs/limit_text.h"
#include "tabs/tab_codec.h"
#include "tabs/tab_sanitize.h"

namespace qmoor::tab_file_invariants {

inline bool within(int value, int low, int high) { return value >= low && value <= high; }

// The first field of a decoded record that lies outside its range, or "".
inline std::string fieldViolation(const TabState& t) {
  if (!within(t.race, 0, RaceTotal - 1)) return "race " + std::to_string(t.race);
  if (t.slot != -1 && !within(t.slot, 0, raceCount(t.race) - 1))
    return "slot " + std::to_string(t.slot);
  for (int check :
       {t.reverse, t.neutral, t.skill1On, t.skill2On, t.curse, t.autoLimit, t.manualLimit}) {
    if (!within(check, 0, 1)) return "check state " + std::to_string(check);
  }
  for (int skill : {t.skill1Index, t.skill2Index}) {
    if (!within(skill, -1, SelectableSkillTotal - 1)) return "skill index " + std::to_string(skill);
  }
  for (int item : {t.materialRaceCombo, t.materialRaceChoice}) {
    if (!within(item, 0, RaceTotal)) return "material race " + std::to_string(item);
  }
  if (t.materialRaceSet != (t.materialRaceChoice != 0 ? 1 : 0)) return "materialRaceSet disagrees";
  for (int index : {t.materialSel1, t.materialSel2, t.racePairIndex, t.materialList1Index,
                    t.materialList2Index}) {
    if (!within(index, -1, 254)) return "list index " + std::to_string(index);
  }
  if (!within(t.pickedRow, -1, 65534)) return "pickedRow " + std::to_string(t.pickedRow);
  const int level = limitTextValue(t.limitText);
  if (!within(level, 0, 255) || std::to_string(level) != t.limitText)
    return "limitText " + t.limitText;
  if (sanitizeTabState(t) != t) return "sanitizing changes the record";
  return {};
}

inline std::string countViolation(const TabDecodeResult& r) {
  const int read = static_cast<int>(r.tabs.size());
  if (!within(read, 1, MaxTabs)) return "records read: " + std::to_string(read);
  switch (r.status) {
    case TabFileStatus::Complete:
      if (read != r.announced) return "complete file misreported";
      break;
    case TabFileStatus::Truncated:
      if (read >= std::min(r.announced, MaxTabs))
        return "truncated file misreported";
      break;
    case TabFileStatus::CutToMaxTabs:
      if (read != MaxTabs || r.announced <= MaxTabs)
        return "cut file misreported";
      break;
    default:
      return "unexpected status";
  }
  return {};
}

// The first invariant that decoding bytes breaks, or "" when all hold.
inline std::string violation(std::span<const std::uint8_t> bytes) {
  const TabDecodeResult result = decodeTabs(bytes);
  if (result.failed()) {
    if (!result.tabs.empty()) return "failed decode returned records";
    return {};
  }
  if (std::string problem = countViolation(result); !problem.empty()) return problem;
  for (std::size_t i = 0; i < result.tabs.size(); ++i) {
    if (std::string problem = fieldViolation(result.tabs[i]); !problem.empty()) {
      return "record " + std::to_string(i) + ": " + problem;
    }
  }
  const auto encoded = encodeTabs(result.tabs);
  if (encoded.size() !=
      static_cast<std::size_t>(TabFileHeaderSize) + TabFileRecordSize * result.tabs.size()) {
    return "re-encoded size " + std::to_string(encoded.size());
  }
  const TabDecodeResult again = decodeTabs(encoded);
  if (again.status != TabFileStatus::Complete) return "re-encoded file does not read back complete";
  if (again.tabs != result.tabs) return "re-encoded records read back differently";
  return {};
}

}  // namespace qmoor::tab_file_invariants
