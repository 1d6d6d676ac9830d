// Normalised typing of names: see typed_names.h.
#include "names/typed_names.h"

#include "names/names.h"
#include "names/utf8.h"

namespace qmoor {
namespace {

// Every code point of the text through `map`; malformed bytes pass unchanged.
template <class Map>
std::string mapped(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character decoded = utf8At(text, at);
    if (decoded.length == 0) {
      out += text[at++];
      continue;
    }
    appendUtf8(map(decoded.point), out);
    at += decoded.length;
  }
  return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::string plainTyping(std::string_view typed) {
  std::string plain = mapped(typed, [](char32_t c) -> char32_t {
    if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;  // full-width ASCII
    if (c == 0x3000) return U' ';                         // ideographic space
    return c;
  });
  const std::size_t first = plain.find_first_not_of(" \t\n\r\v\f");
  if (first == std::string::npos) return {};
  std::size_t last = plain.size();
  while (isBlank(plain[last - 1])) --last;
  return plain.substr(first, last - first);
}

std::string nameKey(std::string_view name) {
  return foldName(mapped(plainTyping(name), [](char32_t c) -> char32_t {
    if (c >= 0x3041 && c <= 0x3096) return c + 0x60;  // ぁ..ゖ as ァ..ヶ
    if (c == 0x309D || c == 0x309E) return c + 0x60;  // ゝゞ as ヽヾ
    return c;
  }));
}

}  // namespace qmoor
