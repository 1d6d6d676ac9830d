// Saved-tabs file encoding and decoding: see tab_codec.h.
#include "tabs/tab_codec.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "data/skills.h"
#include "data/types.h"
#include "tabs/limit_text.h"
#include "tabs/tab_sanitize.h"

namespace qmoor {

namespace {

constexpr std::uint8_t Reserved = 0xFF;

// The one-byte fields of a record; a selection reads 0xFF back as -1.
struct ByteField {
  tab_record::Offset offset;
  int TabState::*member;
  bool selection;
};

constexpr ByteField ByteFields[] = {
    {tab_record::Race, &TabState::race, false},
    {tab_record::Slot, &TabState::slot, false},
    {tab_record::Reverse, &TabState::reverse, false},
    {tab_record::Neutral, &TabState::neutral, false},
    {tab_record::MaterialRaceSet, &TabState::materialRaceSet, false},
    {tab_record::Skill1On, &TabState::skill1On, false},
    {tab_record::Skill2On, &TabState::skill2On, false},
    {tab_record::Skill1Index, &TabState::skill1Index, false},
    {tab_record::Skill2Index, &TabState::skill2Index, false},
    {tab_record::Curse, &TabState::curse, false},
    {tab_record::AutoLimit, &TabState::autoLimit, false},
    {tab_record::ManualLimit, &TabState::manualLimit, false},
    {tab_record::MaterialSel1, &TabState::materialSel1, true},
    {tab_record::MaterialSel2, &TabState::materialSel2, true},
    {tab_record::MaterialRaceCombo, &TabState::materialRaceCombo, false},
    {tab_record::RacePairIndex, &TabState::racePairIndex, true},
    {tab_record::MaterialList1Index, &TabState::materialList1Index, true},
    {tab_record::MaterialList2Index, &TabState::materialList2Index, true},
    {tab_record::MaterialRaceChoice, &TabState::materialRaceChoice, false},
};

std::uint8_t lowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

void appendRecord(std::vector<std::uint8_t>& out, const TabState& tab) {
  const auto record = out.insert(out.end(), TabFileRecordSize, Reserved);
  for (const ByteField& field : ByteFields) record[field.offset] = lowByte(tab.*field.member);
  record[tab_record::PickedRowLow] = lowByte(tab.pickedRow);
  record[tab_record::PickedRowHigh] = lowByte(tab.pickedRow >> 8);
  record[tab_record::Level] = lowByte(limitTextValue(tab.limitText));
}

TabState readRecord(std::span<const std::uint8_t> r) {
  TabState tab;
  for (const ByteField& field : ByteFields) {
    const std::uint8_t byte = r[static_cast<std::size_t>(field.offset)];
    tab.*field.member = field.selection && byte == 0xFF ? -1 : byte;
  }
  const int row = r[tab_record::PickedRowLow] | r[tab_record::PickedRowHigh] << 8;
  tab.pickedRow = row == 0xFFFF ? -1 : row;
  tab.limitText = std::to_string(r[tab_record::Level]);
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
