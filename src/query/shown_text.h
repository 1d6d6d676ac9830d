// Typed text shown back in a message: quoted, with control characters
// (direction marks included),
// malformed UTF-8 bytes and the backslash escaped, so that what the user typed
// can neither disturb the terminal nor hide in the message.
#pragma once

#include <string>
#include <string_view>

namespace qmoor::query {

// "\x1b", "\x7f", "\xff" for control characters and malformed bytes, "\\"
// for the backslash; every other character as it is.
std::string escapedText(std::string_view text);
// The escaped text between single quotes.
std::string quoted(std::string_view text);

}  // namespace qmoor::query
