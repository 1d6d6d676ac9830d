// Special recipes: the named demons of special demons and the six lines of
// text that explain each recipe.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "data/types.h"

namespace qmoor {

using RecipeLines = std::array<std::string_view, 6>;

DemonRef recipeSource(DemonRef xDemon);                    // for a demon marked 'x'
std::pair<DemonRef, DemonRef> recipePair(DemonRef wDemon);  // for a demon marked 'w'
// Race 31: group 43 + slot; otherwise its line group when it has one; otherwise none.
std::optional<RecipeLines> recipeLines(DemonRef demon);

}  // namespace qmoor
