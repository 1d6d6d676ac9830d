// Saved-tabs file encoding and decoding: see tab_codec.h.
#include "tabs/tab_codec.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "data/skills.h"
#include "data/types.h"
#include "tabs/limit_text.h"
#include "tabs/tab_file_messages.h"
#include "tabs/tab_sanitize.h"

namespace qmoor {

namespace {

constexpr std::uint8_t Reserved = 0xFF;
constexpr int LevelOffset = 21;  // level byte of limitText; reserved bytes follow

std::uint8_t lowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

// 0xFF stands for -1 in the one-byte signed fields.
int signedByte(std::uint8_t byte) { return byte == 0xFF ? -1 : byte; }

void appendRecord(std::vector<std::uint8_t>& out, const TabState& tab) {
  const int fields[] = {
      tab.race,         tab.slot,        tab.reverse,      tab.neutral,      tab.materialRaceSet,
      tab.skill1On,     tab.skill2On,    tab.skill1Index,  tab.skill2Index,  tab.curse,
      tab.autoLimit,    tab.manualLimit, tab.materialSel1, tab.materialSel2, tab.materialRaceCombo,
      tab.racePairIndex};
  for (int value : fields) out.push_back(lowByte(value));
  out.push_back(lowByte(tab.pickedRow));
  out.push_back(lowByte(tab.pickedRow >> 8));
  out.push_back(lowByte(tab.materialList1Index));
  out.push_back(lowByte(tab.materialList2Index));
  out.push_back(lowByte(tab.materialRaceChoice));
  out.push_back(lowByte(limitTextValue(tab.limitText)));
  out.insert(out.end(), TabFileRecordSize - LevelOffset - 1, Reserved);
}

TabState readRecord(std::span<const std::uint8_t> r) {
  TabState tab;
  tab.race = r[0];
  tab.slot = r[1];
  tab.reverse = r[2];
  tab.neutral = r[3];
  tab.materialRaceSet = r[4];
  tab.skill1On = r[5];
  tab.skill2On = r[6];
  tab.skill1Index = r[7];
  tab.skill2Index = r[8];
  tab.curse = r[9];
  tab.autoLimit = r[10];
  tab.manualLimit = r[11];
  tab.materialSel1 = signedByte(r[12]);
  tab.materialSel2 = signedByte(r[13]);
  tab.materialRaceCombo = r[14];
  tab.racePairIndex = signedByte(r[15]);
  const int row = r[16] | r[17] << 8;
  tab.pickedRow = row == 0xFFFF ? -1 : row;
  tab.materialList1Index = signedByte(r[18]);
  tab.materialList2Index = signedByte(r[19]);
  tab.materialRaceChoice = r[20];
  tab.limitText = std::to_string(r[LevelOffset]);
  return tab;
}

// Version 1600 and older stored a skill selection as a combo item of the
// catalogue order; the combo boxes list skills by kind.
int kindItemOfCatalogueItem(int item) {
  const int position = item + 1;
  if (position < 0 || position >= SkillOrderLength) return item;
  const int kindPosition = kindPositionOf(idOrderAt(position));
  return kindPosition < 0 ? item : kindPosition - 1;
}

// Version 1600 and older also stored the picked row multiplied by three.
void convertShortHeaderRecord(TabState& tab) {
  tab.skill1Index = kindItemOfCatalogueItem(tab.skill1Index);
  tab.skill2Index = kindItemOfCatalogueItem(tab.skill2Index);
  if (tab.pickedRow != -1) tab.pickedRow /= 3;
}

TabDecodeResult finish(TabDecodeResult result, TabFileStatus status) {
  result.status = status;
  if (result.failed()) result.tabs.clear();
  result.message = tabFileMessage(status, static_cast<int>(result.tabs.size()), result.announced);
  return result;
}

}  // namespace

std::vector<std::uint8_t> encodeTabs(std::span<const TabState> tabs) {
  const std::size_t count = std::min<std::size_t>(tabs.size(), MaxTabs);
  std::vector<std::uint8_t> out;
  if (count == 0) return out;
  out.reserve(TabFileHeaderSize + count * TabFileRecordSize);
  out.push_back(lowByte(TabFileVersion));
  out.push_back(lowByte(TabFileVersion >> 8));
  out.push_back(lowByte(static_cast<int>(count) - 1));
  out.insert(out.end(), TabFileHeaderSize - TabFileShortHeaderSize, Reserved);
  for (std::size_t i = 0; i < count; ++i) appendRecord(out, tabs[i]);
  return out;
}

TabDecodeResult decodeTabs(std::span<const std::uint8_t> bytes) {
  TabDecodeResult result;
  if (bytes.size() < static_cast<std::size_t>(TabFileShortHeaderSize)) {
    return finish(std::move(result), TabFileStatus::HeaderTooShort);
  }
  result.version = bytes[0] | bytes[1] << 8;
  result.announced = bytes[2] + 1;
  const bool shortHeader = result.version <= TabFileLastShortHeaderVersion;
  const std::size_t headerSize = shortHeader ? TabFileShortHeaderSize : TabFileHeaderSize;
  if (bytes.size() < headerSize) return finish(std::move(result), TabFileStatus::HeaderTooShort);

  const std::size_t completeRecords = (bytes.size() - headerSize) / TabFileRecordSize;
  const auto wanted = static_cast<std::size_t>(std::min(result.announced, MaxTabs));
  const std::size_t count = std::min(wanted, completeRecords);
  if (count == 0) return finish(std::move(result), TabFileStatus::NoCompleteRecord);

  result.tabs.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    TabState tab = readRecord(bytes.subspan(headerSize + i * TabFileRecordSize, TabFileRecordSize));
    if (shortHeader) convertShortHeaderRecord(tab);
    result.tabs.push_back(sanitizeTabState(std::move(tab)));
  }
  if (count < wanted) return finish(std::move(result), TabFileStatus::Truncated);
  if (result.announced > MaxTabs) return finish(std::move(result), TabFileStatus::CutToMaxTabs);
  return finish(std::move(result), TabFileStatus::Complete);
}

}  // namespace qmoor
