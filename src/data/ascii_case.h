// ASCII case folding for comparisons the user types into: only A..Z change,
// whatever the locale, so the bytes of Japanese names (and of any other
// multi-byte text) pass through untouched. Works on bytes and code points.
#pragma once

namespace qmoor {

template <class Char>
constexpr Char lowerAscii(Char c) {
  return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

}  // namespace qmoor
