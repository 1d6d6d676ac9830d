// The reading-order key of names: see reading_order.h.
#include "names/reading_order.h"

#include <cctype>

#include "names/typed_names.h"
#include "names/utf8.h"

namespace qmoor {
namespace {

enum Mark : char32_t { Plain, Small, Voiced, HalfVoiced, Long };

struct Reading {
  char32_t base;
  char32_t mark;
};

constexpr char32_t FirstKatakana = U'ァ';
constexpr char32_t LastKatakana = U'ヶ';

// For every katakana from ァ to ヶ: the plain kana it is read as, and how it
// differs from it.
constexpr Reading KatakanaReadings[] = {
    {U'ア', Small}, {U'ア', Plain}, {U'イ', Small}, {U'イ', Plain}, {U'ウ', Small}, {U'ウ', Plain},
    {U'エ', Small}, {U'エ', Plain}, {U'オ', Small}, {U'オ', Plain},
    {U'カ', Plain}, {U'カ', Voiced}, {U'キ', Plain}, {U'キ', Voiced}, {U'ク', Plain}, {U'ク', Voiced},
    {U'ケ', Plain}, {U'ケ', Voiced}, {U'コ', Plain}, {U'コ', Voiced},
    {U'サ', Plain}, {U'サ', Voiced}, {U'シ', Plain}, {U'シ', Voiced}, {U'ス', Plain}, {U'ス', Voiced},
    {U'セ', Plain}, {U'セ', Voiced}, {U'ソ', Plain}, {U'ソ', Voiced},
    {U'タ', Plain}, {U'タ', Voiced}, {U'チ', Plain}, {U'チ', Voiced}, {U'ツ', Small}, {U'ツ', Plain},
    {U'ツ', Voiced}, {U'テ', Plain}, {U'テ', Voiced}, {U'ト', Plain}, {U'ト', Voiced},
    {U'ナ', Plain}, {U'ニ', Plain}, {U'ヌ', Plain}, {U'ネ', Plain}, {U'ノ', Plain},
    {U'ハ', Plain}, {U'ハ', Voiced}, {U'ハ', HalfVoiced}, {U'ヒ', Plain}, {U'ヒ', Voiced}, {U'ヒ', HalfVoiced},
    {U'フ', Plain}, {U'フ', Voiced}, {U'フ', HalfVoiced}, {U'ヘ', Plain}, {U'ヘ', Voiced}, {U'ヘ', HalfVoiced},
    {U'ホ', Plain}, {U'ホ', Voiced}, {U'ホ', HalfVoiced},
    {U'マ', Plain}, {U'ミ', Plain}, {U'ム', Plain}, {U'メ', Plain}, {U'モ', Plain},
    {U'ヤ', Small}, {U'ヤ', Plain}, {U'ユ', Small}, {U'ユ', Plain}, {U'ヨ', Small}, {U'ヨ', Plain},
    {U'ラ', Plain}, {U'リ', Plain}, {U'ル', Plain}, {U'レ', Plain}, {U'ロ', Plain},
    {U'ワ', Small}, {U'ワ', Plain}, {U'ヰ', Plain}, {U'ヱ', Plain}, {U'ヲ', Plain}, {U'ン', Plain},
    {U'ウ', Voiced}, {U'カ', Small}, {U'ケ', Small},
};
static_assert(std::size(KatakanaReadings) == LastKatakana - FirstKatakana + 1);

// The vowel a plain kana ends in, which a following ー lengthens; none for ン.
char32_t vowelOf(char32_t base) {
  constexpr std::u32string_view Rows[] = {U"アカサタナハマヤラワ", U"イキシチニヒミリヰ", U"ウクスツヌフムユル",
                                          U"エケセテネヘメレヱ", U"オコソトノホモヨロヲ"};
  constexpr char32_t Vowels[] = {U'ア', U'イ', U'ウ', U'エ', U'オ'};
  for (std::size_t row = 0; row < std::size(Rows); ++row) {
    if (Rows[row].find(base) != std::u32string_view::npos) return Vowels[row];
  }
  return 0;
}

}  // namespace

std::u32string readingKey(std::string_view name) {
  const std::string key = nameKey(name);  // hiragana as katakana, Latin letters folded
  std::u32string bases;
  std::u32string marks;
  for (std::size_t at = 0; at < key.size();) {
    const Utf8Character character = utf8At(key, at);
    const char32_t c = character.length == 0 ? static_cast<unsigned char>(key[at]) : character.point;
    at += character.length == 0 ? 1 : character.length;
    if (c == U'・' || (c < 0x80 && !std::isalnum(static_cast<int>(c)))) continue;  // blanks and signs: letter by letter
    Reading reading{c, Plain};
    if (c >= FirstKatakana && c <= LastKatakana) {
      reading = KatakanaReadings[c - FirstKatakana];
    } else if (c == U'ー' && !bases.empty() && vowelOf(bases.back()) != 0) {
      reading = {vowelOf(bases.back()), Long};
    }
    bases += reading.base;
    marks += reading.mark;
  }
  return bases + U'\0' + marks;
}

}  // namespace qmoor
