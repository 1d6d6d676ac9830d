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

// The code point at utf8[i], moving i past it; a malformed byte is U+FFFD.
char32_t decodeAt(std::string_view utf8, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(utf8[i]);
  const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + static_cast<std::size_t>(length) > utf8.size()) {
    ++i;
    return Replacement;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return Replacement;
    }
    c = (c << 6) | (next & 0x3F);
  }
  i += static_cast<std::size_t>(length);
  return c;
}

}  // namespace

std::u32string codePoints(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out.push_back(decodeAt(utf8, i));
  return out;
}

int columnWidth(char32_t c) {
  if (c < 0x20 || (c >= 0x7F && c < 0xA0)) return 0;
  if (within(c, std::begin(ZeroWidthRanges), std::end(ZeroWidthRanges))) return 0;
  return within(c, std::begin(WideRanges), std::end(WideRanges)) ? 2 : 1;
}

int displayWidth(std::string_view utf8) {
  int width = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte >= 0x20 && byte < 0x7F) {  // printable ASCII, the common case
      ++width;
      ++i;
    } else {
      width += columnWidth(decodeAt(utf8, i));
    }
  }
  return width;
}

}  // namespace qmoor::query
