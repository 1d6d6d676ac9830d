// Escaped typed text: see shown_text.h.
#include "query/shown_text.h"

#include <algorithm>
#include <cstdio>

#include "names/utf8.h"

namespace qmoor::query {
namespace {

std::string hexEscape(unsigned char byte) {
  char text[5];
  std::snprintf(text, sizeof text, "\\x%02x", byte);
  return text;
}

// C0 and C1 controls, and the marks that turn the direction of the text.
bool isControl(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x200E && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

}  // namespace

std::string escapedText(std::string_view text) {
  std::string shown;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character character = utf8At(text, at);
    if (character.length == 0 || isControl(character.point)) {
      for (std::size_t i = 0; i < std::max<std::size_t>(character.length, 1); ++i)
        shown += hexEscape(static_cast<unsigned char>(text[at + i]));
      at += std::max<std::size_t>(character.length, 1);
      continue;
    }
    if (character.point == U'\\') {
      shown += "\\\\";
    } else {
      shown += text.substr(at, character.length);
    }
    at += character.length;
  }
  return shown;
}

// Appended rather than added to a literal, which keeps GCC 12's -Wrestrict quiet at -O2.
std::string quoted(std::string_view text) {
  std::string shown = "'";
  shown += escapedText(text);
  shown += '\'';
  return shown;
}

}  // namespace qmoor::query
