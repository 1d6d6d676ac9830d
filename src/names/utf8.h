// Reading and writing UTF-8 one character at a time, for the code that looks
// at names character by character (typing, sorting, showing them back).
#pragma once

#include <string>
#include <string_view>

namespace qmoor {

struct Utf8Character {
  char32_t point = 0;
  std::size_t length = 0;  // 0: a malformed byte (overlong, surrogate, cut short, stray)
};

// The character starting at byte `at` of the text (at < text.size()).
Utf8Character utf8At(std::string_view text, std::size_t at);
void appendUtf8(char32_t point, std::string& out);

}  // namespace qmoor
