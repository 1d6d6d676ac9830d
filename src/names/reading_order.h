// The order in which a Japanese reader looks names up (50音順): katakana and
// hiragana as one, a voiced or half-voiced kana and a small kana next to
// their plain kana, ヴ beside ウ, the long mark ー read as the vowel before
// it, the middle dot, blanks and signs passed over. Latin letters sort
// alphabetically letter by letter, without case or accents, before the kana;
// other characters (kanji) follow by code point.
#pragma once

#include <string>
#include <string_view>

namespace qmoor {

// A key whose lexicographic order is the reading order of the names; names
// that differ only in voicing or size of a kana are ordered plain, small,
// voiced, half-voiced at their first difference.
std::u32string readingKey(std::string_view name);

}  // namespace qmoor
