// The integer value of a typed level limit, read the same way wherever the
// text of edit 1019 becomes a number (level cap, saved-tabs file).
#pragma once

#include <string_view>

namespace qmoor {

// Leading ASCII white space is skipped, then an optional '+' or '-', then
// decimal digits up to the first non-digit; 0 when no digit follows.
// A value beyond the range of int is held at INT_MAX or INT_MIN.
int limitTextValue(std::string_view text);

}  // namespace qmoor
