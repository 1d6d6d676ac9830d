// UTF-8 decoding and East Asian column widths.
#include "query/text_width.h"

#include <algorithm>
#include <iterator>

namespace qmoor::query {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// Wide (W) and fullwidth (F) blocks of the East Asian Width property.
constexpr Range WideRanges[] = {
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

constexpr Range ZeroWidthRanges[] = {
    {0x0300, 0x036F}, {0x200B, 0x200F}, {0x3099, 0x309A}, {0xFE00, 0xFE0F},
};

bool within(char32_t c, const Range* begin, const Range* end) {
  return std::any_of(begin, end, [c](const Range& r) { return c >= r.first && c <= r.last; });
}

constexpr char32_t Replacement = 0xFFFD;

}  // namespace

std::u32string codePoints(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
      out.push_back(Replacement);
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = true;
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = valid && (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid) {
      out.push_back(Replacement);
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

int columnWidth(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return 0;
  if (within(c, std::begin(ZeroWidthRanges), std::end(ZeroWidthRanges))) return 0;
  return within(c, std::begin(WideRanges), std::end(WideRanges)) ? 2 : 1;
}

int displayWidth(std::string_view utf8) {
  int width = 0;
  for (char32_t c : codePoints(utf8)) width += columnWidth(c);
  return width;
}

}  // namespace qmoor::query
