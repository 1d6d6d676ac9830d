// Names as people type them: with an input method that leaves full-width
// letters and digits, in hiragana where the name is written in katakana, with
// blanks around them. Every lookup of a typed name (demons, races, skills,
// numbers in options) compares through these keys, so that all accept the
// same typing.
#pragma once

#include <string>
#include <string_view>

namespace qmoor {

// The text with full-width ASCII letters, digits and signs and the
// ideographic space as their ASCII forms, without the blanks around it.
// Malformed UTF-8 bytes are kept as they are.
std::string plainTyping(std::string_view typed);

// The key two names share when a reader takes them for the same name:
// plainTyping, hiragana as katakana, letters folded as foldName folds them.
std::string nameKey(std::string_view name);

}  // namespace qmoor
