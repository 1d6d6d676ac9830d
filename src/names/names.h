// The names layer: every demon, race, skill, evolution entry, detail-panel
// heading and inheritance word in the chosen language, the demon labels with
// those names, the alphabetical skill order of English, and lookups of a name
// given in either language.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/types.h"

namespace qmoor {

enum class Language { Japanese, English };

// "ja" or "en"; nothing for any other text.
std::optional<Language> languageFromCode(std::string_view code);
std::string_view languageCode(Language language);

// Japanese texts are the compendium's own, byte for byte.
std::string_view demonName(DemonRef demon, Language language);  // "" for an unoccupied slot
std::string_view raceName(Race race, Language language);        // without the padding blanks
std::string_view skillName(int skill, Language language);       // 0..311, "？" and evolution entries included

// Headings and words of the detail panel, in column order.
inline constexpr int StatHeadingTotal = 7;  // HP MP 力 魔 体 速 運
std::string_view statHeading(int stat, Language language);
std::string_view resistanceHeading(int resistance, Language language);  // 0..9, 物理 .. 精神
std::string_view markHeading(int mark, Language language);              // 0..9, 口 .. 会
std::string_view inheritanceHeading(Language language);                 // 継承
// The detail panel's narrow columns: in English a heading or resistance
// value of two letters and an inheritance word of at most five; Japanese and
// texts without a short form come back as given.
std::string_view shortForm(std::string_view text, Language language);
// A resistance cell (強 無 吸 反 弱) or an inheritance word in the language;
// any other text (the blank of none, an empty cell) comes back unchanged.
std::string_view resistanceValue(std::string_view cell, Language language);
std::string_view inheritanceWord(std::string_view word, Language language);

// The five demon labels of the compendium with names in the language. Japanese
// gives exactly the compendium's labels; English keeps their shapes with the
// unpadded English race name in place of the race name and of its short name.
std::string fullLabel(DemonRef demon, Language language);      // "LV" + Level + " " + race + " " + name
std::string holderLabel(DemonRef demon, Language language);    // "LV" + Level + "　" or " " + race + " " + name
std::string raceLabel(DemonRef demon, Language language);      // "LV" + Level + " " + name
std::string materialLabel(DemonRef demon, Language language);  // Level + " " + name
std::string resultLabel(DemonRef demon, Language language);    // short race + " " + Level + " " + name
// "LV95 魔王 ベルゼブブ": level, unpadded race and name, as the tools and qmoor list a demon.
std::string demonLabel(DemonRef demon, Language language);
std::string demonLabel(DemonRef demon, int level, Language language);  // at its current level
// Skill names joined by ", "; a number that names no skill is written as #N.
std::string skillListText(const std::vector<int>& skills, Language language);
// A line of the race-pair list, "魔神 x 鬼神": Japanese pads the race names
// as the list aligns them, English names both races unpadded.
std::string racePairLine(Race first, Race second, Language language);

// The three kinds of fusion: 通常合体, 月齢合体, 精霊合体 ("normal fusion" ...),
// and in English the short form a table heading uses ("normal" ...); the
// Japanese has no shorter form.
std::string_view fusionKindName(FusionKind kind, Language language);
std::string_view fusionKindHeading(FusionKind kind, Language language);

// The order of the skill combos that Japanese sorts by kana: the kana order in
// Japanese, alphabetical by English name in English. Position 0 is the sentinel.
int nameOrderAt(int position, Language language);  // 0..251
int namePositionOf(int skill, Language language);  // -1 when the skill is not in the order

// Lookups of a name in either language, whatever the chosen one, compared by
// nameKey (typed_names.h): blanks around, full-width letters and hiragana for
// katakana are taken as typed; English ignores case and accents, and a
// demon's English name also matches without its parenthesised qualifier
// ("Beelzebub").
std::vector<DemonRef> demonsNamed(std::string_view name);  // race/slot order; empty when none
std::optional<Race> raceNamed(std::string_view name);      // the name, padded or not, or the short name
std::optional<int> skillNamed(std::string_view name);      // skills 1..277: no "？", no evolution entry

// Folds a name for comparison: ASCII and Latin-1 letters to plain lower case.
std::string foldName(std::string_view name);

}  // namespace qmoor
