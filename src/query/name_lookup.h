// Resolves the names a user types: demons (Japanese, English, a name followed
// by its level, or R/S), skills (either language or number) and races (either
// language or number). An unknown or ambiguous name throws UsageError with
// the closest names.
#pragma once

#include <string_view>

#include "data/types.h"

namespace qmoor::query {

DemonRef resolveDemon(std::string_view text);
int resolveSkill(std::string_view text);
Race resolveRace(std::string_view text);

}  // namespace qmoor::query
