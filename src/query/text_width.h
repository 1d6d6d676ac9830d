// Code points of UTF-8 text and the terminal columns they take: East Asian
// wide and fullwidth characters count two, combining marks none.
#pragma once

#include <string>
#include <string_view>

namespace qmoor::query {

// Malformed bytes each become U+FFFD.
std::u32string codePoints(std::string_view utf8);
int columnWidth(char32_t c);
int displayWidth(std::string_view utf8);

}  // namespace qmoor::query
