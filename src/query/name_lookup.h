// Resolves the names a user types: demons (Japanese, English, a name followed
// by its level, or R/S), materials (a demon, with @L for its current level),
// skills (either language or number), races (either language or number) and
// skill kinds and elements (keyword or either language). An unknown or
// ambiguous name throws UsageError with
// the closest names.
#pragma once

#include <string_view>

#include "data/skill_details.h"
#include "data/types.h"
#include "forward/forward_fusion.h"

namespace qmoor::query {

DemonRef resolveDemon(std::string_view text);
// NAME@L or R/S@L (the @ full-width too), L from the demon's base level to 99;
// without @L, the base level.
AtLevel resolveMaterial(std::string_view text);
int resolveSkill(std::string_view text);
Race resolveRace(std::string_view text);
SkillKind resolveSkillKind(std::string_view text);
SkillElement resolveSkillElement(std::string_view text);

}  // namespace qmoor::query
