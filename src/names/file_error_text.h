// Why a file could not be read or written, in the words of the program's
// interface, from the system's error number.
#pragma once

#include <string>
#include <string_view>

#include "names/names.h"

namespace qmoor {

// The text for the failures a user meets when saving or loading, in the
// language; any other error number gives the system's text with the number.
std::string fileErrorText(int errorNumber, Language language);

// The line added when a write failed part way and the file's old bytes could
// not be put back.
std::string_view oldContentsLostText(Language language);

}  // namespace qmoor
