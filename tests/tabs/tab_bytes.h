// Building saved-tabs files byte by byte for the codec tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace qmoor::tab_bytes {

using Bytes = std::vector<std::uint8_t>;

// Record offsets of the fields, named after them.
namespace at {
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
}  // namespace at

inline Bytes longHeader(int version, int lastTabByte) {
  Bytes b{static_cast<std::uint8_t>(version & 0xFF), static_cast<std::uint8_t>(version >> 8),
          static_cast<std::uint8_t>(lastTabByte)};
  b.insert(b.end(), 29, 0xFF);
  return b;
}

inline Bytes shortHeader(int version, int lastTabByte) {
  return {static_cast<std::uint8_t>(version & 0xFF), static_cast<std::uint8_t>(version >> 8),
          static_cast<std::uint8_t>(lastTabByte)};
}

// Demon (0, 0), nothing ticked, both skills at item 33, no selections, level 50.
inline Bytes plainRecord() {
  Bytes r{0, 0, 0, 0, 0, 0, 0, 33, 33, 0, 0, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 50};
  r.insert(r.end(), 10, 0xFF);
  return r;
}

inline Bytes withByte(Bytes record, int offset, std::uint8_t value) {
  record[static_cast<std::size_t>(offset)] = value;
  return record;
}

// The two little-endian bytes of pickedRow; 0xFFFF for none.
inline Bytes withRow(Bytes record, int row) {
  record[at::PickedRowLow] = static_cast<std::uint8_t>(row & 0xFF);
  record[at::PickedRowHigh] = static_cast<std::uint8_t>(row >> 8 & 0xFF);
  return record;
}

inline Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline Bytes repeat(const Bytes& record, int times) {
  Bytes all;
  for (int i = 0; i < times; ++i) all.insert(all.end(), record.begin(), record.end());
  return all;
}

}  // namespace qmoor::tab_bytes
