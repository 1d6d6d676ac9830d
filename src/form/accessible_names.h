// What a screen reader calls each control of the form: drawn from its own
// caption, its group box and the caption beside it, so that controls of the
// same kind in different places (the three "新しいタブで開く" buttons, the
// two skill conditions) can be told apart without seeing them.
#pragma once

#include <string_view>

#include "form/control_ids.h"

namespace qmoor {

// UTF-8; empty for identifiers without a name of their own (captions, group
// boxes and buttons whose caption says it all, hidden controls).
std::string_view accessibleNameOf(ControlId id);

inline constexpr std::string_view IconAccessibleName = "Quillmoor のアイコン";

}  // namespace qmoor
