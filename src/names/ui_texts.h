// The form's own texts (captions, group boxes, column headings, fixed list
// items, recipe lines and the view's messages) in the chosen language. The
// Japanese text is the key; the desktop program and qmoor-drive both read the
// form's texts from here, so the form has one English and one only.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "names/names.h"

namespace qmoor {

// The text in the language; a text without an English form comes back as given.
std::string_view uiText(std::string_view japanese, Language language);
bool hasEnglishText(std::string_view japanese);

// A message whose Japanese pattern marks its arguments %1, %2, ... in the
// language, with the arguments put in.
std::string uiMessage(std::string_view japanesePattern, Language language, std::initializer_list<std::string_view> args);

// A line of a special recipe's explanation, with its demon and race names and
// its wording in the language.
std::string recipeLineText(std::string_view line, Language language);

}  // namespace qmoor
