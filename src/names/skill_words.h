// The words of the skill table in either language: kinds, elements, targets
// and the game's help texts, and the kind or element a user names.
#pragma once

#include <optional>
#include <string_view>

#include "data/skill_details.h"
#include "names/names.h"

namespace qmoor {

std::string_view skillKindName(SkillKind kind, Language language);
std::string_view skillElementName(SkillElement element, Language language);
std::string_view skillTargetName(SkillTarget target, Language language);
// The game's help text in the language; empty in Japanese, for which none is known.
std::string_view skillDescription(int skill, Language language);

// A kind or element named by its keyword or by its word in either language
// (English ignoring case); nothing for any other text.
std::optional<SkillKind> skillKindNamed(std::string_view text);
std::optional<SkillElement> skillElementNamed(std::string_view text);

}  // namespace qmoor
