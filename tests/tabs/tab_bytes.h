// Building saved-tabs files byte by byte for the codec tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "tabs/tab_codec.h"

namespace qmoor::tab_bytes {

using Bytes = std::vector<std::uint8_t>;

// Record offsets of the fields, as the codec names them.
namespace at = tab_record;

// Both are filled in place rather than grown: GCC 12 misreads growing a
// vector made from a list as writing past its end, and warns in Release builds.
inline Bytes longHeader(int version, int lastTabByte) {
  Bytes b(32, 0xFF);
  b[0] = static_cast<std::uint8_t>(version & 0xFF);
  b[1] = static_cast<std::uint8_t>(version >> 8);
  b[2] = static_cast<std::uint8_t>(lastTabByte);
  return b;
}

inline Bytes shortHeader(int version, int lastTabByte) {
  return {static_cast<std::uint8_t>(version & 0xFF), static_cast<std::uint8_t>(version >> 8),
          static_cast<std::uint8_t>(lastTabByte)};
}

// Demon (0, 0), nothing ticked, both skills at item 33, no selections, level 50.
inline Bytes plainRecord() {
  constexpr std::uint8_t head[] = {0, 0, 0, 0, 0, 0, 0, 33, 33, 0, 0, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 50};
  Bytes r(32, 0xFF);
  std::copy(std::begin(head), std::end(head), r.begin());
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
