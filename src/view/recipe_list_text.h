// The single line the special-recipe list shows when no special recipe is on
// show; the options read it to tell whether one is.
#pragma once

namespace qmoor {

inline constexpr const char* NoRecipeLine = "特殊合体情報　なし";

}  // namespace qmoor
