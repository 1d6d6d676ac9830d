// Checks that hold after every operation of the view: twin controls in step,
// selections within their lists, and every listed material pair yielding the
// current demon under the current settings, judged by the fusion rules
// directly rather than by the enumeration that listed them.
#pragma once

#include <string>

#include "view/view.h"

namespace qmoor::testing {

// Empty when every invariant holds, otherwise a description of the first broken one.
std::string brokenInvariant(CQmoorView& view);

}  // namespace qmoor::testing
